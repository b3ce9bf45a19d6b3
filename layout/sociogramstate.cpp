#include "sociogramstate.h"

#include "choicegrid.h"
#include "errorreport.h"
#include "forms.h"
#include "messages.h"
#include "numbers.h"
#include "randomsource.h"
#include "statements.h"
#include "store.h"
#include "trappedopen.h"

#include <charconv>
#include <cmath>
#include <optional>

using Global::Integer;
using Global::Long;
using Global::Single;

namespace {

// The layouts' value of pi; the arrangements users have saved were made with it.
constexpr double Pi = 3.14159;
constexpr double CircleRadius = 2500;
constexpr float RandomSeparation = 360;
constexpr float TargetMargin = 400;
constexpr Global::Integer TargetType = 3;

using Step = std::optional<Failure>;

Failure noCurrentRecord()
{
    return {3021, QStringLiteral("No current record.")};
}

Failure missingLabel(Long i)
{
    return {340, QStringLiteral("Control array element '%1' doesn't exist.").arg(i)};
}

// A stored field read as a number: an empty field and a text that is no number fail
// the way a conversion of the field would.
Step numberFrom(const QVariant& v, double& out)
{
    if (!v.isValid() || v.isNull())
        return runtimeFailure(ErrorNumber::InvalidUseOfNull);
    if (v.typeId() == QMetaType::QString) {
        const std::optional<double> whole = Numbers::wholeValue(v.toString());
        if (!whole)
            return runtimeFailure(ErrorNumber::TypeMismatch);
        out = *whole;
        return std::nullopt;
    }
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok)
        return runtimeFailure(ErrorNumber::TypeMismatch);
    out = d;
    return std::nullopt;
}

Step longFrom(const QVariant& v, Long& out)
{
    double d = 0;
    if (Step f = numberFrom(v, d))
        return f;
    const std::optional<Long> l = Numbers::toLong(d);
    if (!l)
        return runtimeFailure(ErrorNumber::Overflow);
    out = *l;
    return std::nullopt;
}

Step integerFrom(const QVariant& v, Integer& out)
{
    double d = 0;
    if (Step f = numberFrom(v, d))
        return f;
    const std::optional<Integer> i = Numbers::toInteger(d);
    if (!i)
        return runtimeFailure(ErrorNumber::Overflow);
    out = *i;
    return std::nullopt;
}

bool isLabelIndex(Long i)
{
    return i >= 1 && i <= LabelSet::MaxIndex;
}

// A Single as the shortest decimal text that reads back as the same Single.
QString singleText(float v)
{
    if (v == 0)
        return QStringLiteral("0");
    char buffer[64];
    const std::to_chars_result r =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    return QString::fromLatin1(buffer, r.ptr - buffer);
}

QString twoDigits(Long s)
{
    return QStringLiteral("%1").arg(s, 2, 10, QLatin1Char('0'));
}

// N of the Circle, Random and Square layouts: the study window's box for a study
// being set up, otherwise the stored header.
Step lookUpGroupSize(Long& n)
{
    if (Global::NewProject != Global::False) {
        const QString text = Forms::InfoGroupSizeText ? Forms::InfoGroupSizeText() : QString();
        const std::optional<Long> v = Numbers::toLong(Numbers::leadingValue(text));
        if (!v)
            return runtimeFailure(ErrorNumber::Overflow);
        n = *v;
        return std::nullopt;
    }
    Result<Store> store = Store::open(Global::databasePath());
    if (!store)
        return store.failure();
    Result<std::optional<StudyRow>> row = store.value().seekStudy(Global::CurrentRecord);
    store.value().close();
    if (!row)
        return row.failure();
    if (!row.value())
        return noCurrentRecord();
    return longFrom(row.value()->groupSize, n);
}

Step storeCoordinate(Long i, int axis, double value)
{
    if (!isLabelIndex(i))
        return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
    const std::optional<Integer> v = Numbers::toInteger(value);
    if (!v)
        return runtimeFailure(ErrorNumber::Overflow);
    Global::LabelPos[i][axis] = *v;
    return std::nullopt;
}

// Labels exist only up to 40: a larger group is reported once and placing stops,
// since every further label would fail the same way.
bool withinLabels(Trap& trap, Long i)
{
    if (i <= LabelSet::MaxIndex)
        return true;
    trap.step([] { return Step(runtimeFailure(ErrorNumber::SubscriptOutOfRange)); });
    return false;
}

