#pragma once
// Everything of one sociogram window except its widgets: where the labels stand and
// whether that is stored (Arrangement), how it is shown (ViewOptions), the steps
// that place labels (LayoutSteps) and the drawing of the choices under the labels.
// The window owns one and shows what it holds.

#include "arrangement.h"
#include "layoutsteps.h"
#include "primitives.h"
#include "viewoptions.h"

#include <QObject>

class SociogramState : public QObject {
    Q_OBJECT
public:
    SociogramState();

    Arrangement& arrangement() { return placed; }
    const Arrangement& arrangement() const { return placed; }
    LayoutSteps& layout() { return steps; }
    const LayoutSteps& layout() const { return steps; }
    ViewOptions& view() { return options; }
    const ViewOptions& view() const { return options; }
    const LabelSet& labels() const { return placed.labels(); }

    // What LineDraw made last: the lines, markers and guide shape under the labels.
    const PrimitiveList& drawing() const { return lines; }

    // Restores the stored arrangement of the study and type, or runs the layout.
    void DoWork();
    // Draws the choice lines again from LabelPos and the choices.
    void LineDraw();

    // The "&View" commands.
    void DefaultDistribution();
    void SavedDistribution();

Q_SIGNALS:
    void drawingChanged();
    // True while a long step runs: the window shows the busy pointer.
    void busyChanged(bool busy);

private:
    Arrangement placed;
    ViewOptions options;
    LayoutSteps steps{placed, options};
    PrimitiveList lines;
};
