#include "viewoptions.h"

#include <algorithm>

int ViewOptions::groupCount() const
{
    return shownGroups.isEmpty() ? 0
                                 : *std::max_element(shownGroups.begin(), shownGroups.end()) + 1;
}

void ViewOptions::setColourChoices(bool on)
{
    if (on == lineStyle.colour)
        return;
    lineStyle.colour = on;
    Q_EMIT styleChanged();
}

void ViewOptions::setOtherCriterion(bool on)
{
    if (on == lineStyle.otherCriterion)
        return;
    lineStyle.otherCriterion = on;
    Q_EMIT styleChanged();
}

void ViewOptions::setGroups(const QList<int>& groups)
{
    // Emitted even for the same groups: the Groups window sends them when it is asked
    // to show them again, and the key is then brought up to date.
    shownGroups = groups;
    Q_EMIT groupsChanged();
}
