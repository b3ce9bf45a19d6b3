#include "studyanswers.h"

#include "globals.h"
#include "trappedopen.h"

OtherCriterion readOtherCriterion(Trap& trap, UnsavedStudy unsaved)
{
    OtherCriterion other;
    if (Global::CriterionType != Codes::CriterionType::Both)
        return other;
    if (unsaved == UnsavedStudy::SkipFile && Global::CurrentRecord == 0)
        return other;
    const bool failedBefore = trap.anyFailed();
    other.stored = storedAnswersTrapped(trap);
    other.unread = !failedBefore && trap.anyFailed();
    return other;
}
