#include "surveychanges.h"

void SurveyChanges::setChanges(const TieChanges& ties, const QString& comparedWith)
{
    changes = ties;
    other = ties.empty() ? QString() : comparedWith;
    on = !ties.empty();
    Q_EMIT changed();
}

void SurveyChanges::setShown(bool shown)
{
    if (shown == on || (shown && !available()))
        return;
    on = shown;
    Q_EMIT changed();
}
