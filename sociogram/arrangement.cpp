// Arrangements of the sociogram window: dragging and snapping a label, restoring and
// storing the arrangement of a study and layout, the View commands and redrawing.

#include "sociogramstate.h"

#include "choicegrid.h"
#include "fieldvalue.h"
#include "linesteps.h"
#include "numbers.h"
#include "statements.h"
#include "store.h"
#include "trappedopen.h"

using Global::Integer;
using Global::Long;
using Global::Single;

namespace {

using Step = std::optional<Failure>;

} // namespace

void SociogramState::LineDraw()
{
    lines = drawChoiceLines(DataGrid(), QSizeF(labels.Template().Width, labels.Template().Height),
                            W, H, style, &labels);
    Q_EMIT drawingChanged();
}

// ---------------------------------------------------------------------------------
// Dragging

void SociogramState::AlignSquare()
{
    std::optional<float> tagRadius;
    if (const SubjectLabel* label = LabelSet::isIndex(DragIndex) ? labels.get(DragIndex) : nullptr)
        tagRadius = static_cast<float>(Numbers::leadingValue(label->Tag));
    Layout::alignSquare(snap, DropX, DropY, area(), tagRadius);
}

void SociogramState::beginDrag(int subject, Single grabX, Single grabY)
{
    DragIndex = subject;
    GrabX = grabX;
    GrabY = grabY;
}

void SociogramState::recordDrop(float left, float top)
{
    // Row 0 is the template's and stays (0, 0); a position beyond 16 bits is left out.
    if (!LabelSet::isIndex(DragIndex))
        return;
    auto& pos = Global::LabelPos[static_cast<std::size_t>(DragIndex)];
    if (const std::optional<Integer> x = Numbers::toInteger(left))
        pos[0] = *x;
    if (const std::optional<Integer> y = Numbers::toInteger(top))
        pos[1] = *y;
}

void SociogramState::dropOnBackground(Single x, Single y)
{
    float left = 0, top = 0;
    if (Global::SociogramType != Codes::SociogramType::Target) {
        left = x - GrabX;
        top = y - GrabY;
    } else {
        DropX = x;
        DropY = y;
        AlignSquare();
        left = snap.snapX - labelSize().width / 2;
        top = snap.snapY - labelSize().height / 2;
    }
    if (LabelSet::isIndex(DragIndex))
        labels.move(DragIndex, left, top);
    recordDrop(left, top);
    PositionsSaved = Global::False;
    LineDraw();
}

// ---------------------------------------------------------------------------------
// Saved arrangements

bool SociogramState::restoreRow(Trap& trap, const PositionRow& row)
{
    Long i = 0;
    const bool valid = trap.step([&]() -> Step {
        Integer x = 0, y = 0;
        if (Step f = FieldValue::wholeLong(row.label, i))
            return f;
        if (!LabelSet::isIndex(i))
            return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
        if (Step f = FieldValue::wholeInteger(row.x, x))
            return f;
        if (Step f = FieldValue::wholeInteger(row.y, y))
            return f;
        Global::LabelPos[static_cast<std::size_t>(i)] = {x, y};
        return std::nullopt;
    });
    if (!valid)
        return false;
    trap.step([&] { return labels.load(i); });
    const auto& pos = Global::LabelPos[static_cast<std::size_t>(i)];
    labels.move(i, pos[0], pos[1]);
    return true;
}

void SociogramState::DoWork()
{
    PositionsSaved = Global::True;
    Q_EMIT busyChanged(true);
    Trap trap(QStringLiteral("DrawForm:DoWork"), {ErrorNumber::ObjectAlreadyLoaded});
    std::vector<PositionRow> rows;
    // An arrangement that cannot be read is treated as none: the layout is computed.
    trap.step([&]() -> Step {
        Result<Store> store = Store::open(Global::databasePath());
        if (!store)
            return store.failure();
        Result<std::vector<PositionRow>> found =
            store.value().savedPositions(Global::CurrentRecord, Global::SociogramType);
        store.value().close();
        if (!found)
            return found.failure();
        rows = std::move(found.value());
        return std::nullopt;
    });
    if (rows.empty()) {
        viewDefaultEnabled = false;
        viewSavedEnabled = false;
        runLayout();
    } else {
        viewDefaultEnabled = true;
        viewSavedEnabled = false;
        for (const PositionRow& row : rows)
            restoreRow(trap, row);
    }
    if (Global::SociogramType == Codes::SociogramType::Target) {
        // The tags must give the current rings, wherever the labels stand.
        RingsOnly = true;
        TargetDraw();
    }
    LineDraw();
    Q_EMIT busyChanged(false);
}

bool SociogramState::replaceArrangement(Trap& trap)
{
    // The old rows go only together with the new ones being in: any step passed over
    // after a failure leaves the stored arrangement as it was.
    return writeInOneTransaction(trap, [&](Store& store) {
        if (!trap.step([&] {
                return store.deletePositions(Global::CurrentRecord, Global::SociogramType)
                    .failure();
            }))
            return false;
        if (Global::CurrentRecord == 0)
            return true;
        const Long n = DataGrid().Rows() - ChoiceGrid::FixedRows;
        for (Long i = 1; i <= n; ++i) {
            const bool added = trap.step([&]() -> Step {
                if (!LabelSet::isIndex(i))
                    return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
                const auto& pos = Global::LabelPos[static_cast<std::size_t>(i)];
                return store
                    .appendPosition(Global::CurrentRecord, Global::SociogramType, i, pos[0], pos[1])
                    .failure();
            });
            if (!added)
                return false;
        }
        return true;
    });
}

void SociogramState::SavePositions()
{
    Q_EMIT busyChanged(true);
    Trap trap(QStringLiteral("DrawForm:SavePositions"));
    // Marked saved only when it was: otherwise Quit would not ask and the
    // arrangement would be lost.
    if (replaceArrangement(trap))
        PositionsSaved = Global::True;
    Q_EMIT busyChanged(false);
}

// ---------------------------------------------------------------------------------
// View commands

void SociogramState::DefaultDistribution()
{
    labels.unloadAll();
    RingsOnly = false;
    runLayout();
    LineDraw();
    viewDefaultEnabled = false;
    viewSavedEnabled = true;
}

void SociogramState::SavedDistribution()
{
    labels.unloadAll();
    // Without this a Target arrangement that has gone from the file would be computed
    // with rings only, and no label would appear.
    RingsOnly = false;
    DoWork();
    LineDraw();
    viewDefaultEnabled = true;
    viewSavedEnabled = false;
}
