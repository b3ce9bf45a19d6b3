// "&Tidy Labels": the labels of the layout in view rearranged so that the picture
// reads, keeping the layout's idea. Like a drag, it only moves labels: the lines are
// drawn again and the arrangement is stored when the user saves it.

#include "layoutsteps.h"

#include "choicegrid.h"
#include "linesteps.h"
#include "numbers.h"
#include "primitives.h"
#include "statusmarks.h"
#include "tidy.h"
#include "viewoptions.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using Global::Long;

namespace {

std::vector<QPointF> asPoints(const std::vector<Layout::Place>& places)
{
    std::vector<QPointF> points(1); // index 0 is the template's
    for (const Layout::Place& p : places)
        points.emplace_back(p.left, p.top);
    return points;
}

std::vector<QPointF> shifted(std::vector<QPointF> points, QPointF by)
{
    for (std::size_t s = 1; s < points.size(); ++s)
        points[s] += by;
    return points;
}

} // namespace

std::vector<QPointF> LayoutSteps::roomForMarks(const std::vector<QPointF>& tidied, int n,
                                               bool square, QSizeF side, QSizeF radius,
                                               double& grown) const
{
    // The order Tidy found, round from where the frame's slots begin (twelve o'clock, or the
    // Square's top-left corner), spaced again for the marks.
    const QPointF centre(W / 2 - side.width() / 2, H / 2 - side.height() / 2);
    const double first = square ? std::atan2(-radius.width(), radius.height()) : 0.0;
    std::vector<int> order;
    for (int s = 1; s <= n && s < int(tidied.size()); ++s)
        order.push_back(s);
    const auto angle = [&](int s) {
        const QPointF d = tidied[std::size_t(s)] - centre;
        const double a = std::remainder(std::atan2(d.x(), -d.y()) - first, 2 * std::numbers::pi);
        return a < -1e-6 ? a + 2 * std::numbers::pi : a;
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return angle(a) < angle(b); });
    std::vector<double> room(std::size_t(order.size()) + 1, 0);
    for (std::size_t k = 0; k < order.size(); ++k)
        if (std::size_t(order[k]) < markRoom.size())
            room[k + 1] = markRoom[std::size_t(order[k])];
    const std::vector<QPointF> slots =
        Layout::frameSlots(square, int(order.size()), QSizeF(W, H), side, radius, &grown, room);
    std::vector<QPointF> spaced = tidied;
    for (std::size_t k = 0; k < order.size(); ++k)
        spaced[std::size_t(order[k])] = slots[k + 1];
    return spaced;
}

std::vector<Choice> LayoutSteps::tidyChoices(Trap& trap)
{
    if (!shownTies.empty())
        return shownTies;
    std::vector<Choice> choices;
    forEachChoice(
        trap, DataGrid(),
        [&](const Choice& c) -> std::optional<Failure> {
            choices.push_back(c);
            return std::nullopt;
        },
        view.otherCriterion());
    return choices;
}

// The Circle and the Square tidied on their slots. The frame they grew is kept as their
// one moved ring so that the guide follows the labels (and Undo takes it back with them).
std::vector<QPointF> LayoutSteps::tidiedOnFrame(int n, const std::vector<Choice>& choices,
                                                QSizeF label)
{
    // With lines round labels the labels stand on the frame, spaced to clear each other.
    const bool square = Global::SociogramType == Codes::SociogramType::Square;
    const QSizeF side(labelSize().width, labelSize().height);
    // The Square's labels stand inside its guide, their centres half a side in.
    const QSizeF radius =
        square ? QSizeF(Codes::Geometry::squareFrameHalf(W) - side.width() / 2,
                        Codes::Geometry::squareFrameHalf(H) - side.height() / 2)
               : QSizeF(Codes::Geometry::CircleRadius, Codes::Geometry::CircleRadius);
    double grown = 1;
    std::vector<QPointF> slots, tidied;
    if (view.linesRound())
        slots = Layout::frameSlots(square, n, QSizeF(W, H), side, radius, &grown);
    else if (!square)
        slots = asPoints(Layout::circlePlaces(n, area(), labelSize()));
    else if (const auto spacing = Layout::squareSpacing(n, area()))
        slots = asPoints(Layout::squarePlaces(n, area(), labelSize(), *spacing));
    if (!slots.empty()) {
        double frame = 1;
        const std::vector<int> groupOf(view.groups().begin(), view.groups().end());
        tidied = Layout::tidyOnSlots(slots, n, choices, QSizeF(W, H), label, &frame,
                                     view.linesRound(), groupOf);
        grown *= frame;
        if (view.linesRound() && !markRoom.empty())
            tidied = roomForMarks(tidied, n, square, side, radius, grown);
    }
    const auto designed = static_cast<float>(radius.width());
    tidiedRings.rings = {{designed, static_cast<float>(designed * grown)}};
    return tidied;
}

