#pragma once
// Everything of one sociogram window except its widgets: the labels, the drawing
// area, the drag and snap values, the saved-state flags and the four layouts with
// the saved arrangements. The window owns one and shows what it holds.

#include "globals.h"
#include "labels.h"

#include <functional>

class Trap;
struct PositionRow;

class SociogramState {
public:
    LabelSet labels;                   // DLabel(0..40)
    Global::Single W = 6915, H = 6630; // drawing area in twips; the window sets it
    Global::Long DragIndex = 0;
    Global::Single GrabX = 0, GrabY = 0, DropX = 0, DropY = 0, SnapX = 0, SnapY = 0;
    Global::Integer PositionsSaved = Global::False, RingsOnly = Global::False;
    bool viewDefaultEnabled = true, viewSavedEnabled = true; // View(0), View(1)

    std::function<void()> clearDrawing;            // clears every line and circle drawn
    std::function<void()> lineDraw;                // draws the choice lines again
    std::function<void(bool busy)> setBusyPointer; // false: back to the default pointer

    // Work values of the ring snapping; a failed step leaves its value as it was.
    Global::Single SnapDx = 0, SnapDy = 0, Distance = 0, RingRadius = 0, Ratio = 0, ScaledDx = 0,
                   ScaledDy = 0;

    // The four layouts (sociogram types 0 to 3).
    void CircleDraw();
    void RandomDraw();
    void SquareDraw();
    void TargetDraw();
    // Runs the layout of Global::SociogramType; any other value runs none. Target
    // keeps RingsOnly as it stands.
    void runLayout();

    // Snaps the drop point (DropX, DropY) to the ring of label DragIndex: SnapX, SnapY.
    void AlignSquare();
    void CalcRadius();

    // Restores the stored arrangement of the study and type, or runs the layout.
    void DoWork();
    // Replaces the stored arrangement of the study and type with LabelPos.
    void SavePositions();

    // The "&View" commands, after which the window repaints.
    void DefaultDistribution();
    void SavedDistribution();

    // A label dropped on the background at (x, y), client twips.
    void dropOnBackground(Global::Single x, Global::Single y);
    // The mouse went down on label `subject` at (grabX, grabY) inside it.
    void beginDrag(int subject, Global::Single grabX, Global::Single grabY);

    // How many places the Random layout tries for one label before it gives up on an
    // area too small for the labels.
    static constexpr long RandomAttemptLimit = 100000;

private:
    void clear();
    void defaultPointer();
    void busyPointer();
    float labelWidth(Global::Long i) const;
    float labelHeight(Global::Long i) const;
    void placeLabel(Trap& trap, Global::Long i, float left, float top);
    void placeAround(Trap& trap, Global::Long i, float radius, float angle);
    bool collidesWithEarlier(Global::Long i, float x, float y) const;
    void countChoices(Trap& trap);
    void recordDrop(float left, float top);
    bool restoreRow(Trap& trap, const PositionRow& row);
    bool replaceArrangement(Trap& trap);
};
