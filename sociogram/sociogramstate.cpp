// The steps that take the whole sociogram: opening on the stored arrangement or the
// layout, the View commands and the lines drawn again after them.

#include "sociogramstate.h"

#include "choicegrid.h"
#include "errorreport.h"
#include "linesteps.h"

SociogramState::SociogramState()
{
    // Every layout run is followed by LineDraw, which tells the window.
    connect(&steps, &LayoutSteps::layoutStarted, this, [this] { lines.clear(); });
    connect(&steps, &LayoutSteps::labelsMoved, this, &SociogramState::LineDraw);
    connect(&steps, &LayoutSteps::busyChanged, this, &SociogramState::busyChanged);
    connect(&placed, &Arrangement::busyChanged, this, &SociogramState::busyChanged);
}

void SociogramState::LineDraw()
{
    const SubjectLabel& model = labels().Template();
    std::vector<MovedRing> moved;
    for (const Layout::RingRadius& ring : steps.widenedRings())
        moved.push_back({ring.designed, ring.used});
    lines = drawChoiceLines(DataGrid(), QSizeF(model.Width, model.Height), steps.area().W,
                            steps.area().H, options.style(), &labels(), moved);
    Q_EMIT drawingChanged();
}

void SociogramState::DoWork()
{
    placed.setPositionsSaved(Global::True);
    Q_EMIT busyChanged(true);
    Trap trap(QStringLiteral("DrawForm:DoWork"), {ErrorNumber::ObjectAlreadyLoaded});
    if (placed.restoreSaved(trap)) {
        placed.setDistributionsEnabled(true, false);
    } else {
        placed.setDistributionsEnabled(false, false);
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
    placed.labels().unloadAll();
    steps.setRingsOnly(false);
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