// Each label keeps the ring snapping uses: the radius in its tag.
std::vector<QPointF> LayoutSteps::tidiedOnRings(int n, const std::vector<QPointF>& current,
                                                const std::vector<Choice>& choices, QSizeF label,
                                                QSizeF area)
{
    std::vector<float> radius(std::size_t(n) + 1, 0.0f);
    for (int s = 1; s <= n; ++s)
        if (const SubjectLabel* l = labels.get(s))
            radius[std::size_t(s)] = float(Numbers::leadingValue(l->Tag));
    const std::vector<int> groupOf(view.groups().begin(), view.groups().end());
    tidiedRings = Layout::tidyOnRings(radius, current, n, choices, area, label, groupOf);
    return std::move(tidiedRings.leftTop);
}

// The Target and the Random layout. A status mark takes room round its label as a name does
// under it: two labels clear each other's marks once their boxes, grown by half the widest
// mark shown, no longer meet, and the area Tidy fills shrinks by the other half, so that no
// mark leaves it. (On the frame the slots leave that room.) Tidy works in that inner area.
std::vector<QPointF> LayoutSteps::tidiedApart(int n, const std::vector<QPointF>& current,
                                              const std::vector<Choice>& choices, QSizeF label)
{
    const double reach =
        markRoom.empty() ? 0.0 : *std::max_element(markRoom.begin(), markRoom.end());
    const QPointF half(reach / 2, reach / 2);
    const QSizeF box = label + QSizeF(reach, reach), inner(W - reach, H - reach);
    const std::vector<QPointF> boxes = shifted(current, -2 * half);
    const bool target = Global::SociogramType == Codes::SociogramType::Target;
    const std::vector<int> groupOf(view.groups().begin(), view.groups().end());
    const std::vector<QPointF> tidied =
        target ? tidiedOnRings(n, boxes, choices, box, inner)
               : Layout::tidyFree(boxes, n, choices, inner, box, groupOf);
    // Then the lines that found no gap to bend through get one, the labels in the inner area,
    // and a label whose mark, drawn at its smallest, would still meet a neighbour or its mark
    // steps aside.
    const QSizeF side(labelSize().width, labelSize().height);
    std::vector<double> least;
    for (double full : markRoom)
        least.push_back(leastMarkReach(full));
    return shifted(Layout::roomToBend(shifted(tidied, half), choices, inner, side,
                                      {box, -half, least, MarkClearance}, target),
                   half);
}

void LayoutSteps::placeTidied(const std::vector<QPointF>& tidied, int n)
{
    for (int s = 1; s <= n && s < int(tidied.size()); ++s) {
        if (!labels.exists(s))
            continue;
        // A place beyond what the study file holds leaves the label where it was.
        const QPointF p = tidied[std::size_t(s)];
        if (Numbers::toInteger(p.x()) && Numbers::toInteger(p.y()))
            arrangement.placeLabel(s, float(p.x()), float(p.y()));
    }
}

void LayoutSteps::TidyLabels(bool namesGiven)
{
    Trap trap(QStringLiteral("DrawForm:TidyLabels"));
    Q_EMIT busyChanged(true);
    const int n = labels.highestIndex();
    const std::vector<Choice> choices = tidyChoices(trap);
    QSizeF label(labelSize().width, labelSize().height);
    // A name under its label takes room too: tidied as one taller box, no label is
    // placed where a name would cover it.
    if (view.showNames() && namesGiven)
        label.rheight() += DrawSize::NameGap + DrawSize::NameHeight;
    std::vector<QPointF> current(std::size_t(n) + 1);
    for (int s = 1; s <= n; ++s)
        if (const SubjectLabel* l = labels.get(s))
            current[std::size_t(s)] = QPointF(l->Left, l->Top);

    std::vector<QPointF> tidied;
    switch (Global::SociogramType) {
    case Codes::SociogramType::Circle:
    case Codes::SociogramType::Square:
        tidied = tidiedOnFrame(n, choices, label);
        break;
    case Codes::SociogramType::Target:
    case Codes::SociogramType::Random:
        tidied = tidiedApart(n, current, choices, label);
        break;
    default:
        break;
    }
    placeTidied(tidied, n);
    arrangement.setPositionsSaved(Global::False);
    Q_EMIT labelsMoved();
    Q_EMIT busyChanged(false);
}
