#include "viewoptions.h"

#include <algorithm>

int ViewOptions::groupCount() const
{
    return chosen.groups.isEmpty()
               ? 0
               : *std::max_element(chosen.groups.begin(), chosen.groups.end()) + 1;
}

void ViewOptions::keepFor(std::int32_t study)
{
    keptFor = study;
    chosen = ViewMemory::recall(study);
}

void ViewOptions::keep() const
{
    if (keptFor)
        ViewMemory::keep(*keptFor, chosen);
}

void ViewOptions::setColourChoices(bool on)
{
    if (on == chosen.colourChoices)
        return;
    chosen.colourChoices = on;
    keep();
    Q_EMIT styleChanged();
}

void ViewOptions::setOtherCriterion(bool on)
{
    if (on == chosen.otherCriterion)
        return;
    chosen.otherCriterion = on;
    keep();
    Q_EMIT styleChanged();
}

void ViewOptions::setGroups(const QList<int>& groups)
{
    // Emitted even for the same groups: the Groups window sends them when it is asked
    // to show them again, and the key is then brought up to date.
    chosen.groups = groups;
    keep();
    Q_EMIT groupsChanged();
}

void ViewOptions::setShowStatus(bool on)
{
    if (on == chosen.showStatus)
        return;
    chosen.showStatus = on;
    keep();
    Q_EMIT statusChanged();
}

void ViewOptions::setShowNames(bool on)
{
    if (on == chosen.showNames)
        return;
    chosen.showNames = on;
    keep();
    Q_EMIT namesChanged();
}

void ViewOptions::setLinesRound(bool on)
{
    chosen.linesRound = on;
    keep();
    if (on == routed)
        return;
    routed = on;
    Q_EMIT linesRoundChanged();
    Q_EMIT styleChanged();
}

void ViewOptions::followPlacement(bool justLaidOut)
{
    laidOut = justLaidOut;
    const bool on = !laidOut && chosen.linesRound;
    if (on == routed)
        return;
    routed = on;
    Q_EMIT linesRoundChanged();
}
