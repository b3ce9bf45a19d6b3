#pragma once
// How the sociogram is shown, apart from where its labels stand: the style of the
// choice lines and the groups coloured on the labels. Nothing of it is stored.

#include "linesteps.h"

#include <QList>
#include <QObject>

class ViewOptions : public QObject {
    Q_OBJECT
public:
    const LineStyle& style() const { return lineStyle; }
    bool colourChoices() const { return lineStyle.colour; }
    bool otherCriterion() const { return lineStyle.otherCriterion; }
    // The group (from 0) of subject i at i - 1; empty when none are shown.
    const QList<int>& groups() const { return shownGroups; }
    // How many groups the key lists: 0 when none are shown.
    int groupCount() const;

    // "&Colour Choices" and "Show &Other Criterion".
    void setColourChoices(bool on);
    void setOtherCriterion(bool on);
    // From the Groups window; an empty list puts the designed colour back.
    void setGroups(const QList<int>& groups);

Q_SIGNALS:
    // The lines must be drawn again.
    void styleChanged();
    // The labels must be painted again, and the key list the groups.
    void groupsChanged();

private:
    LineStyle lineStyle;
    QList<int> shownGroups;
};
