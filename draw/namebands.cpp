#include "namebands.h"

#include "codes.h"
#include "keydrawing.h"
#include "paint.h"

#include <QFontMetricsF>
#include <QImage>
#include <algorithm>
#include <array>
#include <cmath>

namespace {

using DrawSize::NameGap;
using DrawSize::NameHeight;

// Below first, as Tidy keeps room there; then above; then beside, on the side away from
// the picture's middle first, where a name crosses fewer lines. Where none of those holds the
// whole name (labels side by side leave a name no more than a label's width across), it may
// hang down from its label or stand up over it, turned a quarter.
enum class Side { Below, Above, Right, Left, Down, Up, None };

bool upright(Side side)
{
    return side == Side::Down || side == Side::Up;
}

// A band's rows and the point it grows from: centred on it under or over the label, or
// starting at it beside the label. `before` and `after` are what the whole name wants on
// either side of the anchor. A name turned upright has columns for rows and grows down or
// up from its anchor: everything about it is measured with x and y swapped.
struct Reach {
    qreal top = 0, bottom = 0, anchor = 0, before = 0, after = 0;
};

QRectF swapped(const QRectF& r)
{
    return {r.top(), r.left(), r.height(), r.width()};
}

// The most a band may take: the whole name's extent, in the picture's own axes.
QRectF widest(const Reach& r, bool turned)
{
    const QRectF across(r.anchor - r.before, r.top, r.before + r.after, r.bottom - r.top);
    return turned ? swapped(across) : across;
}

// A name keeps its gap from the label's status mark, where it has one.
Reach reachOf(const NameSpot& spot, Side side, qreal need)
{
    const QRectF& label = spot.label;
    const qreal gap = NameGap + spot.reach;
    const qreal middle = label.center().y() - NameHeight / 2;
    switch (side) {
    case Side::Below:
        return {label.bottom() + gap, label.bottom() + gap + NameHeight, label.center().x(),
                need / 2, need / 2};
    case Side::Above:
        return {label.top() - gap - NameHeight, label.top() - gap, label.center().x(), need / 2,
                need / 2};
    case Side::Right:
        return {middle, middle + NameHeight, label.right() + gap, 0, need};
    case Side::Left:
        return {middle, middle + NameHeight, label.left() - gap, need, 0};
    case Side::Down: // columns about the label's middle, growing down from under it
    case Side::Up: {
        const qreal centre = label.center().x() - NameHeight / 2;
        return {centre, centre + NameHeight,
                side == Side::Down ? label.bottom() + gap : label.top() - gap,
                side == Side::Down ? 0 : need, side == Side::Down ? need : 0};
    }
    case Side::None:
        break;
    }
    return {};
}

bool rowsMeet(qreal top1, qreal bottom1, qreal top2, qreal bottom2)
{
    return top1 < bottom2 && top2 < bottom1;
}

// Where two names in the same rows part, the first anchored left of the second: each gets
// what it wants when both fit, otherwise at least half the gap unless it wants less. Both
// names work it out alike, so their bands can only touch.
qreal parting(const Reach& left, const Reach& right)
{
    const qreal gap = right.anchor - left.anchor;
    return left.anchor + std::min(left.after, std::max(gap / 2, gap - right.before));
}

// A label with its status mark: what no name may meet.
QRectF markedSquare(const NameSpot& spot)
{
    return spot.label.adjusted(-spot.reach, -spot.reach, spot.reach, spot.reach);
}

qreal distanceTo(QPointF from, const QRectF& square)
{
    const qreal dx = std::max({0.0, square.left() - from.x(), from.x() - square.right()});
    const qreal dy = std::max({0.0, square.top() - from.y(), from.y() - square.bottom()});
    return std::hypot(dx, dy);
}

// A name is read as belonging to the label nearest where it starts, the point of its band
// nearest its own label's middle: no other label may be as near as its own.
bool readsAsOwn(const QRectF& band, std::size_t own, const std::vector<NameSpot>& spots)
{
    const QPointF middle = spots[own].label.center();
    const QPointF start(std::clamp(middle.x(), band.left(), band.right()),
                        std::clamp(middle.y(), band.top(), band.bottom()));
    const qreal mine = distanceTo(start, spots[own].label);
    for (std::size_t j = 0; j < spots.size(); ++j)
        if (j != own && distanceTo(start, spots[j].label) <= mine)
            return false;
    return true;
}

struct Placer {
    const std::vector<NameSpot>& spots;
    QSizeF area;
    bool inward = false;
    std::vector<Side> sides;
    std::vector<qreal> needs;

