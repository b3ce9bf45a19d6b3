#pragma once
// Where the labels of one sociogram stand and whether that is stored: the labels,
// LabelPos (a global: the drawing and the printed page read it), the saved flag the
// Quit question reads, and which of the View commands can go back to something.

#include "globals.h"
#include "labelset.h"

#include <QObject>
#include <array>
#include <optional>

class Trap;
struct Failure;
struct PositionRow;

class Arrangement : public QObject {
    Q_OBJECT
public:
    Arrangement();

    LabelSet& labels() { return labelSet; }
    const LabelSet& labels() const { return labelSet; }

    // -1 once the arrangement in view is the stored one, 0 after a label moved.
    Global::Integer positionsSaved() const { return PositionsSaved; }
    void setPositionsSaved(Global::Integer saved);

    // View(0) and View(1): only an arrangement other than the one in view can be
    // gone back to.
    bool defaultDistributionEnabled() const { return defaultEnabled; }
    bool savedDistributionEnabled() const { return savedEnabled; }
    void setDistributionsEnabled(bool defaultDistribution, bool savedDistribution);

    // Moves label i to (left, top), twips, and keeps LabelPos, from which the arrangement
    // is stored, in step: each coordinate as a 16-bit whole number. What is wrong with each
    // coordinate comes back: 9 for an index no label can have (nothing moves), 6 for one
    // beyond 16 bits, which leaves LabelPos's old value while the label moves all the same.
    std::array<std::optional<Failure>, 2> placeLabel(Global::Long i, float left, float top);

    // Places the labels as stored for the study and type, reporting to DoWork's trap;
    // false when nothing is stored (or nothing can be read).
    bool restoreSaved(Trap& trap);
    // Replaces the stored arrangement of the study and type with LabelPos.
    void SavePositions();

Q_SIGNALS:
    // Labels were created, moved or removed.
    void changed();
    void distributionsChanged();
    void busyChanged(bool busy);

private:
    bool restoreRow(Trap& trap, const PositionRow& row);
    bool replaceArrangement(Trap& trap);

    LabelSet labelSet; // DLabel(0..40)
    Global::Integer PositionsSaved = Global::False;
    bool defaultEnabled = true, savedEnabled = true;
};