bool countsAreKept()
{
    return Global::CriterionType == 3 && Global::CurrentCriterion == 2;
}

} // namespace

// ---------------------------------------------------------------------------------
// Shared steps

void SociogramState::clear()
{
    if (clearDrawing)
        clearDrawing();
}

void SociogramState::defaultPointer()
{
    if (setBusyPointer)
        setBusyPointer(false);
}

void SociogramState::busyPointer()
{
    if (setBusyPointer)
        setBusyPointer(true);
}

float SociogramState::labelWidth(Long i) const
{
    const SubjectLabel* l = isLabelIndex(i) ? labels.get(i) : nullptr;
    return l ? l->Width : labels.Template().Width;
}

float SociogramState::labelHeight(Long i) const
{
    const SubjectLabel* l = isLabelIndex(i) ? labels.get(i) : nullptr;
    return l ? l->Height : labels.Template().Height;
}

void SociogramState::placeLabel(Trap& trap, Long i, float left, float top)
{
    trap.step([&] { return storeCoordinate(i, 0, left); });
    trap.step([&] { return storeCoordinate(i, 1, top); });
    labels.move(i, left, top);
}

void SociogramState::placeAround(Trap& trap, Long i, float radius, float angle)
{
    // Angles run clockwise from twelve o'clock; y grows downwards.
    const auto x =
        static_cast<float>(static_cast<double>(W / 2) +
                           static_cast<double>(radius) * std::sin(static_cast<double>(angle)));
    const auto y =
        static_cast<float>(static_cast<double>(H / 2) -
                           static_cast<double>(radius) * std::cos(static_cast<double>(angle)));
    placeLabel(trap, i, x - labelWidth(i) / 2, y - labelHeight(i) / 2);
}

// ---------------------------------------------------------------------------------
// Layouts

void SociogramState::runLayout()
{
    switch (Global::SociogramType) {
    case 0:
        CircleDraw();
        break;
    case 1:
        RandomDraw();
        break;
    case 2:
        SquareDraw();
        break;
    case TargetType:
        TargetDraw();
        break;
    default:
        break;
    }
}

void SociogramState::CircleDraw()
{
    Trap trap(QStringLiteral("DrawForm:CircleDraw"));
    Long n = 0;
    trap.step([&] { return lookUpGroupSize(n); });
    clear();
    float step = 0;
    trap.step([&]() -> Step {
        if (n == 0)
            return runtimeFailure(ErrorNumber::DivisionByZero);
        step = static_cast<float>(2 * Pi / n);
        return std::nullopt;
    });
    float theta = 0;
    for (Long i = 1; i <= n; ++i) {
        if (!withinLabels(trap, i))
            break;
        trap.step([&] { return labels.load(i); });
        const float angle = theta;
        theta = theta + step; // accumulated, so that the last angle carries the sum's error
        placeAround(trap, i, static_cast<float>(CircleRadius), angle);
    }
    defaultPointer();
}

void SociogramState::SquareDraw()
{
    Trap trap(QStringLiteral("DrawForm:SquareDraw"));
    Long top = 1, right = 1, bottom = 1, left = 1;
    Long n = 0;
    trap.step([&] { return lookUpGroupSize(n); });
    clear();
    const Long k = n % 4 == 0 ? n / 4 : n / 4 + 1;
    float hs = 0, vs = 0;
    trap.step([&]() -> Step {
        if (k + 1 == 0)
            return runtimeFailure(ErrorNumber::DivisionByZero);
        hs = static_cast<float>(static_cast<double>(W * 4 / 5) / (k + 1));
        vs = static_cast<float>(static_cast<double>(H * 4 / 5) / (k + 1));
        return std::nullopt;
    });
    for (Long i = 1; i <= n; ++i) {
        if (!withinLabels(trap, i))
            break;
        trap.step([&] { return labels.load(i); });
        float x = 0, y = 0;
        switch (i % 4) {
        case 1:
            y = H / 10;
            x = static_cast<float>(static_cast<double>(W / 10) + static_cast<double>(hs) * top);
            ++top;
            break;
        case 2:
            y = static_cast<float>(static_cast<double>(H / 10) + static_cast<double>(vs) * right);
            x = W * 9 / 10 - labelWidth(i);
            ++right;
            break;
        case 3:
            y = H * 9 / 10 - labelHeight(i);
            x = static_cast<float>(static_cast<double>(W * 9 / 10) -
                                   static_cast<double>(hs) * bottom);
            ++bottom;
            break;
        default:
            y = static_cast<float>(static_cast<double>(H * 9 / 10) -
                                   static_cast<double>(vs) * left);
            x = W / 10;
            ++left;
            break;
        }
        placeLabel(trap, i, x, y);
    }
    defaultPointer();
}

