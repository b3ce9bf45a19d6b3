// Tidy's last step for the status marks on the Target and in the Random layout: a label
// whose mark, drawn at its smallest, would still meet a neighbour's square or mark steps
// round its ring or aside, where the drawn lines run under no more labels.

#include "bendroom.h"

#include "tidysupport.h"

#include <algorithm>

namespace Layout {

using namespace TidySupport;

bool BendRoom::clearMarks(int& budget)
{
    bool taken = false;
    for (int k = 1; k <= s.n && budget > 0; ++k)
        for (int t = 1; t <= s.n && budget > 0; ++t)
            for (const bool keepRooms : {true, false})
                if (t != k && clash(k, t) &&
                    (stepClear(k, keepRooms, budget) || stepClear(t, keepRooms, budget)))
                    taken = true;
    return taken;
}

bool BendRoom::clash(int k, int t) const
{
    const QRectF &a = s.square[std::size_t(k)], &b = s.square[std::size_t(t)];
    const double gap = std::max(
        {b.left() - a.right(), a.left() - b.right(), b.top() - a.bottom(), a.top() - b.bottom()});
    const auto reachOf = [&](int m) {
        return std::size_t(m) < room.markReach.size() ? room.markReach[std::size_t(m)] : 0.0;
    };
    const double both = reachOf(k) + reachOf(t);
    return both > 0 && gap < both + room.markGap;
}

int BendRoom::clashesOf(int k) const
{
    int count = 0;
    for (int t = 1; t <= s.n; ++t)
        count += t != k && clash(k, t);
    return count;
}

bool BendRoom::stepClear(int k, bool keepRooms, int& budget)
{
    const QPointF was = at[std::size_t(k)];
    const int before = clashesOf(k), crossedBefore = crossingsOf(k);
    int fewest = before, bestCrossed = 0;
    QPointF best = was;
    for (const QPointF& p : stepsOf(k)) {
        if (budget <= 0 || !allowedForMark(k, p, keepRooms))
            continue;
        place(k, p);
        const int clashes = clashesOf(k), crossed = crossingsOf(k) - crossedBefore;
        place(k, was);
        const bool better =
            clashes < fewest || (clashes == fewest && clashes < before && crossed < bestCrossed);
        if (!better || crossed > MoreCrossings)
            continue;
        const std::vector<int> lines = touched(k, was, p);
        budget -= int(lines.size());
        place(k, p);
        int added = 0;
        for (int l : lines)
            added += drawnUnder(l) - under[std::size_t(l)];
        place(k, was);
        if (added <= 0) {
            fewest = clashes;
            bestCrossed = crossed;
            best = p;
        }
    }
    if (fewest >= before)
        return false;
    takeStep(k, was, best);
    return true;
}

int BendRoom::roomsMet(int k, QPointF p) const
{
    const auto enters = [&](QPointF square, QPointF roomOf) {
        return QRectF(square, label).intersects(QRectF(roomOf + room.offset, room.box));
    };
    int met = 0;
    for (int t = 1; t <= s.n; ++t) {
        const QPointF other = at[std::size_t(t)];
        met += t != k && (enters(p, other) || enters(other, p));
    }
    return met;
}

bool BendRoom::allowedForMark(int k, QPointF p, bool keepRooms)
{
    if (!roomInside(p))
        return false;
    for (int t = 1; t <= s.n; ++t)
        if (t != k && squaresOverlap(p.x(), p.y(), at[std::size_t(t)].x(), at[std::size_t(t)].y(),
                                     label.width(), label.height()))
            return false;
    if (keepRooms && roomsMet(k, p) > roomsMet(k, at[std::size_t(k)]))
        return false;
    return cliquesHeldAt(k, p);
}

} // namespace Layout
