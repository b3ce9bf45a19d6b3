#include "viewoptions.h"

#include <algorithm>

int ViewOptions::groupCount() const
{
    return shownGroups.isEmpty() ? 0
                                 : *std::max_element(shownGroups.begin(), shownGroups.end()) + 1;
}

void ViewOptions::keepFor(std::int32_t study)
{
    keptFor = study;
    const ViewChoices kept = ViewMemory::recall(study);
    lineStyle.colour = kept.colourChoices;
    lineStyle.otherCriterion = kept.otherCriterion;
    shownGroups = kept.groups;
    statusShown = kept.showStatus;
    namesShown = kept.showNames;
    roundChosen = kept.linesRound;
}

void ViewOptions::keep() const
{
    if (keptFor)
        ViewMemory::keep(*keptFor, {lineStyle.colour, lineStyle.otherCriterion, shownGroups,
                                    statusShown, namesShown, roundChosen});
}

void ViewOptions::setColourChoices(bool on)
{
    if (on == lineStyle.colour)
        return;
    lineStyle.colour = on;
    keep();
    Q_EMIT styleChanged();
}

void ViewOptions::setOtherCriterion(bool on)
{
    if (on == lineStyle.otherCriterion)
        return;
    lineStyle.otherCriterion = on;
    keep();
    Q_EMIT styleChanged();
}

void ViewOptions::setGroups(const QList<int>& groups)
{
    // Emitted even for the same groups: the Groups window sends them when it is asked
    // to show them again, and the key is then brought up to date.
    shownGroups = groups;
    keep();
    Q_EMIT groupsChanged();
}

void ViewOptions::setShowStatus(bool on)
{
    if (on == statusShown)
        return;
    statusShown = on;
    keep();
    Q_EMIT statusChanged();
}

void ViewOptions::setShowNames(bool on)
{
    if (on == namesShown)
        return;
    namesShown = on;
    keep();
    Q_EMIT namesChanged();
}

void ViewOptions::setLinesRound(bool on)
{
    roundChosen = on;
    keep();
    if (on == lineStyle.routed)
        return;
    lineStyle.routed = on;
    Q_EMIT linesRoundChanged();
    Q_EMIT styleChanged();
}

void ViewOptions::followPlacement(bool laidOut)
{
    const bool on = !laidOut && roundChosen;
    if (on == lineStyle.routed)
        return;
    lineStyle.routed = on;
    Q_EMIT linesRoundChanged();
}
