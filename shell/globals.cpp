#include "globals.h"

namespace Global {

void reset()
{
    AppPath.clear();
    NewProject = False;
    CurrentRecord = 0;
    RefName.clear();
    Question.clear();
    GroupSize = 0;
    MaxChoices = 0;
    CriterionType = 0;
    CurrentCriterion = 0;
    SociogramType = Codes::SociogramType::Circle;
    LabelPos = {};
    ChoicesReceived = {};
    RingMembers = {};
    MaxReceived = 0;
}

} // namespace Global
