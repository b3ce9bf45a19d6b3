// The four layouts as steps of the sociogram window: each reads the group (the study
// window's box, the stored header or the grid), asks the geometry where the labels
// go, and creates, places and records them under its procedure's label. A label the
// user drags is placed here too, snapped to its ring in the Target layout.

#include "layoutsteps.h"

#include "choicegrid.h"
#include "fieldvalue.h"
#include "messages.h"
#include "numbers.h"
#include "randomsource.h"
#include "store.h"

#include <QCoreApplication>
#include <charconv>

using Global::Integer;
using Global::Long;

namespace {

using Step = std::optional<Failure>;

Failure missingLabel(Long i)
{
    return {Codes::ErrorNumber::MissingLabel,
            QCoreApplication::translate("ErrorReport", "Control array element '%1' doesn't exist.")
                .arg(i)};
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

// Labels exist only up to 40: a larger group is reported once and placing stops,
// since every further label would fail the same way.
bool withinLabels(Trap& trap, Long i)
{
    if (i <= LabelSet::MaxIndex)
        return true;
    trap.step([] { return Step(runtimeFailure(ErrorNumber::SubscriptOutOfRange)); });
    return false;
}

// With the negative criterion of a Both study in view, the Target keeps counting the
// positive choices it counted last.
bool countsAreKept()
{
    return Global::CriterionType == Codes::CriterionType::Both &&
           Global::CurrentCriterion == Codes::AnswerType::Negative;
}

// Every cell is compared with every subject; reading each text once keeps that
// cheap. A text that is no number still fails each comparison, as it would.
struct ReadCell {
    bool empty = true;
    std::optional<double> value;
};

std::vector<ReadCell> readCells(const ChoiceGrid& grid)
{
    std::vector<ReadCell> cells;
    for (int r = ChoiceGrid::FixedRows; r < grid.Rows(); ++r)
        for (int col = 1; col < grid.Cols(); ++col) {
            const QString text = grid.TextMatrix(r, col);
            cells.push_back({text.isEmpty(), Numbers::wholeValue(text)});
        }
    return cells;
}

// The subject number in row r's first column (0 when it reads as none).
Long rowSubject(Trap& trap, const ChoiceGrid& grid, int r)
{
    Long s = 0;
    trap.step([&]() -> Step {
        const std::optional<Long> v = Numbers::toLong(Numbers::leadingValue(grid.TextMatrix(r, 0)));
        if (!v)
            return runtimeFailure(ErrorNumber::Overflow);
        s = *v;
        return std::nullopt;
    });
    return s;
}

// Counts the cells that name s into ChoicesReceived and MaxReceived, reporting each
// cell that is no number.
void countReceived(Trap& trap, const std::vector<ReadCell>& cells, Long s)
{
    Integer count = 0;
    for (const ReadCell& cell : cells) {
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
            if (!LabelSet::isIndex(s))
                return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
            Global::ChoicesReceived[static_cast<std::size_t>(s)] = count;
            return std::nullopt;
        });
        if (count > Global::MaxReceived)
            Global::MaxReceived = count;
    }
}

} // namespace

LayoutSteps::LayoutSteps(Arrangement& arrangement, const ViewOptions& view)
    : arrangement(arrangement), labels(arrangement.labels()), view(view)
{
    // Widened rings last until the labels are laid out again.
    connect(this, &LayoutSteps::layoutStarted, this, [this] { tidiedRings = {}; });
}

Layout::LabelSize LayoutSteps::labelSize() const
{
    return {labels.Template().Width, labels.Template().Height};
}

void LayoutSteps::placeLabel(Trap& trap, Long i, Layout::Place place)
{
    for (const Step& failed : arrangement.placeLabel(i, place.left, place.top))
        trap.step([&] { return failed; });
}

