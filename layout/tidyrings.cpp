// Tidy on the Target rings. A label's ring is its standing in the group and may not
// change, and a ring's members stay evenly spread as the Target layout draws them: what
// changes is how far each ring is turned and who sits where on it.

#include "tidy.h"
#include "tidyscene.h"

#include "annealing.h"

#include <cmath>
#include <numeric>

namespace Layout {

using namespace TidySupport;

namespace {

using Codes::Geometry::Pi;

struct Ring {
    double radius = 0;
    std::vector<int> members; // in their order around the ring, clockwise
    double turn = 0;          // angle of the first member, clockwise from twelve o'clock
};

class Rings {
public:
    Rings(QSizeF area, QSizeF label) : cx(area.width() / 2), cy(area.height() / 2), size(label) {}

    QPointF leftTop(double radius, double angle) const
    {
        return {cx + radius * std::sin(angle) - size.width() / 2,
                cy - radius * std::cos(angle) - size.height() / 2};
    }
    double angleOf(QPointF leftTop) const
    {
        const double a =
            std::atan2(leftTop.x() + size.width() / 2 - cx, cy - leftTop.y() - size.height() / 2);
        return a < 0 ? a + 2 * Pi : a;
    }
    std::vector<QPointF> spread(const Ring& ring, double turn) const
    {
        std::vector<QPointF> at;
        const double step = 2 * Pi / static_cast<double>(ring.members.size());
        for (size_t j = 0; j < ring.members.size(); ++j)
            at.push_back(leftTop(ring.radius, turn + step * static_cast<double>(j)));
        return at;
    }
    void put(const Ring& ring, std::vector<QPointF>& positions) const
    {
        const std::vector<QPointF> at = spread(ring, ring.turn);
        for (size_t j = 0; j < at.size(); ++j)
            positions[ring.members[j]] = at[j];
    }

private:
    double cx, cy;
    QSizeF size;
};

// Turns each ring, the innermost first, to where its labels overlap the fewest labels
// already placed and keep the widest berth: the inner rings have the least room.
void turnRingsApart(std::vector<Ring>& rings, const Rings& geometry, QSizeF label,
                    std::vector<QPointF>& positions)
{
    constexpr int Tries = 48;
    std::vector<int> placed;
    for (Ring& ring : rings) {
        const double step = 2 * Pi / static_cast<double>(ring.members.size());
        std::pair<int, double> bestKey{0, 0};
        for (int k = 0; k < Tries; ++k) {
            const double turn = step * k / Tries;
            const std::vector<QPointF> at = geometry.spread(ring, turn);
            int overlaps = 0;
            double berth = 1e300;
            const auto compare = [&](QPointF a, QPointF b) {
                overlaps +=
                    squaresOverlap(a.x(), a.y(), b.x(), b.y(), label.width(), label.height());
                berth = std::min(berth, std::max(std::abs(a.x() - b.x()), std::abs(a.y() - b.y())));
            };
            for (size_t j = 0; j < at.size(); ++j) {
                for (int other : placed)
                    compare(at[j], positions[other]);
                for (size_t i = j + 1; i < at.size(); ++i)
                    compare(at[j], at[i]);
            }
            const std::pair<int, double> key{overlaps, -berth};
            if (k == 0 || key < bestKey) {
                bestKey = key;
                ring.turn = turn;
            }
        }
        geometry.put(ring, positions);
        placed.insert(placed.end(), ring.members.begin(), ring.members.end());
    }
}

// A ring's even spread can leave labels on neighbouring rings on top of each other,
// however the rings are turned. Such a label slides along its own ring to the nearest
// place clear of every other label, trying ever wider steps either way; where the rings
// are too crowded for that, it stays where it overlaps the fewest.
void slideApart(const std::vector<int>& order, const std::vector<double>& radius,
                const Rings& geometry, QSizeF label, std::vector<QPointF>& positions)
{
    constexpr int Steps = 360; // half a degree apart
    const auto overlapsAt = [&](int s, QPointF at) {
        int count = 0;
        for (int t : order)
            count += t != s && squaresOverlap(at.x(), at.y(), positions[t].x(), positions[t].y(),
                                              label.width(), label.height());
        return count;
    };
    for (int pass = 0; pass < 2; ++pass) {
        for (int s : order) {
            int fewest = overlapsAt(s, positions[s]);
            if (fewest == 0 || radius[s] <= 0)
                continue;
            const double from = geometry.angleOf(positions[s]);
            for (int k = 1; k <= Steps && fewest > 0; ++k) {
                for (const int side : {1, -1}) {
                    const QPointF at = geometry.leftTop(radius[s], from + side * Pi * k / Steps);
                    const int count = overlapsAt(s, at);
                    if (count < fewest) {
                        fewest = count;
                        positions[s] = at;
                        if (count == 0)
                            break;
                    }
                }
            }
        }
    }
}

} // namespace

std::vector<QPointF> tidyOnRings(const std::vector<float>& ringRadius,
                                 const std::vector<QPointF>& current, int n,
                                 const std::vector<Choice>& choices, QSizeF area, QSizeF label)
{
    n = std::clamp(n, 0, std::max(0, static_cast<int>(ringRadius.size()) - 1));
    std::vector<QPointF> result(n + 1);
    if (!current.empty())
        result[0] = current[0];
    if (n < 1)
        return result;
    const Rings geometry(area, label);
    const bool fromCurrent = static_cast<int>(current.size()) > n;

    // A radius or a position that is no number would upset the sorting; such a label
    // is taken to be at the centre, or at twelve o'clock.
    std::vector<double> radius(n + 1, 0), angle(n + 1, 0);
    for (int s = 1; s <= n; ++s) {
        radius[s] = std::isfinite(ringRadius[s]) ? ringRadius[s] : 0;
        if (fromCurrent && std::isfinite(geometry.angleOf(current[s])))
            angle[s] = geometry.angleOf(current[s]);
    }
    std::vector<int> byRadius(n);
    std::iota(byRadius.begin(), byRadius.end(), 1);
    std::stable_sort(byRadius.begin(), byRadius.end(),
                     [&](int a, int b) { return radius[a] < radius[b]; });
    std::vector<Ring> rings;
    for (int s : byRadius) {
        if (rings.empty() || std::abs(radius[s] - rings.back().radius) > 0.01)
            rings.push_back({radius[s], {}, 0});
        rings.back().members.push_back(s);
    }

    // The picture to beat: the labels where they are, on their rings. Each ring keeps
    // its present order and, fitted to that, its present turn.
    std::vector<QPointF> given(n + 1), positions(n + 1);
    for (Ring& ring : rings) {
        const double m = static_cast<double>(ring.members.size());
        if (fromCurrent) {
            std::stable_sort(ring.members.begin(), ring.members.end(),
                             [&](int a, int b) { return angle[a] < angle[b]; });
            double sx = 0, cx = 0;
            for (size_t j = 0; j < ring.members.size(); ++j) {
                const double a = angle[ring.members[j]];
                given[ring.members[j]] = geometry.leftTop(ring.radius, a);
                sx += std::sin(a - 2 * Pi * static_cast<double>(j) / m);
                cx += std::cos(a - 2 * Pi * static_cast<double>(j) / m);
            }
            ring.turn = std::atan2(sx, cx);
        }
        geometry.put(ring, positions);
        if (!fromCurrent)
            geometry.put(ring, given);
    }

    const ChoiceGraph graph(n, choices);
    std::vector<Ring> apart = rings;
    std::vector<QPointF> apartPositions(n + 1);
    turnRingsApart(apart, geometry, label, apartPositions);
    TidyScene kept(graph, label, positions), turned(graph, label, apartPositions);
    const bool turnApart = turned.score() < kept.score();
    if (turnApart)
        rings.swap(apart);
    TidyScene& scene = turnApart ? turned : kept;

    std::vector<int> ringOf(n + 1), place(n + 1);
    for (size_t r = 0; r < rings.size(); ++r) {
        for (size_t j = 0; j < rings[r].members.size(); ++j) {
            ringOf[rings[r].members[j]] = static_cast<int>(r);
            place[rings[r].members[j]] = static_cast<int>(j);
        }
    }

    // Swaps within a ring and small turns of a ring; a lone label turns anywhere.
    Random random(0x5eed0002u + static_cast<unsigned>(n));
    std::vector<QPointF> best = scene.positions();
    const auto move = [&](double temperature) {
        const int s = 1 + random.below(n);
        Ring& ring = rings[ringOf[s]];
        const int m = static_cast<int>(ring.members.size());
        // Turning a ring recounts every line of its members, so a crowded ring turns
        // less often; its order matters more than its turn anyway.
        if (m >= 2 && random.below(m + 2) >= 2) {
            const int k = (place[s] + 1 + random.below(m - 1)) % m;
            const int t = ring.members[k];
            if (!scene.tryMove({s, t}, {scene.position(t), scene.position(s)}, temperature, true,
                               random))
                return false;
            std::swap(ring.members[place[s]], ring.members[k]);
            std::swap(place[s], place[t]);
            return true;
        }
        const double turn =
            ring.turn + (m == 1 ? 2 * Pi * random.unit() : (2 * random.unit() - 1) * Pi / m);
        if (!scene.tryMove(ring.members, geometry.spread(ring, turn), temperature, true, random))
            return false;
        ring.turn = turn;
        return true;
    };
    Shared::anneal(
        searchRounds(graph, 110000, 50, 400), move, [&] { return scene.score(); },
        [&] { best = scene.positions(); });

    slideApart(byRadius, radius, geometry, label, best);
    keepBetter(result, best, given, n, choices, label);
    return result;
}

} // namespace Layout