bool SociogramState::collidesWithEarlier(Long i, float x, float y) const
{
    // Entry 0 stays (0, 0) and takes part, which keeps the top-left corner free.
    for (Long j = 0; j < i; ++j) {
        const float left = Global::LabelPos[j][0];
        const float top = Global::LabelPos[j][1];
        if (left - RandomSeparation < x && x < left + RandomSeparation &&
            top - RandomSeparation < y && y < top + RandomSeparation)
            return true;
    }
    return false;
}

void SociogramState::RandomDraw()
{
    Trap trap(QStringLiteral("DrawForm:RandomDraw"), {ErrorNumber::ObjectAlreadyLoaded});
    Long n = 0;
    trap.step([&] { return lookUpGroupSize(n); });
    clear();
    Layout::seedFromClock();
    for (Long i = 1; i <= n; ++i) {
        if (!withinLabels(trap, i))
            break;
        float x = 0, y = 0;
        long attempts = 0;
        bool free = false;
        while (!free && attempts < RandomAttemptLimit) {
            ++attempts;
            x = Layout::nextRandom() * (W - RandomSeparation);
            y = Layout::nextRandom() * (H - RandomSeparation);
            free = !collidesWithEarlier(i, x, y);
        }
        if (!free) {
            // On a real window the retries end quickly; only an area too small for the
            // labels gets here, and retrying for ever would hang the program.
            MsgBox(QStringLiteral("The Sociogram Window Is Too Small To Place All The Labels"),
                   Buttons::Ok, Icon::Exclamation);
            break;
        }
        trap.step([&] { return labels.load(i); });
        placeLabel(trap, i, x, y);
    }
    defaultPointer();
}

void SociogramState::countChoices(Trap& trap)
{
    Global::ChoicesReceived.fill(0);
    Global::MaxReceived = 0;
    ChoiceGrid& grid = DataGrid();
    const int lastRow = grid.Rows() - 1;
    const int lastCol = grid.Cols() - 1;
    // Every cell is compared with every subject; reading each text once keeps that
    // cheap. A text that is no number still fails each comparison, as it would.
    struct Cell {
        bool empty = true;
        std::optional<double> value;
    };
    std::vector<Cell> cells;
    for (int r2 = 2; r2 <= lastRow; ++r2) {
        for (int col = 1; col <= lastCol; ++col) {
            const QString text = grid.TextMatrix(r2, col);
            cells.push_back({text.isEmpty(), Numbers::wholeValue(text)});
        }
    }
    for (int r = 2; r <= lastRow; ++r) {
        Long s = 0;
        trap.step([&]() -> Step {
            const std::optional<Long> v =
                Numbers::toLong(Numbers::leadingValue(grid.TextMatrix(r, 0)));
            if (!v)
                return runtimeFailure(ErrorNumber::Overflow);
            s = *v;
            return std::nullopt;
        });
        Integer count = 0;
        for (const Cell& cell : cells) {
            if (cell.empty)
                continue;
            if (!cell.value) {
                trap.step([] { return Step(runtimeFailure(ErrorNumber::TypeMismatch)); });
                continue;
            }
            if (*cell.value != s)
                continue;
            ++count;
            trap.step([&]() -> Step {
                if (!isLabelIndex(s))
                    return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
                Global::ChoicesReceived[s] = count;
                return std::nullopt;
            });
            if (count > Global::MaxReceived)
                Global::MaxReceived = count;
        }
    }
    // The grid is left with the last cell read as its current cell.
    if (lastRow >= 2) {
        grid.setRow(lastRow);
        grid.setCol(lastCol >= 1 ? lastCol : 0);
    }
}

