#pragma once
// Everything of one sociogram window except its widgets: where the labels stand and
// whether that is stored (Arrangement), how it is shown (ViewOptions), the steps
// that place labels (LayoutSteps), the user's moves kept for Undo (MoveHistory), the
// ties of two surveys when compared (SurveyChanges) and the drawing of the choices or
// those ties under the labels. The window owns one and shows what it
// holds.

#include "arrangement.h"
#include "layoutsteps.h"
#include "linedraw.h"
#include "movehistory.h"
#include "picturebuild.h"
#include "primitives.h"
#include "sociometry.h"
#include "statusmarks.h"
#include "surveychanges.h"
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
    SurveyChanges& changes() { return surveys; }
    const SurveyChanges& changes() const { return surveys; }
    const LabelSet& labels() const { return placed.labels(); }
    // The drops and Tidy runs the window's Undo and Redo go through.
    QUndoStack& undoStack() { return history.stack(); }

    // What LineDraw made last: the lines, markers and guide shape under the labels.
    const PrimitiveList& drawing() const { return lines; }
    // The Target rings the last Tidy widened, as the guide circles are drawn: the page
    // printed draws them where the window does.
    std::vector<Layout::RingRadius> movedRings() const;
    // The status mark of each subject, by subject number (entry 0 unused), while "Show
    // Stat&us" is on; empty when off.
    const std::vector<Status>& statusMarks() const { return marks; }
    // The method the status marks are worked out by, the one the analysis window shows.
    StatusMethod statusMethod() const { return statusBy; }
    void setStatusMethod(StatusMethod method);
    // What the window shows, as the values its picture is built from (wholePicture): the
    // lines LineDraw read last, the labels, the groups and the status marks; no names.
    PictureValues shownPicture() const;

    // Restores the stored arrangement of the study and type, or runs the layout.
    void DoWork();
    // Draws the choice lines again from LabelPos and the choices, or the ties of two
    // surveys while they are shown.
    void LineDraw();

    // The "&View" commands.
    void DefaultDistribution();
    void SavedDistribution();

    // The user's moves, each kept for Undo: a label dropped on the background and Tidy.
    void dropLabel(int subject, QPointF at);
    void TidyLabels(bool namesGiven = false);

Q_SIGNALS:
    void drawingChanged();
    // True while a long step runs: the window shows the busy pointer.
    void busyChanged(bool busy);
    // The status marks were worked out again.
    void statusMarksChanged();

private:
    Arrangement placed;
    ViewOptions options;
    SurveyChanges surveys;
    LayoutSteps steps{placed, options};
    MoveHistory history{placed};
    PictureValues drawn;
    PrimitiveList lines;
    std::vector<Status> marks;
    StatusMethod statusBy = StatusMethod::CoieDodgeCoppotelli;

    void refreshStatus();
};
