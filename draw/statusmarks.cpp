#include "statusmarks.h"

#include "paint.h"
#include "status.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

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

// How far the mark reaches out of its square on each side at its full size: left, up,
// right, down. The outlines reach alike all round; the badge only up and to the right.
std::array<qreal, 4> markExtent(Status mark)
{
    const QRectF square(0, 0, 100, 100);
    std::array<qreal, 4> extent{};
    for (const Primitive& p : markPrimitives(square, mark, 1)) {
        const qreal w = p.width / 2;
        extent = {std::max(extent[0], -p.p1.x() + w), std::max(extent[1], -p.p1.y() + w),
                  std::max(extent[2], p.p2.x() - 100 + w), std::max(extent[3], p.p2.y() - 100 + w)};
    }
    return extent;
}

// The share of its size mark i (reaching `mine` on each side, left, up, right, down) may be
// drawn at beside square b, the gaps to b on each side `gap`, b's own mark reaching `theirs`.
// A mark meets b only where it reaches past the gap on every side. Two marks that can both
// be drawn apart take one share of their sizes; where they cannot, each at least keeps off
// the other's square.
qreal shareBeside(const std::array<qreal, 4>& mine, const std::array<qreal, 4>& theirs,
                  const std::array<qreal, 4>& gap)
{
    qreal offSquare = -Unfitted;
    for (std::size_t d = 0; d < 4; ++d) {
        const qreal room = gap[d] - MarkClearance;
        offSquare = std::max(offSquare,
                             mine[d] > 0 ? room / mine[d] : (gap[d] >= 0 ? Unfitted : -Unfitted));
    }
    const qreal full = *std::max_element(mine.begin(), mine.end());
    const qreal other = *std::max_element(theirs.begin(), theirs.end());
    const qreal room = *std::max_element(gap.begin(), gap.end()) - MarkClearance;
    if (other > 0 && room >= SmallestMark * (full + other))
        return std::min(offSquare, room / (full + other));
    return offSquare;
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
    const std::array<qreal, 4> extent = markExtent(mark);
    return *std::max_element(extent.begin(), extent.end());
}

qreal leastMarkReach(qreal full)
{
    return SmallestMark * full;
}

std::vector<qreal> fittedMarkReach(const std::vector<QRectF>& squares,
                                   const std::vector<Status>& marks)
{
    const std::size_t n = std::min(squares.size(), marks.size());
    std::vector<std::array<qreal, 4>> extent(squares.size(), std::array<qreal, 4>{});
    for (std::size_t i = 1; i < n; ++i)
        if (!squares[i].isNull())
            extent[i] = markExtent(marks[i]);
    std::vector<qreal> reach(n, 0);
    for (std::size_t i = 1; i < n; ++i) {
        const qreal full = *std::max_element(extent[i].begin(), extent[i].end());
        if (full <= 0)
            continue;
        qreal share = 1;
        for (std::size_t j = 1; j < squares.size(); ++j) {
            const QRectF &a = squares[i], &b = squares[j];
            if (i == j || b.isNull())
                continue;
            share = std::min(share, shareBeside(extent[i], extent[j],
                                                {a.left() - b.right(), a.top() - b.bottom(),
                                                 b.left() - a.right(), b.top() - a.bottom()}));
        }
        reach[i] = full * std::max(SmallestMark, share);
    }
    return reach;
}