void SociogramState::TargetDraw()
{
    Trap trap(QStringLiteral("DrawForm:TargetDraw"));
    Global::RingMembers.fill(QString());
    clear();
    float k = 1.0f;
    if (!countsAreKept())
        countChoices(trap);
    const ChoiceGrid& grid = DataGrid();
    Long subjects = grid.Rows() - 2;
    if (subjects > LabelSet::MaxIndex) {
        trap.step([] { return Step(runtimeFailure(ErrorNumber::SubscriptOutOfRange)); });
        subjects = LabelSet::MaxIndex;
    }
    const Long maxReceived = Global::MaxReceived;
    for (Long c = maxReceived; c >= 0; --c) {
        for (Long s = 1; s <= subjects; ++s) {
            if (Global::ChoicesReceived[s] != c)
                continue;
            trap.step([&]() -> Step {
                if (c > Global::MaxSubjects)
                    return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
                Global::RingMembers[c] += twoDigits(s);
                return std::nullopt;
            });
        }
        const QString members = c <= Global::MaxSubjects ? Global::RingMembers[c] : QString();
        const Long m = static_cast<Long>(members.size() / 2);
        const float step = m != 0 ? static_cast<float>(2 * Pi / m) : 0.0f;
        float theta = 0;
        float radius = 0;
        trap.step([&]() -> Step {
            if (maxReceived + 1 == 0)
                return runtimeFailure(ErrorNumber::DivisionByZero);
            // An empty ring value still takes its ring slot, so a gap shows.
            const double unit = static_cast<double>(W / 2 - TargetMargin) / (maxReceived + 1);
            radius = static_cast<float>(unit * (static_cast<double>(k) - 0.5));
            return std::nullopt;
        });
        k = k + 1;
        const QString tag = singleText(radius);
        for (Long entry = 0; entry < m; ++entry) {
            const Long s = members.mid(entry * 2, 2).toInt();
            if (RingsOnly == Global::False)
                trap.step([&] { return labels.load(s); });
            trap.step([&]() -> Step {
                SubjectLabel* label = labels.get(s);
                if (!label)
                    return missingLabel(s);
                label->Tag = tag;
                return std::nullopt;
            });
            const float offset = c % 2 == 0 ? 0.0f : static_cast<float>(Pi / 4);
            if (RingsOnly == Global::False) {
                const float angle = theta + offset;
                theta = theta + step;
                placeAround(trap, s, radius, angle);
            }
        }
    }
    defaultPointer();
}

// ---------------------------------------------------------------------------------
// Ring snapping

void SociogramState::AlignSquare()
{
    const float cx = W / 2;
    const float cy = H / 2;
    SnapDx = std::fabs(DropX - cx);
    SnapDy = std::fabs(DropY - cy);
    const bool leftOfCentre = cx >= DropX;
    const bool aboveCentre = cy >= DropY;
    CalcRadius();
    SnapX = leftOfCentre ? cx - ScaledDx : cx + ScaledDx;
    SnapY = aboveCentre ? cy - ScaledDy : cy + ScaledDy;
}

void SociogramState::CalcRadius()
{
    // Each value is written only when its step succeeds; a failed step keeps the value
    // of the previous snap.
    const double dx = SnapDx;
    const double dy = SnapDy;
    Distance = static_cast<float>(std::sqrt(dx * dx + dy * dy));
    if (const SubjectLabel* label = isLabelIndex(DragIndex) ? labels.get(DragIndex) : nullptr) {
        const auto radius = static_cast<float>(Numbers::leadingValue(label->Tag));
        if (std::isfinite(radius))
            RingRadius = radius;
    }
    if (RingRadius != 0) {
        const float ratio = Distance / RingRadius;
        if (std::isfinite(ratio))
            Ratio = ratio;
    }
    if (Ratio != 0) {
        const float sx = SnapDx / Ratio;
        const float sy = SnapDy / Ratio;
        if (std::isfinite(sx))
            ScaledDx = sx;
        if (std::isfinite(sy))
            ScaledDy = sy;
    }
}

// ---------------------------------------------------------------------------------
// Dragging

void SociogramState::beginDrag(int subject, Single grabX, Single grabY)
{
    DragIndex = subject;
    GrabX = grabX;
    GrabY = grabY;
}

