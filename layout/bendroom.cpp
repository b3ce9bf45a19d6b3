// The last step of Tidy on the Target and in the Random layout: a line drawn round labels
// that still runs under one found no gap to bend through. The labels at its ends and the
// one in its way step aside, as the layout lets them, until the drawn lines run under
// fewer labels; only what the step touches is routed again.

#include "cliques.h"
#include "routescene.h"
#include "tidy.h"
#include "tidysupport.h"

#include <QLineF>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace Layout {

using namespace Routing;
using namespace TidySupport;

namespace {

constexpr double Pi = std::numbers::pi;

class BendRoom {
public:
    BendRoom(const std::vector<QPointF>& leftTop, const std::vector<Choice>& choices, QSizeF area,
             QSizeF label, const LabelRoom& room, bool onRings)
        : s(sceneOf(leftTop, choices, label)), at(leftTop), area(area), label(label), room(room),
          onRings(onRings), linesOf(std::size_t(s.n + 1))
    {
        for (const std::vector<int>& clique : Shared::maximalCliques(s.n, choices))
            if (clique.size() <= 5 && together(clique))
                cliques.push_back(clique);
        for (std::size_t l = 0; l < s.lines.size(); ++l) {
            linesOf[std::size_t(s.lines[l].first)].push_back(int(l));
            linesOf[std::size_t(s.lines[l].second)].push_back(int(l));
            under.push_back(drawnUnder(int(l)));
        }
        // A bend passes a label in the line's way at its half diagonal and a margin: a line
        // further from both places of the moved label than that and its own half diagonal
        // keeps its path.
        reach = 2 * std::hypot(label.width(), label.height());
    }

    // One pass over the lines still under a label; whether a step was taken.
    bool pass(int& budget)
    {
        bool taken = false;
        for (std::size_t l = 0; l < s.lines.size() && budget > 0; ++l) {
            if (under[l] == 0)
                continue;
            int first = 0;
            const auto [a, b] = s.lines[l];
            labelsUnder(s, a, b, drawnPath(int(l)), &first);
            for (int k : {first, a, b})
                if (k > 0 && under[l] > 0)
                    taken |= tryStepsOf(k, int(l), budget);
        }
        return taken;
    }

    // One pass over the labels whose marks want room, each pair's labels stepping in turn,
    // first where no step enters another label's room, else where one must; whether a step
    // was taken. (A mark on a neighbour shows; a name's room entered often still leaves the
    // name another side.)
    bool clearMarks(int& budget)
    {
        bool taken = false;
        for (int k = 1; k <= s.n && budget > 0; ++k)
            for (int t = 1; t <= s.n && budget > 0; ++t)
                if (t != k && clash(k, t))
                    for (const bool keepRooms : {true, false})
                        if (clash(k, t) &&
                            (stepClear(k, keepRooms, budget) || stepClear(t, keepRooms, budget)))
                            taken = true;
        return taken;
    }

    const std::vector<QPointF>& positions() const { return at; }

private:
    Path drawnPath(int l) const
    {
        const auto [a, b] = s.lines[std::size_t(l)];
        Path path = routeRound(s, a, b, label);
        return path.empty() ? Path{s.centre[std::size_t(a)], s.centre[std::size_t(b)]} : path;
    }
    int drawnUnder(int l) const
    {
        const auto [a, b] = s.lines[std::size_t(l)];
        return labelsUnder(s, a, b, drawnPath(l));
    }

    bool together(const std::vector<int>& clique) const
    {
        const QPointF middle(area.width() / 2, area.height() / 2);
        if (onRings) {
            // Within a third of the circle seen from the centre.
            std::vector<double> angle;
            for (int m : clique) {
                const QPointF d = s.centre[std::size_t(m)] - middle;
                angle.push_back(std::atan2(d.x(), -d.y()));
            }
            std::sort(angle.begin(), angle.end());
            double gap = angle.front() + 2 * Pi - angle.back();
            for (std::size_t k = 1; k < angle.size(); ++k)
                gap = std::max(gap, angle[k] - angle[k - 1]);
            return 2 * Pi - gap <= 2 * Pi / 3 + 1e-9;
        }
        // Each member nearer a mate than anyone else.
        for (int m : clique) {
            double mate = 1e300, other = 1e300;
            for (int t = 1; t <= s.n; ++t) {
                if (t == m)
                    continue;
                const QPointF d = s.centre[std::size_t(t)] - s.centre[std::size_t(m)];
                double& nearest =
                    std::find(clique.begin(), clique.end(), t) != clique.end() ? mate : other;
                nearest = std::min(nearest, QPointF::dotProduct(d, d));
            }
            if (!(mate < other))
                return false;
        }
        return true;
    }