// N of the Circle, Random and Square layouts: the study window's box for a study
// being set up, otherwise the stored header.
bool LayoutSteps::lookUpGroupSize(Trap& trap, Long& n)
{
    return trap.step([&]() -> Step {
        if (Global::NewProject != Global::False) {
            const std::optional<Long> v = Numbers::toLong(Numbers::leadingValue(newStudyGroupSize));
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
            return Failure{Codes::ErrorNumber::NoCurrentRecord,
                           QCoreApplication::translate("ErrorReport", "No current record.")};
        return FieldValue::wholeLong(row.value()->groupSize, n);
    });
}

void LayoutSteps::runLayout()
{
    switch (Global::SociogramType) {
    case Codes::SociogramType::Circle:
        CircleDraw();
        break;
    case Codes::SociogramType::Random:
        RandomDraw();
        break;
    case Codes::SociogramType::Square:
        SquareDraw();
        break;
    case Codes::SociogramType::Target:
        TargetDraw();
        break;
    default:
        break;
    }
}

void LayoutSteps::CircleDraw()
{
    Trap trap(QStringLiteral("DrawForm:CircleDraw"));
    Long n = 0;
    lookUpGroupSize(trap, n);
    Q_EMIT layoutStarted();
    if (n == 0)
        trap.step([] { return Step(runtimeFailure(ErrorNumber::DivisionByZero)); });
    const std::vector<Layout::Place> places = Layout::circlePlaces(n, area(), labelSize());
    placeInOrder(trap, places);
    Q_EMIT busyChanged(false);
}

// Circle and Square: label i goes to place i, loaded first where it is not yet.
void LayoutSteps::placeInOrder(Trap& trap, const std::vector<Layout::Place>& places)
{
    for (Long i = 1; i <= static_cast<Long>(places.size()); ++i) {
        if (!withinLabels(trap, i))
            break;
        trap.step([&] { return labels.load(i); });
        placeLabel(trap, i, places[static_cast<std::size_t>(i - 1)]);
    }
}

void LayoutSteps::SquareDraw()
{
    Trap trap(QStringLiteral("DrawForm:SquareDraw"));
    Long n = 0;
    lookUpGroupSize(trap, n);
    Q_EMIT layoutStarted();
    const std::optional<Layout::SquareSpacing> spacing = Layout::squareSpacing(n, area());
    if (!spacing)
        trap.step([] { return Step(runtimeFailure(ErrorNumber::DivisionByZero)); });
    const std::vector<Layout::Place> places =
        Layout::squarePlaces(n, area(), labelSize(), spacing.value_or(Layout::SquareSpacing{}));
    placeInOrder(trap, places);
    Q_EMIT busyChanged(false);
}

void LayoutSteps::RandomDraw()
{
    Trap trap(QStringLiteral("DrawForm:RandomDraw"), {ErrorNumber::ObjectAlreadyLoaded});
    Long n = 0;
    lookUpGroupSize(trap, n);
    Q_EMIT layoutStarted();
    Layout::seedFromClock();
    for (Long i = 1; i <= n; ++i) {
        if (!withinLabels(trap, i))
            break;
        const std::optional<Layout::Place> place =
            Layout::randomPlace(Layout::nextRandom, Global::LabelPos, i, area());
        if (!place) {
            // On a real window the retries end quickly; only an area too small for the
            // labels gets here, and retrying for ever would hang the program.
            MsgBox(QCoreApplication::translate(
                       "Messages", "The Sociogram Window Is Too Small To Place All The Labels"),
                   Buttons::Ok, Icon::Exclamation);
            break;
        }
        trap.step([&] { return labels.load(i); });
        placeLabel(trap, i, *place);
    }
    Q_EMIT busyChanged(false);
}

void LayoutSteps::countChoices(Trap& trap)
{
    Global::ChoicesReceived.fill(0);
    Global::MaxReceived = 0;
    ChoiceGrid& grid = DataGrid();
    const int lastRow = grid.Rows() - 1;
    const int lastCol = grid.Cols() - 1;
    const std::vector<ReadCell> cells = readCells(grid);
    for (int r = ChoiceGrid::FixedRows; r <= lastRow; ++r)
        countReceived(trap, cells, rowSubject(trap, grid, r));
    // The grid is left with the last cell read as its current cell.
    if (lastRow >= ChoiceGrid::FixedRows) {
        grid.setRow(lastRow);
        grid.setCol(lastCol >= 1 ? lastCol : 0);
    }
}

void LayoutSteps::TargetDraw()
{
    Trap trap(QStringLiteral("DrawForm:TargetDraw"));
    Global::RingMembers.fill(QString());
    Q_EMIT layoutStarted();
    if (!countsAreKept())
        countChoices(trap);
    Long subjects = DataGrid().Rows() - ChoiceGrid::FixedRows;
    if (subjects > LabelSet::MaxIndex) {
        trap.step([] { return Step(runtimeFailure(ErrorNumber::SubscriptOutOfRange)); });
        subjects = LabelSet::MaxIndex;
    }
    const std::vector<long> received(Global::ChoicesReceived.begin(),
                                     Global::ChoicesReceived.end());
    const std::optional<std::vector<Layout::Ring>> rings =
        Layout::targetRings(received, subjects, Global::MaxReceived, area(), labelSize());
    if (!rings) {
        trap.step([] { return Step(runtimeFailure(ErrorNumber::DivisionByZero)); });
        Q_EMIT busyChanged(false);
        return;
    }
    for (const Layout::Ring& ring : *rings) {
        // The ring of a count beyond the table holds nobody: each member is reported.
        const bool kept = ring.received <= Global::MaxSubjects;
        for (long s : ring.members)
            trap.step([&]() -> Step {
                if (!kept)
                    return runtimeFailure(ErrorNumber::SubscriptOutOfRange);
                Global::RingMembers[static_cast<std::size_t>(ring.received)] += twoDigits(s);
                return std::nullopt;
            });
        if (!kept)
            continue;
        const QString tag = singleText(ring.radius);
        for (std::size_t entry = 0; entry < ring.members.size(); ++entry) {
            const Long s = ring.members[entry];
            if (!RingsOnly)
                trap.step([&] { return labels.load(s); });
            trap.step([&]() -> Step {
                if (!labels.setTag(s, tag))
                    return missingLabel(s);
                return std::nullopt;
            });
            if (!RingsOnly)
                placeLabel(trap, s, ring.places[entry]);
        }
    }
    Q_EMIT busyChanged(false);
}

// ---------------------------------------------------------------------------------
// Dragging

void LayoutSteps::beginDrag(int subject, QPointF grab)
{
    DragIndex = subject;
    GrabX = Global::Single(grab.x());
    GrabY = Global::Single(grab.y());
}

void LayoutSteps::AlignSquare()
{
    std::optional<float> tagRadius;
    if (const SubjectLabel* label = LabelSet::isIndex(DragIndex) ? labels.get(DragIndex) : nullptr)
        tagRadius = tidiedRings.usedRadius(static_cast<float>(Numbers::leadingValue(label->Tag)));
    Layout::alignSquare(snap, DropX, DropY, area(), tagRadius);
}

void LayoutSteps::dropLabel(int subject, QPointF at)
{
    DragIndex = subject;
    const Global::Single x = Global::Single(at.x()), y = Global::Single(at.y());
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
    // Row 0 is the template's and stays (0, 0); a position beyond 16 bits is left out.
    arrangement.placeLabel(DragIndex, left, top);
    arrangement.setPositionsSaved(Global::False);
    Q_EMIT labelsMoved();
}