    // The band of spot i on `side`, the other spots on theirs; empty when there is no room.
    // An upright band is worked out in swapped axes, so that one walk serves both; two names
    // turned alike part as names in the same rows do.
    QRectF band(std::size_t i, Side side) const
    {
        const qreal need = needs[i];
        const Reach r = reachOf(spots[i], side, need);
        const bool turned = upright(side);
        const QSizeF room = turned ? area.transposed() : area;
        const auto inAxes = [&](const QRectF& rect) { return turned ? swapped(rect) : rect; };
        if (side == Side::None || r.top < 0 || r.bottom > room.height())
            return {};
        qreal from = side == Side::Right || side == Side::Down ? r.anchor : 0;
        qreal to = side == Side::Left || side == Side::Up ? r.anchor : room.width();
        const auto keepOut = [&](const QRectF& square) {
            if (!rowsMeet(r.top, r.bottom, square.top(), square.bottom()))
                return true;
            if (square.right() <= r.anchor)
                from = std::max(from, square.right());
            else if (square.left() >= r.anchor)
                to = std::min(to, square.left());
            else
                return false;
            return true;
        };
        for (const NameSpot& other : spots)
            if (!keepOut(inAxes(markedSquare(other))))
                return {};
        for (std::size_t j = 0; j < spots.size(); ++j) {
            if (j == i || sides[j] == Side::None)
                continue;
            const Reach o = reachOf(spots[j], sides[j], needs[j]);
            if (upright(sides[j]) != turned) {
                if (const QRectF taken = takenAcross(j, o, turned);
                    !taken.isEmpty() && !keepOut(inAxes(taken)))
                    return {};
                continue;
            }
            if (!rowsMeet(r.top, r.bottom, o.top, o.bottom))
                continue;
            if (o.anchor > r.anchor || (o.anchor == r.anchor && j > i))
                to = std::min(to, parting(r, o));
            else
                from = std::max(from, parting(o, r));
        }
        const qreal width = std::min(need, to - from);
        if (width < std::min(need, DrawSize::NameMinWidth))
            return {};
        const qreal start = need > 0 ? r.anchor - width * r.before / need : r.anchor;
        const qreal left = std::clamp(start, from, to - width);
        const QRectF placed = inAxes(QRectF(left, r.top, width, NameHeight));
        return readsAsOwn(placed, i, spots) ? placed : QRectF();
    }

    // What spot j, turned the other way from the band being placed, keeps for itself. A level
    // name keeps out of all an upright one may take; an upright name then takes what the
    // level names leave, so neither can meet the other. (The upright band works out its
    // level neighbours' bands: the cost grows with the cube of the labels, which at the
    // forty a study holds stays within a few milliseconds.)
    QRectF takenAcross(std::size_t j, const Reach& o, bool turned) const
    {
        return turned ? band(j, sides[j]) : widest(o, true);
    }

    // How much of spot i's name `side` shows.
    qreal shown(std::size_t i, Side side) const
    {
        const QRectF b = band(i, side);
        return upright(side) ? b.height() : b.width();
    }

    std::array<Side, 4> preference(std::size_t i) const
    {
        const QPointF toMiddle =
            QPointF(area.width() / 2, area.height() / 2) - spots[i].label.center();
        if (inward) {
            // Outside the frame run the lines round labels: the side facing the middle first,
            // the outer side last.
            const Side down = toMiddle.y() > 0 ? Side::Below : Side::Above;
            const Side up = down == Side::Below ? Side::Above : Side::Below;
            const Side across = toMiddle.x() > 0 ? Side::Right : Side::Left;
            const Side back = across == Side::Right ? Side::Left : Side::Right;
            if (std::abs(toMiddle.y()) >= std::abs(toMiddle.x()))
                return {down, across, back, up};
            return {across, down, up, back};
        }
        if (toMiddle.x() > 0)
            return {Side::Below, Side::Above, Side::Left, Side::Right};
        return {Side::Below, Side::Above, Side::Right, Side::Left};
    }