    // Whether label k may stand at p: its room inside the area and clear of every other's,
    // and its cliques together still.
    bool allowed(int k, QPointF p)
    {
        if (!roomInside(p))
            return false;
        for (int t = 1; t <= s.n; ++t)
            if (t != k &&
                squaresOverlap(p.x(), p.y(), at[std::size_t(t)].x(), at[std::size_t(t)].y(),
                               room.box.width(), room.box.height()))
                return false;
        return cliquesHeldAt(k, p);
    }

    bool roomInside(QPointF p) const
    {
        const QPointF box = p + room.offset;
        return box.x() >= 0 && box.y() >= 0 && box.x() + room.box.width() <= area.width() &&
               box.y() + room.box.height() <= area.height();
    }

    bool cliquesHeldAt(int k, QPointF p)
    {
        const QPointF was = at[std::size_t(k)];
        place(k, p);
        bool held = true;
        for (const std::vector<int>& clique : cliques)
            if (std::find(clique.begin(), clique.end(), k) != clique.end())
                held = held && together(clique);
        place(k, was);
        return held;
    }

    // Label k moved from `was` to `to`, the lines it may touch routed again.
    void takeStep(int k, QPointF was, QPointF to)
    {
        const std::vector<int> lines = touched(k, was, to);
        place(k, to);
        for (int l : lines)
            under[std::size_t(l)] = drawnUnder(l);
    }

    void place(int k, QPointF p)
    {
        at[std::size_t(k)] = p;
        s.square[std::size_t(k)] = QRectF(p, label);
        s.centre[std::size_t(k)] = s.square[std::size_t(k)].center();
    }

    // The places label k may step to: round its ring, or aside in eight directions.
    std::vector<QPointF> stepsOf(int k) const
    {
        std::vector<QPointF> steps;
        const QPointF middle(area.width() / 2, area.height() / 2);
        const QPointF d = s.centre[std::size_t(k)] - middle;
        const double r = std::hypot(d.x(), d.y());
        const QPointF half(label.width() / 2, label.height() / 2);
        if (onRings && r > 0) {
            const double angle = std::atan2(d.x(), -d.y()), unit = std::min(0.2, 90 / r);
            for (int j = 1; j <= 8; ++j)
                for (int sign : {1, -1}) {
                    const double a = angle + sign * j * unit;
                    steps.push_back(middle + QPointF(std::sin(a), -std::cos(a)) * r - half);
                }
            return steps;
        }
        for (double step : {120.0, 240.0, 360.0, 480.0})
            for (int j = 0; j < 8; ++j)
                steps.push_back(at[std::size_t(k)] +
                                QPointF(std::sin(Pi * j / 4), std::cos(Pi * j / 4)) * step);
        return steps;
    }

    // The lines whose drawn path may change when label k moves from `was` to `now`.
    std::vector<int> touched(int k, QPointF was, QPointF now) const
    {
        std::vector<int> lines;
        for (std::size_t l = 0; l < s.lines.size(); ++l) {
            const auto [a, b] = s.lines[l];
            const QLineF straight(s.centre[std::size_t(a)], s.centre[std::size_t(b)]);
            if (a == k || b == k || near(straight, was) || near(straight, now))
                lines.push_back(int(l));
        }
        return lines;
    }
    bool near(const QLineF& line, QPointF p) const
    {
        const QPointF d = line.p2() - line.p1();
        const double length2 = QPointF::dotProduct(d, d);
        const double t =
            length2 > 0 ? std::clamp(QPointF::dotProduct(p - line.p1(), d) / length2, 0.0, 1.0) : 0;
        const QPointF gap = line.p1() + d * t - p;
        return QPointF::dotProduct(gap, gap) < reach * reach;
    }

    int crossingsOf(int k) const
    {
        int count = 0;
        for (int l : linesOf[std::size_t(k)]) {
            const auto [a, b] = s.lines[std::size_t(l)];
            const QPointF p = s.centre[std::size_t(a)], q = s.centre[std::size_t(b)];
            for (const auto& [c, d] : s.lines)
                if (c != a && c != b && d != a && d != b) {
                    const QPointF u = s.centre[std::size_t(c)], v = s.centre[std::size_t(d)];
                    count += segmentsCross(p.x(), p.y(), q.x(), q.y(), u.x(), u.y(), v.x(), v.y());
                }
        }
        return count;
    }