void SociogramState::recordDrop(float left, float top)
{
    // Row 0 is the template's and stays (0, 0); a position beyond 16 bits is left out.
    if (!isLabelIndex(DragIndex))
        return;
    if (const std::optional<Integer> x = Numbers::toInteger(left))
        Global::LabelPos[DragIndex][0] = *x;
    if (const std::optional<Integer> y = Numbers::toInteger(top))
        Global::LabelPos[DragIndex][1] = *y;
}

void SociogramState::dropOnBackground(Single x, Single y)
{
    float left = 0, top = 0;
    if (Global::SociogramType != TargetType) {
        left = x - GrabX;
        top = y - GrabY;
    } else {
        DropX = x;
        DropY = y;
        AlignSquare();
        left = SnapX - labelWidth(DragIndex) / 2;
        top = SnapY - labelHeight(DragIndex) / 2;
    }
    if (isLabelIndex(DragIndex))
        labels.move(DragIndex, left, top);
    recordDrop(left, top);
    PositionsSaved = Global::False;
    if (lineDraw)
        lineDraw();
}

// ---------------------------------------------------------------------------------
// Saved arrangements

bool SociogramState::restoreRow(Trap& trap, const PositionRow& row)
{
    Long i = 0;
    const bool valid = trap.step([&]() -> Step {
        Integer x = 0, y = 0;
        if (Step f = longFrom(row.label, i))
            return f;
        if (!isLabelIndex(i))
            return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
        if (Step f = integerFrom(row.x, x))
            return f;
        if (Step f = integerFrom(row.y, y))
            return f;
        Global::LabelPos[i] = {x, y};
        return std::nullopt;
    });
    if (!valid)
        return false;
    trap.step([&] { return labels.load(i); });
    labels.move(i, Global::LabelPos[i][0], Global::LabelPos[i][1]);
    return true;
}

void SociogramState::DoWork()
{
    PositionsSaved = Global::True;
    busyPointer();
    Trap trap(QStringLiteral("DrawForm:DoWork"), {ErrorNumber::ObjectAlreadyLoaded});
    std::vector<PositionRow> rows;
    // An arrangement that cannot be read is treated as none: the layout is computed.
    trap.step([&]() -> Step {
        Result<Store> store = Store::open(Global::databasePath());
        if (!store)
            return store.failure();
        Result<std::vector<PositionRow>> found = store.value().positions(
            Statements::selectPositions(Global::CurrentRecord, Global::SociogramType));
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
    if (Global::SociogramType == TargetType) {
        // The tags must give the current rings, wherever the labels stand.
        RingsOnly = Global::True;
        TargetDraw();
    }
    if (lineDraw)
        lineDraw();
    defaultPointer();
}

bool SociogramState::replaceArrangement(Trap& trap)
{
    // The old rows go only together with the new ones being in: any step passed over
    // after a failure leaves the stored arrangement as it was.
    return writeInOneTransaction(trap, [&](Store& store) {
        const Statement remove =
            Statements::deletePositions(Global::CurrentRecord, Global::SociogramType);
        if (!trap.step([&] { return store.execute(remove).failure(); }))
            return false;
        if (Global::CurrentRecord == 0)
            return true;
        const Long n = DataGrid().Rows() - 2;
        for (Long i = 1; i <= n; ++i) {
            const bool added = trap.step([&]() -> Step {
                if (!isLabelIndex(i))
                    return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
                return store
                    .appendPosition(Global::CurrentRecord, Global::SociogramType, i,
                                    Global::LabelPos[i][0], Global::LabelPos[i][1])
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
    busyPointer();
    Trap trap(QStringLiteral("DrawForm:SavePositions"));
    // Marked saved only when it was: otherwise Quit would not ask and the
    // arrangement would be lost.
    if (replaceArrangement(trap))
        PositionsSaved = Global::True;
    defaultPointer();
}

// ---------------------------------------------------------------------------------
// View commands

void SociogramState::DefaultDistribution()
{
    labels.unloadAll();
    RingsOnly = Global::False;
    runLayout();
    if (lineDraw)
        lineDraw();
    viewDefaultEnabled = false;
    viewSavedEnabled = true;
}

void SociogramState::SavedDistribution()
{
    labels.unloadAll();
    // Without this a Target arrangement that has gone from the file would be computed
    // with rings only, and no label would appear.
    RingsOnly = Global::False;
    DoWork();
    if (lineDraw)
        lineDraw();
    viewDefaultEnabled = true;
    viewSavedEnabled = false;
}
