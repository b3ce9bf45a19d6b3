#pragma once
// How the sociogram is shown, apart from where its labels stand: the style of the
// choice lines, the groups coloured on the labels and whether the labels carry their
// status. Nothing of it is stored in the study; each change is kept for the run
// (viewmemory.h) once the study is known.

#include "linesteps.h"
#include "viewmemory.h"

#include <QList>
#include <QObject>
#include <optional>

class ViewOptions : public QObject {
    Q_OBJECT
public:
    LineStyle style() const
    {
        return {chosen.colourChoices, chosen.otherCriterion, routed, !laidOut};
    }
    bool colourChoices() const { return chosen.colourChoices; }
    bool otherCriterion() const { return chosen.otherCriterion; }
    // The group (from 0) of each subject, by subject number (entry 0 unused); empty when none are
    // shown.
    const QList<int>& groups() const { return chosen.groups; }
    // How many groups the key lists: 0 when none are shown.
    int groupCount() const;
    bool showStatus() const { return chosen.showStatus; }
    // "Show &Names": the choice alone; the names are drawn only while a class list is loaded.
    bool showNames() const { return chosen.showNames; }
    // "Lines &Round Labels": whether lines that would run under a label go round it now,
    // and the user's choice for a picture not just laid out.
    bool linesRound() const { return routed; }

    // Takes up the choices kept for `study` and keeps every later change for it. Runs
    // before the sociogram is built, so nothing is drawn again here.
    void keepFor(std::int32_t study);

    // "&Colour Choices" and "Show &Other Criterion".
    void setColourChoices(bool on);
    void setOtherCriterion(bool on);
    // From the Groups window; an empty list puts the designed colour back.
    void setGroups(const QList<int>& groups);
    // "Show Stat&us".
    void setShowStatus(bool on);
    void setShowNames(bool on);
    // The user's "Lines &Round Labels", kept for the study.
    void setLinesRound(bool on);
    // A layout just run draws straight lines; a restored, tidied or moved arrangement the
    // lines as the user last chose them. Draws nothing: the caller draws the lines next.
    void followPlacement(bool justLaidOut);

Q_SIGNALS:
    // The lines must be drawn again.
    void styleChanged();
    // The labels must be painted again, and the key list the groups.
    void groupsChanged();
    // The status marks are to be shown or hidden.
    void statusChanged();
    // The names are to be shown or hidden.
    void namesChanged();
    // Lines round labels were turned on or off.
    void linesRoundChanged();

private:
    void keep() const;

    // What the user chose, as the run keeps it; the lines round labels there are the user's
    // choice, `routed` whether they are drawn so now.
    ViewChoices chosen;
    bool routed = false;
    bool laidOut = true; // the labels stand where a layout just put them
    std::optional<std::int32_t> keptFor;
};
