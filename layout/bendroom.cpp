// The last step of Tidy on the Target and in the Random layout: a line drawn round labels
// that still runs under one found no gap to bend through. The labels at its ends and the
// one in its way step aside, as the layout lets them, until the drawn lines run under
// fewer labels; only what the step touches is routed again.

#include "bendroom.h"

#include "cliques.h"
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

} // namespace

BendRoom::BendRoom(const std::vector<QPointF>& leftTop, const std::vector<Choice>& choices,
                   QSizeF area, QSizeF label, const LabelRoom& room, bool onRings)
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

bool BendRoom::pass(int& budget)
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

Path BendRoom::drawnPath(int l) const
{
    const auto [a, b] = s.lines[std::size_t(l)];
    Path path = routeRound(s, a, b, label);
    return path.empty() ? Path{s.centre[std::size_t(a)], s.centre[std::size_t(b)]} : path;
}

int BendRoom::drawnUnder(int l) const
{
    const auto [a, b] = s.lines[std::size_t(l)];
    return labelsUnder(s, a, b, drawnPath(l));
}

bool BendRoom::together(const std::vector<int>& clique) const
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

bool BendRoom::allowed(int k, QPointF p)
{
    if (!roomInside(p))
        return false;
    for (int t = 1; t <= s.n; ++t)
        if (t != k && squaresOverlap(p.x(), p.y(), at[std::size_t(t)].x(), at[std::size_t(t)].y(),
                                     room.box.width(), room.box.height()))
            return false;
    return cliquesHeldAt(k, p);
}

bool BendRoom::roomInside(QPointF p) const
{
    const QPointF box = p + room.offset;
    return box.x() >= 0 && box.y() >= 0 && box.x() + room.box.width() <= area.width() &&
           box.y() + room.box.height() <= area.height();
}

bool BendRoom::cliquesHeldAt(int k, QPointF p)
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

void BendRoom::takeStep(int k, QPointF was, QPointF to)
{
    const std::vector<int> lines = touched(k, was, to);
    place(k, to);
    for (int l : lines)
        under[std::size_t(l)] = drawnUnder(l);
}

void BendRoom::place(int k, QPointF p)
{
    at[std::size_t(k)] = p;
    s.square[std::size_t(k)] = QRectF(p, label);
    s.centre[std::size_t(k)] = s.square[std::size_t(k)].center();
}

std::vector<QPointF> BendRoom::stepsOf(int k) const
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

std::vector<int> BendRoom::touched(int k, QPointF was, QPointF now) const
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

bool BendRoom::near(const QLineF& line, QPointF p) const
{
    const QPointF d = line.p2() - line.p1();
    const double length2 = QPointF::dotProduct(d, d);
    const double t =
        length2 > 0 ? std::clamp(QPointF::dotProduct(p - line.p1(), d) / length2, 0.0, 1.0) : 0;
    const QPointF gap = line.p1() + d * t - p;
    return QPointF::dotProduct(gap, gap) < reach * reach;
}

int BendRoom::crossingsOf(int k) const
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

bool BendRoom::tryStepsOf(int k, int aim, int& budget)
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
