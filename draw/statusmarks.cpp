#include "statusmarks.h"

#include "paint.h"
#include "status.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const QColor Liked(0, 158, 115); // bluish green: far from the labels' red in every vision
const QColor Rejected(0, 0, 0);
const QColor LeftOut(90, 90, 90);
const QColor Badge(230, 159, 0);

// Where a neighbour stands closer than a mark's full reach the mark is drawn smaller about its
// label, every gap and width alike, so that it never runs onto the neighbour; below this share
// of its size its rings would run together, and it keeps this size.
constexpr qreal SmallestMark = 0.6;

constexpr qreal InnerRing = 45; // gaps between the label and its outlines, twips
constexpr qreal OuterRing = 105;
constexpr qreal ThinWidth = 20;
constexpr qreal ThickWidth = 70;
constexpr qreal DashedWidth = 25;
constexpr qreal BadgeSide = 150;

Primitive outline(const QRectF& label, qreal gap, const QColor& colour, qreal width,
                  bool dashed = false)
{
    return rectanglePrimitive(label.adjusted(-gap, -gap, gap, gap), colour, {}, width, dashed);
}

// The mark drawn `scale` of its size.
PrimitiveList markPrimitives(const QRectF& label, Status mark, qreal scale)
{
    switch (mark) {
    case Status::None:
    case Status::Average:
    case Status::Unclassified:
        return {};
    case Status::Popular:
    case Status::MostChosen:
        return {outline(label, scale * InnerRing, Liked, scale * ThinWidth),
                outline(label, scale * OuterRing, Liked, scale * ThinWidth)};
    case Status::Rejected:
        return {outline(label, scale * (InnerRing + OuterRing) / 2, Rejected, scale * ThickWidth)};
    case Status::Neglected:
    case Status::Isolate:
        return {outline(label, scale * (InnerRing + OuterRing) / 2, LeftOut, scale * DashedWidth,
                        true)};
    case Status::RejectedIsolate:
        return {
            outline(label, scale * InnerRing, Rejected, scale * ThickWidth),
            outline(label, scale * (OuterRing + DashedWidth), LeftOut, scale * DashedWidth, true)};
    case Status::Controversial: {
        const qreal side = scale * BadgeSide;
        const QPointF corner = label.topRight() + QPointF(-side / 2, -side / 2);
        return {rectanglePrimitive(QRectF(corner, QSizeF(side, side)), Rejected, Badge)};
    }
    }
    return {};
}

} // namespace

PrimitiveList statusMarkPrimitives(const QRectF& label, Status mark, qreal reach)
{
    // Half a twip short is no reason to draw it smaller.
    const qreal full = statusMarkReach(mark);
    return markPrimitives(label, mark,
                          full > reach + 0.5 ? std::max(SmallestMark, reach / full) : 1.0);
}

qreal statusMarkReach(Status mark)
{
    const QRectF square(0, 0, 100, 100);
    qreal reach = 0;
    for (const Primitive& p : markPrimitives(square, mark, 1))
        reach = std::max({reach, -p.p1.x() + p.width / 2, -p.p1.y() + p.width / 2,
                          p.p2.x() - 100 + p.width / 2});
    return reach;
}

qreal leastMarkReach(qreal full)
{
    return SmallestMark * full;
}

std::vector<qreal> fittedMarkReach(const std::vector<QRectF>& squares,
                                   const std::vector<Status>& marks)
{
    const std::size_t n = std::min(squares.size(), marks.size());
    std::vector<qreal> full(n, 0), reach(n, 0);
    for (std::size_t i = 1; i < n; ++i)
        full[i] = squares[i].isNull() ? 0 : statusMarkReach(marks[i]);
    for (std::size_t i = 1; i < n; ++i) {
        if (full[i] <= 0)
            continue;
        qreal room = Unfitted;
        for (std::size_t j = 1; j < squares.size(); ++j) {
            const QRectF &a = squares[i], &b = squares[j];
            if (i == j || b.isNull())
                continue;
            // A mark reaching r meets b once its square grown by r overlaps b both ways.
            const qreal gap = std::max({b.left() - a.right(), a.left() - b.right(),
                                        b.top() - a.bottom(), a.top() - b.bottom(), 0.0});
            qreal clear = gap - MarkClearance;
            // Two marks that can both be drawn apart share the room by their sizes; where
            // they cannot, each at least keeps off the other's square.
            const qreal other = j < n ? full[j] : 0;
            if (other > 0 && clear >= SmallestMark * (full[i] + other))
                clear *= full[i] / (full[i] + other);
            room = std::min(room, clear);
        }
        reach[i] = std::min(full[i], std::max(SmallestMark * full[i], room));
    }
    return reach;
}
