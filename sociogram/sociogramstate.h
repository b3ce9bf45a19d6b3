#pragma once
// Everything of one sociogram window except its widgets: the labels, the drawing
// under them, the drag and snap values, the saved-state flags, and the steps that
// run the layouts, restore and store arrangements and redraw the lines. The steps
// read the program's globals, the data window's grid and the study file, hand plain
// values to the geometry (layout/) and the drawing (draw/), and report failures under
// their procedure's label. The window owns one and shows what it holds.

#include "geometry.h"
#include "globals.h"
#include "labelset.h"
#include "linesteps.h"
#include "picturescore.h"
#include "primitives.h"

#include <QObject>

class Trap;
struct PositionRow;

class SociogramState : public QObject {
    Q_OBJECT
public:
    LabelSet labels;                                  // DLabel(0..40)
    Global::Single W = Codes::Geometry::DesignWidth;  // drawing area in twips,
    Global::Single H = Codes::Geometry::DesignHeight; // whatever the window's size
    // The group-size box of the study window, for a study being set up; the window
    // hands it over when it opens.
    QString newStudyGroupSize;

    Global::Long DragIndex = 0;
    Global::Single GrabX = 0, GrabY = 0, DropX = 0, DropY = 0;
    Layout::SnapWork snap; // the work values of the last snap; SnapX, SnapY among them
    Global::Integer PositionsSaved = Global::False;
    bool RingsOnly = false; // Target: refresh the ring tags without moving any label
    bool viewDefaultEnabled = true, viewSavedEnabled = true; // View(0), View(1)
    LineStyle style; // "&Colour Choices" and "Show &Other Criterion"
    // Groups shown on the labels from the Groups window: the group (from 0) of subject i
    // at i - 1; empty when none are shown. Never stored.
    QList<int> groups;

    // What LineDraw made last: the lines, markers and guide shape under the labels.
    const PrimitiveList& drawing() const { return lines; }

    // The four layouts (sociogram types 0 to 3).
    void CircleDraw();
    void RandomDraw();
    void SquareDraw();
    void TargetDraw();
    // Runs the layout of Global::SociogramType; any other value runs none. Target
    // keeps RingsOnly as it stands.
    void runLayout();

    // Snaps the drop point (DropX, DropY) to the ring of label DragIndex.
    void AlignSquare();

    // Restores the stored arrangement of the study and type, or runs the layout.
    void DoWork();
    // Replaces the stored arrangement of the study and type with LabelPos.
    void SavePositions();
    // Draws the choice lines again from LabelPos and the choices.
    void LineDraw();

    // The "&View" commands.
    void DefaultDistribution();
    void SavedDistribution();
    // Rearranges the labels so that the picture reads, keeping the layout's idea:
    // Circle and Square labels change slots, Target labels move along their rings,
    // Random labels anywhere inside the area. Like a drop, it leaves the arrangement
    // unsaved.
    void TidyLabels();

    // A label dropped on the background at (x, y), client twips.
    void dropOnBackground(Global::Single x, Global::Single y);
    // The mouse went down on label `subject` at (grabX, grabY) inside it.
    void beginDrag(int subject, Global::Single grabX, Global::Single grabY);

    Layout::Area area() const { return {W, H}; }
    Layout::LabelSize labelSize() const;

Q_SIGNALS:
    void drawingChanged();
    // True while a long step runs: the window shows the busy pointer.
    void busyChanged(bool busy);

private:
    void clearDrawing();
    void placeLabel(Trap& trap, Global::Long i, Layout::Place place);
    void placeInOrder(Trap& trap, const std::vector<Layout::Place>& places);
    void countChoices(Trap& trap);
    bool lookUpGroupSize(Trap& trap, Global::Long& n);
    void recordDrop(float left, float top);
    bool restoreRow(Trap& trap, const PositionRow& row);
    bool replaceArrangement(Trap& trap);
    std::vector<Choice> tidyChoices(Trap& trap);

    PrimitiveList lines;
};
