#include "studychoices.h"

#include "choicegrid.h"
#include "errorreport.h"
#include "globals.h"
#include "studyanswers.h"

CurrentChoices currentStudyChoices(const QString& label)
{
    const Criterion inView = Global::CurrentCriterion == Codes::AnswerType::Negative
                                 ? Criterion::Negative
                                 : Criterion::Positive;
    Trap trap(label);
    OtherCriterion other = readOtherCriterion(trap, UnsavedStudy::SkipFile);
    CurrentChoices current;
    current.storedUnread = other.unread;
    current.choices =
        studyChoices(DataGrid(), static_cast<int>(Global::CriterionType), inView, other.stored);
    return current;
}