    // The whole name on the first side that holds it, else the side that shows most, unless
    // a side preferred shows nearly as much. On a frame a name goes outside, over the lines
    // there, only where no other side has room for it.
    Side bestSide(std::size_t i) const
    {
        Side best = Side::None;
        qreal most = 0;
        const std::array<Side, 4> sides = preference(i);
        // Whether `side` holds the whole name; the side that shows most is kept meanwhile.
        const auto holdsWhole = [&](Side side) {
            const qreal width = shown(i, side);
            if (width > most * 1.25) {
                most = width;
                best = side;
            }
            return width >= needs[i];
        };
        for (Side side : sides) {
            if (inward && side == sides.back() && best != Side::None)
                break;
            if (holdsWhole(side))
                return side;
        }
        // Upright: towards the middle first, and on a frame only that way.
        const Side towardsMiddle =
            spots[i].label.center().y() < area.height() / 2 ? Side::Down : Side::Up;
        const Side awayFromMiddle = towardsMiddle == Side::Down ? Side::Up : Side::Down;
        if (holdsWhole(towardsMiddle))
            return towardsMiddle;
        if (!inward && holdsWhole(awayFromMiddle))
            return awayFromMiddle;
        return best;
    }
};

// Glyphs are hinted a little wider on a screen than on the image they are measured on; a
// pixel at each end leaves room for the name's pale ground.
constexpr qreal WidthSlack = 1.06;
constexpr qreal GroundMargin = 30;

} // namespace

namespace {

// Each spot's band with the side it stands on.
std::vector<std::pair<QRectF, Side>> placeNames(const std::vector<NameSpot>& spots, QSizeF area,
                                                bool inward)
{
    Placer placer{spots, area, inward, {}, {}};
    for (std::size_t i = 0; i < spots.size(); ++i) {
        placer.needs.push_back(std::min(spots[i].width, DrawSize::NameWidth));
        placer.sides.push_back(placer.preference(i).front());
    }
    // A name moved elsewhere frees room for its neighbours, which may then stay below:
    // a few rounds settle nearly every picture, and any sides left give bands that never meet.
    for (int round = 0; round < 4; ++round) {
        bool changed = false;
        for (std::size_t i = 0; i < spots.size(); ++i) {
            const Side side = placer.bestSide(i);
            changed |= side != placer.sides[i];
            placer.sides[i] = side;
        }
        if (!changed)
            break;
    }
    std::vector<std::pair<QRectF, Side>> placed;
    for (std::size_t i = 0; i < spots.size(); ++i)
        placed.emplace_back(placer.band(i, placer.sides[i]), placer.sides[i]);
    return placed;
}

} // namespace

std::vector<QRectF> nameBands(const std::vector<NameSpot>& spots, QSizeF area, bool inward)
{
    std::vector<QRectF> bands;
    for (const auto& [band, side] : placeNames(spots, area, inward))
        bands.push_back(band);
    return bands;
}

qreal nameWidth(const QString& name)
{
    const QFontMetricsF metrics(nameFont(sociogramLabelFont()), &twipsMeasure());
    return metrics.horizontalAdvance(name) * WidthSlack + GroundMargin;
}

PrimitiveList placedNames(const std::vector<NameSpot>& spots, QSizeF area, bool inward)
{
    PrimitiveList list;
    const std::vector<std::pair<QRectF, Side>> placed = placeNames(spots, area, inward);
    for (std::size_t i = 0; i < spots.size(); ++i) {
        const auto& [band, side] = placed[i];
        if (band.isEmpty())
            continue;
        list.push_back(namePrimitive(band, spots[i].name));
        if (upright(side))
            list.back().turn =
                side == Side::Down ? Primitive::Turn::ReadingDown : Primitive::Turn::ReadingUp;
    }
    return list;
}