    // Label k takes the step that leaves the drawn lines under fewest labels, if that is fewer
    // than now, frees line `aim` of a label and adds no more than a few crossings. `budget`
    // counts the lines routed.
    bool tryStepsOf(int k, int aim, int& budget)
    {
        const QPointF was = at[std::size_t(k)];
        int crossedBefore = -1; // counted once a step helps
        int bestGain = 0, bestCrossed = 0;
        QPointF best = was;
        for (const QPointF& p : stepsOf(k)) {
            if (budget <= 0)
                break;
            if (!allowed(k, p))
                continue;
            place(k, p);
            --budget;
            const bool helps = drawnUnder(aim) < under[std::size_t(aim)];
            place(k, was);
            if (!helps)
                continue;
            if (crossedBefore < 0)
                crossedBefore = crossingsOf(k);
            const std::vector<int> lines = touched(k, was, p);
            budget -= int(lines.size());
            place(k, p);
            int gain = 0;
            for (int l : lines)
                gain += under[std::size_t(l)] - drawnUnder(l);
            const int crossed = crossingsOf(k) - crossedBefore;
            place(k, was);
            if (crossed <= MoreCrossings &&
                (gain > bestGain || (gain == bestGain && gain > 0 && crossed < bestCrossed))) {
                bestGain = gain;
                bestCrossed = crossed;
                best = p;
            }
        }
        if (bestGain <= 0)
            return false;
        takeStep(k, was, best);
        return true;
    }

    // Whether the labels' marks find too little room between their squares: each mark keeps
    // clear of the other square, and two marks of each other.
    bool clash(int k, int t) const
    {
        const QRectF &a = s.square[std::size_t(k)], &b = s.square[std::size_t(t)];
        const double gap = std::max({b.left() - a.right(), a.left() - b.right(),
                                     b.top() - a.bottom(), a.top() - b.bottom()});
        const auto reachOf = [&](int m) {
            return std::size_t(m) < room.markReach.size() ? room.markReach[std::size_t(m)] : 0.0;
        };
        const double both = reachOf(k) + reachOf(t);
        return both > 0 && gap < both + room.markGap;
    }
    int clashesOf(int k) const
    {
        int count = 0;
        for (int t = 1; t <= s.n; ++t)
            count += t != k && clash(k, t);
        return count;
    }

    // Label k takes the step that leaves its mark and its neighbours' the fewest clashes, if
    // fewer than now, no label on another, the drawn lines under no more labels and hardly a
    // crossing more; with `keepRooms`, no room round another label entered.
    bool stepClear(int k, bool keepRooms, int& budget)
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
            const bool better = clashes < fewest ||
                                (clashes == fewest && clashes < before && crossed < bestCrossed);
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

    // The labels whose room (a name under its square, a mark round it) label k's square
    // enters at p, or whose square enters label k's room there.
    int roomsMet(int k, QPointF p) const
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

    // As allowed, but where the marks clash the rooms round the labels met already: the
    // labels' squares are kept apart, and with `keepRooms` the step meets no more rooms.
    bool allowedForMark(int k, QPointF p, bool keepRooms)
    {
        if (!roomInside(p))
            return false;
        for (int t = 1; t <= s.n; ++t)
            if (t != k && squaresOverlap(p.x(), p.y(), at[std::size_t(t)].x(),
                                         at[std::size_t(t)].y(), label.width(), label.height()))
                return false;
        if (keepRooms && roomsMet(k, p) > roomsMet(k, at[std::size_t(k)]))
            return false;
        return cliquesHeldAt(k, p);
    }

    static constexpr int MoreCrossings = 2;

    Scene s;
    std::vector<QPointF> at;
    QSizeF area, label;
    LabelRoom room;
    bool onRings;
    std::vector<std::vector<int>> cliques; // those together to begin with
    std::vector<std::vector<int>> linesOf;
    std::vector<int> under; // per line, the labels its drawn path runs under
    double reach = 0;
};

} // namespace

std::vector<QPointF> roomToBend(const std::vector<QPointF>& leftTop,
                                const std::vector<Choice>& choices, QSizeF area, QSizeF label,
                                const LabelRoom& room, bool onRings)
{
    BendRoom bends(leftTop, choices, area, label, room, onRings);
    // A class whose lines find no gap in dozens of places gets no better from a few steps:
    // the lines routed are held to what a class of forty with a few such lines needs.
    int budget = 300;
    for (int round = 0; round < 4 && budget > 0; ++round)
        if (!bends.pass(budget))
            break;
    budget = 300;
    for (int round = 0; round < 4 && budget > 0; ++round)
        if (!bends.clearMarks(budget))
            break;
    return bends.positions();
}

} // namespace Layout
