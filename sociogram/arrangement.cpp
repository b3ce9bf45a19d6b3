// Stored arrangements: a study's labels restored as they were saved for a layout, and
// the arrangement in view stored in place of the old one.

#include "arrangement.h"

#include "choicegrid.h"
#include "fieldvalue.h"
#include "numbers.h"
#include "statements.h"
#include "store.h"
#include "trappedopen.h"

using Global::Integer;
using Global::Long;

namespace {

using Step = std::optional<Failure>;

} // namespace

Arrangement::Arrangement()
{
    connect(&labelSet, &LabelSet::changed, this, &Arrangement::changed);
}

std::array<Step, 2> Arrangement::placeLabel(Long i, float left, float top)
{
    if (!LabelSet::isIndex(i)) {
        const Step outside = runtimeFailure(ErrorNumber::SubscriptOutOfRange);
        return {outside, outside};
    }
    std::array<Step, 2> failed;
    auto& pos = Global::LabelPos[static_cast<std::size_t>(i)];
    const float place[] = {left, top};
    for (std::size_t axis = 0; axis < 2; ++axis) {
        if (const std::optional<Integer> v = Numbers::toInteger(place[axis]))
            pos[axis] = *v;
        else
            failed[axis] = runtimeFailure(ErrorNumber::Overflow);
    }
    labelSet.move(static_cast<int>(i), left, top);
    return failed;
}

void Arrangement::setPositionsSaved(Integer saved)
{
    if (saved == PositionsSaved)
        return;
    PositionsSaved = saved;
}

void Arrangement::setDistributionsEnabled(bool defaultDistribution, bool savedDistribution)
{
    if (defaultDistribution == defaultEnabled && savedDistribution == savedEnabled)
        return;
    defaultEnabled = defaultDistribution;
    savedEnabled = savedDistribution;
    Q_EMIT distributionsChanged();
}

bool Arrangement::restoreRow(Trap& trap, const PositionRow& row)
{
    Long i = 0;
    Integer x = 0, y = 0;
    const bool valid = trap.step([&]() -> Step {
        if (Step f = FieldValue::wholeLong(row.label, i))
            return f;
        if (!LabelSet::isIndex(i))
            return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
        if (Step f = FieldValue::wholeInteger(row.x, x))
            return f;
        if (Step f = FieldValue::wholeInteger(row.y, y))
            return f;
        return std::nullopt;
    });
    if (!valid)
        return false;
    trap.step([&] { return labelSet.load(i); });
    placeLabel(i, x, y); // 16-bit numbers fit
    return true;
}

bool Arrangement::restoreSaved(Trap& trap)
{
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
    if (rows.empty())
        return false;
    for (const PositionRow& row : rows)
        restoreRow(trap, row);
    return true;
}

bool Arrangement::replaceArrangement(Trap& trap)
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

void Arrangement::SavePositions()
{
    Q_EMIT busyChanged(true);
    Trap trap(QStringLiteral("DrawForm:SavePositions"));
    // Marked saved only when it was: otherwise Quit would not ask and the
    // arrangement would be lost.
    if (replaceArrangement(trap))
        setPositionsSaved(Global::True);
    Q_EMIT busyChanged(false);
}
