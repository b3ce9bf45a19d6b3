// The steps that take the whole sociogram: opening on the stored arrangement or the
// layout, the View commands and the lines drawn again after them.

#include "sociogramstate.h"

#include "choicegrid.h"
#include "errorreport.h"
#include "linesteps.h"
#include "statussteps.h"

SociogramState::SociogramState()
{
    // Every layout run is followed by LineDraw, which tells the window.
    connect(&steps, &LayoutSteps::layoutStarted, this, [this] { lines.clear(); });
    connect(&steps, &LayoutSteps::labelsMoved, this, &SociogramState::LineDraw);
    connect(&steps, &LayoutSteps::busyChanged, this, &SociogramState::busyChanged);
    connect(&placed, &Arrangement::busyChanged, this, &SociogramState::busyChanged);
    connect(&history, &MoveHistory::labelsMoved, this, &SociogramState::LineDraw);
    // The labels stay where they stand: only the lines under them change.
    connect(&surveys, &SurveyChanges::changed, this, &SociogramState::LineDraw);
    history.trackRings([this] { return steps.widenedRings(); },
                       [this](const MoveHistory::Rings& rings) { steps.setWidenedRings(rings); });
    // The status follows the choices, which LineDraw has just read again, and the
    // method (setStatusMethod).
    connect(&options, &ViewOptions::statusChanged, this, &SociogramState::refreshStatus);
    connect(this, &SociogramState::drawingChanged, this, [this] {
        if (options.showStatus())
            refreshStatus();
    });
}

void SociogramState::setStatusMethod(StatusMethod method)
{
    if (method == statusBy)
        return;
    statusBy = method;
    refreshStatus();
}

void SociogramState::refreshStatus()
{
    marks = options.showStatus() ? currentStatusMarks(statusBy) : std::vector<Status>{};
    Q_EMIT statusMarksChanged();
}

std::vector<Layout::RingRadius> SociogramState::movedRings() const
{
    return steps.widenedRings();
}

void SociogramState::LineDraw()
{
    const SubjectLabel& model = labels().Template();
    const Layout::Area area = steps.area();
    Trap trap(QStringLiteral("DataForm:LineDraw"));
    drawn = readPicture(trap, {surveys.shown() ? nullptr : &DataGrid(),
                               surveys.shown() ? &surveys.ties() : nullptr, &labels(),
                               QSizeF(model.Width, model.Height), QSizeF(area.W, area.H),
                               options.style(), movedRings()});
    lines = pictureLines(drawn);
    Q_EMIT drawingChanged();
}

PictureValues SociogramState::shownPicture() const
{
    PictureValues shown = drawn;
    shown.labels = &labels();
    shown.groups = options.groups();
    shown.marks = marks;
    return shown;
}

void SociogramState::DoWork()
{
    // The View commands swap between the layout and the stored arrangement as a
    // history of their own, with labels made afresh: moves kept from before would
    // take the labels back past it.
    history.clear();
    placed.setPositionsSaved(Global::True);
    Q_EMIT busyChanged(true);
    Trap trap(QStringLiteral("DrawForm:DoWork"), {ErrorNumber::ObjectAlreadyLoaded});
    if (placed.restoreSaved(trap)) {
        placed.setDistributionsEnabled(true, false);
        options.followPlacement(false);
    } else {
        placed.setDistributionsEnabled(false, false);
        options.followPlacement(true);
        steps.runLayout();
    }
    if (Global::SociogramType == Codes::SociogramType::Target) {
        // The tags must give the current rings, wherever the labels stand.
        steps.setRingsOnly(true);
        steps.TargetDraw();
    }
    LineDraw();
    Q_EMIT busyChanged(false);
}

void SociogramState::DefaultDistribution()
{
    history.clear();
    placed.labels().unloadAll();
    steps.setRingsOnly(false);
    options.followPlacement(true);
    steps.runLayout();
    LineDraw();
    placed.setDistributionsEnabled(false, true);
}

void SociogramState::SavedDistribution()
{
    placed.labels().unloadAll();
    // Without this a Target arrangement that has gone from the file would be computed
    // with rings only, and no label would appear.
    steps.setRingsOnly(false);
    DoWork();
    LineDraw();
    placed.setDistributionsEnabled(true, false);
}

void SociogramState::dropLabel(int subject, QPointF at)
{
    options.followPlacement(false);
    history.record(tr("Move of Label %1").arg(subject), [&] { steps.dropLabel(subject, at); });
}

void SociogramState::TidyLabels(bool namesGiven)
{
    // Tidy places the labels for the lines round them: they are on after it.
    options.followPlacement(false);
    options.setLinesRound(true);
    // Between two surveys the ties drawn are what Tidy arranges: kept, new and gone alike.
    std::vector<Choice> ties;
    if (drawn.changes)
        for (const ChangedTie& tie : drawn.ties)
            ties.push_back(tie.choice);
    steps.setShownTies(std::move(ties));
    std::vector<double> room;
    for (Status mark : marks)
        room.push_back(statusMarkReach(mark));
    steps.setMarkRoom(std::move(room));
    history.record(tr("Tidy Labels"), [this, namesGiven] { steps.TidyLabels(namesGiven); });
}
