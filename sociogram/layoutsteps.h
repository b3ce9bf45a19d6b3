#pragma once
// Labels placed by the program or by the user: the four layouts run on the study, a
// dragged label dropped (and snapped to its ring in the Target layout), and Tidy.
// Each step reads the program's globals, the data window's grid and the study file,
// asks the geometry (layout/) where the labels go and records them in LabelPos and
// the arrangement's labels, reporting failures under its procedure's label.

#include "arrangement.h"
#include "geometry.h"
#include "globals.h"
#include "picturescore.h"
#include "tidy.h"

#include <QObject>
#include <QPointF>

class Trap;
class ViewOptions;

class LayoutSteps : public QObject {
    Q_OBJECT
public:
    LayoutSteps(Arrangement& arrangement, const ViewOptions& view);

    // The drawing area in twips, whatever the window's size.
    Layout::Area area() const { return {W, H}; }
    Layout::LabelSize labelSize() const;

    // The group-size box of the study window, which the layouts read for a study
    // being set up.
    void setNewStudyGroupSize(const QString& text) { newStudyGroupSize = text; }
    // Target: refresh the ring tags without moving any label.
    void setRingsOnly(bool on) { RingsOnly = on; }

    // The four layouts (sociogram types 0 to 3).
    void CircleDraw();
    void RandomDraw();
    void SquareDraw();
    void TargetDraw();
    // Runs the layout of Global::SociogramType; any other value runs none. Target
    // keeps RingsOnly as it stands.
    void runLayout();

    // The mouse went down on label `subject`, `grab` twips inside it.
    void beginDrag(int subject, QPointF grab);
    // Snaps the drop point (DropX, DropY) to the ring of label DragIndex.
    void AlignSquare();
    // Label `subject`, the one grabbed, let go on the background at `at` (twips).
    void dropLabel(int subject, QPointF at);

    // Rearranges the labels so that the picture reads, keeping the layout's idea:
    // Circle and Square labels change slots, Target labels move along their rings,
    // Random labels anywhere inside the area. Like a drop, it leaves the arrangement
    // unsaved.
    // `namesGiven`: the study has a class list, whose names take room under the labels.
    void TidyLabels(bool namesGiven = false);
    // The ties of two surveys while they are drawn in place of the choices: Tidy then
    // arranges for them, so that the cliques of either survey stay together. Empty: the
    // study's own choices.
    void setShownTies(std::vector<Choice> ties) { shownTies = std::move(ties); }
    // What each label's status mark needs clear round it, by subject number, while the
    // status is shown: on the Circle neighbours leave it room.
    void setMarkRoom(std::vector<double> room) { markRoom = std::move(room); }
    // The Target rings the last Tidy widened (on the Circle and the Square, the frame it
    // grew), until a layout runs again: the window draws its guides there and a dropped
    // Target label snaps to them. Not stored, so a restored arrangement snaps by the
    // designed rings.
    const std::vector<Layout::RingRadius>& widenedRings() const { return tidiedRings.rings; }
    // Undo and Redo of a Tidy put the rings back with the labels; the caller redraws.
    void setWidenedRings(const std::vector<Layout::RingRadius>& rings)
    {
        tidiedRings.rings = rings;
    }

Q_SIGNALS:
    // A layout begins: the lines drawn for the old places no longer fit.
    void layoutStarted();
    // The user moved labels (a drop or Tidy): the lines must follow them.
    void labelsMoved();
    // True while a long step runs: the window shows the busy pointer.
    void busyChanged(bool busy);

private:
    void placeLabel(Trap& trap, Global::Long i, Layout::Place place);
    void placeInOrder(Trap& trap, const std::vector<Layout::Place>& places);
    void countChoices(Trap& trap);
    bool lookUpGroupSize(Trap& trap, Global::Long& n);
    std::vector<Choice> tidyChoices(Trap& trap);
    std::vector<QPointF> roomForMarks(const std::vector<QPointF>& tidied, int n, bool square,
                                      QSizeF side, QSizeF radius, double& grown) const;
    std::vector<QPointF> tidiedOnFrame(int n, const std::vector<Choice>& choices, QSizeF label);
    std::vector<QPointF> tidiedOnRings(int n, const std::vector<QPointF>& current,
                                       const std::vector<Choice>& choices, QSizeF label,
                                       QSizeF area);
    std::vector<QPointF> tidiedApart(int n, const std::vector<QPointF>& current,
                                     const std::vector<Choice>& choices, QSizeF label);
    void placeTidied(const std::vector<QPointF>& tidied, int n);

    Arrangement& arrangement;
    LabelSet& labels;
    const ViewOptions& view;
    const Global::Single W = Codes::Geometry::DesignWidth;
    const Global::Single H = Codes::Geometry::DesignHeight;
    QString newStudyGroupSize;
    bool RingsOnly = false;

    Global::Long DragIndex = 0;
    Global::Single GrabX = 0, GrabY = 0, DropX = 0, DropY = 0;
    Layout::SnapWork snap; // the work values of the last snap; snapX, snapY among them
    Layout::RingsTidied tidiedRings;
    std::vector<Choice> shownTies;
    std::vector<double> markRoom;
};
