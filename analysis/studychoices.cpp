#include "studychoices.h"

#include "choicegrid.h"
#include "errorreport.h"
#include "globals.h"
#include "store.h"
#include "trappedopen.h"

CurrentChoices currentStudyChoices()
{
    const Criterion inView =
        Global::CurrentCriterion == 2 ? Criterion::Negative : Criterion::Positive;
    const int type = static_cast<int>(Global::CriterionType);
    std::vector<AnswerRow> stored;
    CurrentChoices current;
    // A study never saved has no stored answers, and a one-criterion study needs none.
    if (type == CriterionTypes::Both && Global::CurrentRecord != 0) {
        Trap trap(QStringLiteral("DataForm:Analysis"));
        stored = storedAnswersTrapped(trap);
        current.storedUnread = trap.anyFailed();
    }
    current.choices = studyChoices(DataGrid(), type, inView, stored);
    return current;
}
