// Tidy on the Target rings. A label's ring is its standing in the group and may not
// change; where it sits round the ring is free. Every label takes the angle of its place
// in the cyclic order that keeps friends together (the one the Circle uses), so friends
// on different rings face each other and a clique stays on one side of the centre. Each
// ring then spreads its members just enough to keep them apart, as near those angles as
// it can, and widens first when it is too small to hold them.

#include "cliques.h"
#include "cyclicorder.h"
#include "polish.h"
#include "tidy.h"

#include "annealing.h"

#include "codes.h"

#include <cmath>
#include <numeric>

namespace Layout {

using namespace TidySupport;
using Codes::Geometry::Pi;

namespace {

struct Ring {
    double designed = 0, radius = 0;
    std::vector<int> members;
};

class Centre {
public:
    Centre(QSizeF area, QSizeF label) : cx(area.width() / 2), cy(area.height() / 2), size(label) {}
    QPointF leftTop(double radius, double angle) const
    {
        return {cx + radius * std::sin(angle) - size.width() / 2,
                cy - radius * std::cos(angle) - size.height() / 2};
    }
    double angleOf(QPointF leftTop) const
    {
        const double a =
            std::atan2(leftTop.x() + size.width() / 2 - cx, cy - leftTop.y() - size.height() / 2);
        return std::isfinite(a) ? a : 0;
    }

private:
    double cx, cy;
    QSizeF size;
};

// Angles as near `wanted` (ascending) as keeps neighbours `apart`: the circle is cut at
// the widest gap, and the least-squares fit under the spacing is the isotonic fit of the
// wanted angles less their share of spacing (pool adjacent violators). Where the ring has
// no room for that, the members spread evenly in the same order.
std::vector<double> spreadNear(const std::vector<double>& wanted, double apart)
{
    const int m = static_cast<int>(wanted.size());
    if (m < 2)
        return wanted;
    int cut = 0;
    double widest = -1;
    for (int j = 0; j < m; ++j) {
        const double gap = j == 0 ? wanted[0] + 2 * Pi - wanted[m - 1] : wanted[j] - wanted[j - 1];
        if (gap > widest) {
            widest = gap;
            cut = j;
        }
    }
    std::vector<double> x(m);
    for (int j = 0; j < m; ++j)
        x[j] = wanted[(cut + j) % m] + (cut + j >= m ? 2 * Pi : 0) - j * apart;
    std::vector<double> sum, value;
    std::vector<int> count;
    for (int j = 0; j < m; ++j) {
        sum.push_back(x[j]);
        count.push_back(1);
        value.push_back(x[j]);
        while (value.size() > 1 && value[value.size() - 2] > value.back()) {
            sum[sum.size() - 2] += sum.back();
            count[count.size() - 2] += count.back();
            sum.pop_back();
            count.pop_back();
            value.pop_back();
            value.back() = sum.back() / count.back();
        }
    }
    std::vector<double> y;
    for (size_t b = 0; b < value.size(); ++b)
        y.insert(y.end(), count[b], value[b]);
    for (int j = 0; j < m; ++j)
        y[j] += j * apart;
    if (m * apart > 2 * Pi || y[m - 1] - y[0] > 2 * Pi - apart) {
        double sx = 0, cx = 0;
        for (int j = 0; j < m; ++j) {
            sx += std::sin(x[j] + j * apart - 2 * Pi * j / m);
            cx += std::cos(x[j] + j * apart - 2 * Pi * j / m);
        }
        const double turn = std::atan2(sx, cx);
        for (int j = 0; j < m; ++j)
            y[j] = turn + 2 * Pi * j / m;
    }
    std::vector<double> result(m);
    for (int j = 0; j < m; ++j)
        result[(cut + j) % m] = y[j];
    return result;
}

// Rings closer than a label is high can leave labels of neighbouring rings on each
// other: such a label slides along its ring to the nearest place clear of every other
// label, or where it overlaps the fewest.
void slideApart(const std::vector<Ring>& rings, const Centre& centre, QSizeF label,
                std::vector<QPointF>& at)
{
    constexpr int Steps = 360; // half a degree apart
    const int n = static_cast<int>(at.size()) - 1;
    const auto overlapsAt = [&](int s, QPointF p) {
        int count = 0;
        for (int t = 1; t <= n; ++t)
            count += t != s && squaresOverlap(p.x(), p.y(), at[t].x(), at[t].y(), label.width(),
                                              label.height());
        return count;
    };
    for (int pass = 0; pass < 4; ++pass) {
        for (const Ring& ring : rings) {
            for (int s : ring.members) {
                int fewest = overlapsAt(s, at[s]);
                const double from = centre.angleOf(at[s]);
                for (int k = 1; k <= Steps && fewest > 0 && ring.radius > 0; ++k) {
                    for (const int side : {1, -1}) {
                        const QPointF p = centre.leftTop(ring.radius, from + side * Pi * k / Steps);
                        const int count = overlapsAt(s, p);
                        if (count < fewest) {
                            fewest = count;
                            at[s] = p;
                            if (count == 0)
                                break;
                        }
                    }
                }
            }
        }
    }
}

// Whether every clique of s stays within a third of the circle with s at `angle`.
bool cliquesHold(int s, double angle, const std::vector<std::vector<int>>& cliquesOf,
                 const std::vector<std::vector<int>>& cliques, const std::vector<double>& angleOf)
{
    for (int c : cliquesOf[s]) {
        std::vector<double> a;
        for (int m : cliques[c])
            a.push_back(std::remainder(m == s ? angle : angleOf[m], 2 * Pi) + Pi);
        std::sort(a.begin(), a.end());
        double gap = a.front() + 2 * Pi - a.back();
        for (size_t k = 1; k < a.size(); ++k)
            gap = std::max(gap, a[k] - a[k - 1]);
        if (2 * Pi - gap > 2 * Pi / 3 + 1e-9)
            return false;
    }
    return true;
}

} // namespace

float RingsTidied::usedRadius(float designed) const
{
    for (const RingRadius& ring : rings)
        if (std::abs(ring.designed - designed) <= 0.01f)
            return ring.used;
    return designed;
}

RingsTidied tidyOnRings(const std::vector<float>& ringRadius, const std::vector<QPointF>& current,
                        int n, const std::vector<Choice>& choices, QSizeF area, QSizeF label)
{
    n = std::clamp(n, 0, std::max(0, static_cast<int>(ringRadius.size()) - 1));
    RingsTidied result;
    result.leftTop.resize(n + 1);
    if (!current.empty())
        result.leftTop[0] = current[0];
    if (n < 1)
        return result;
    const Centre centre(area, label);
    const bool fromCurrent = static_cast<int>(current.size()) > n;

    // A radius that is no number is taken for the centre.
    std::vector<double> radius(n + 1, 0);
    for (int s = 1; s <= n; ++s)
        radius[s] = std::isfinite(ringRadius[s]) ? ringRadius[s] : 0;
    std::vector<int> byRadius(n);
    std::iota(byRadius.begin(), byRadius.end(), 1);
    std::stable_sort(byRadius.begin(), byRadius.end(),
                     [&](int a, int b) { return radius[a] < radius[b]; });
    std::vector<Ring> rings;
    for (int s : byRadius) {
        if (rings.empty() || std::abs(radius[s] - rings.back().designed) > 0.01)
            rings.push_back({radius[s], radius[s], {}});
        rings.back().members.push_back(s);
    }

    // The picture to beat: the labels where they are on their rings, or spread evenly.
    std::vector<QPointF> given(n + 1);
    for (const Ring& ring : rings)
        for (size_t j = 0; j < ring.members.size(); ++j) {
            const int s = ring.members[j];
            given[s] = fromCurrent
                           ? centre.leftTop(ring.designed, centre.angleOf(current[s]))
                           : centre.leftTop(ring.designed, 2 * Pi * j / ring.members.size());
        }

    // A ring holds its members apart when neighbours on it are a label's diagonal apart;
    // a smaller ring widens to that, and the rings outside it move out as far, keeping
    // their spacing, as long as the area has room.
    const double diagonal = std::hypot(label.width(), label.height());
    const double outermost = std::min(area.width(), area.height()) / 2 - diagonal / 2;
    const std::vector<std::vector<int>> cliques = Shared::maximalCliques(n, choices);
    for (size_t r = 0; r < rings.size(); ++r) {
        const double m = static_cast<double>(rings[r].members.size());
        double least = m < 2 ? 0 : diagonal / 2 / std::sin(Pi / m);
        // Clique mates on one ring must find room side by side within a quarter of the
        // circle, or the clique falls apart round the centre.
        for (const std::vector<int>& clique : cliques) {
            const auto mates = std::count_if(clique.begin(), clique.end(), [&](int s) {
                return std::abs(radius[s] - rings[r].designed) <= 0.01;
            });
            if (mates >= 2 && clique.size() <= 5)
                least = std::max(least,
                                 diagonal / 2 / std::sin(Pi / 4 / static_cast<double>(mates - 1)));
        }
        if (r > 0)
            least =
                std::max(least, rings[r - 1].radius + rings[r].designed - rings[r - 1].designed);
        rings[r].radius = std::max(rings[r].designed, std::min(least, outermost));
    }
    for (size_t r = rings.size(); r-- > 1;) // the order holds even where the room ran out
        rings[r - 1].radius = std::min(rings[r - 1].radius, rings[r].radius - 1);

    const ChoiceGraph graph(n, choices);
    const std::vector<int> order = cyclicOrder(graph, cliques);
    std::vector<double> angle(n + 1, 0);
    for (int k = 0; k < n; ++k)
        angle[order[k]] = 2 * Pi * k / n;
    std::vector<QPointF> at(n + 1);
    for (Ring& ring : rings) {
        std::sort(ring.members.begin(), ring.members.end(),
                  [&](int a, int b) { return angle[a] < angle[b]; });
        std::vector<double> wanted;
        for (int s : ring.members)
            wanted.push_back(angle[s]);
        const double apart =
            ring.radius > 0 ? 2 * std::asin(std::min(1.0, diagonal / 2 / ring.radius)) : 2 * Pi;
        const std::vector<double> spread = spreadNear(wanted, apart);
        for (size_t j = 0; j < ring.members.size(); ++j)
            at[ring.members[j]] = centre.leftTop(ring.radius, spread[j]);
    }
    slideApart(rings, centre, label, at);

    std::vector<std::vector<int>> cliquesOf(n + 1);
    for (size_t c = 0; c < cliques.size(); ++c)
        for (int s : cliques[c])
            cliquesOf[s].push_back(static_cast<int>(c));
    std::vector<double> used(n + 1);
    for (const Ring& ring : rings)
        for (int s : ring.members)
            used[s] = ring.radius;
    std::vector<double> angleNow(n + 1);
    const Steps alongRing = [&](int s, const TidyScene& scene, std::vector<QPointF>& out) {
        for (int t = 1; t <= n; ++t)
            angleNow[t] = centre.angleOf(scene.position(t));
        // Steps of about a label's width at most, so the order round the ring stays.
        const double unit = used[s] > 0 ? std::min(0.2, 90 / used[s]) : 0;
        for (double k : {1.0, -1.0, 2.0, -2.0, 3.0, -3.0, 4.0, -4.0}) {
            const double a = angleNow[s] + k * unit;
            if (unit > 0 && cliquesHold(s, a, cliquesOf, cliques, angleNow))
                out.push_back(centre.leftTop(used[s], a));
        }
    };
    Random random(0x5eed0002u + static_cast<unsigned>(n));
    std::vector<QPointF> tidied = polish(graph, label, at, alongRing, 4 * n, random);

    // A whole ring then moves out a little, or back towards its designed radius, where
    // that leaves fewer lines under labels; its members keep their angles and the rings
    // their order.
    TidyScene scene(graph, label, tidied);
    std::vector<double> radiusNow, bestRadius;
    for (const Ring& ring : rings)
        radiusNow.push_back(ring.radius);
    bestRadius = radiusNow;
    constexpr double Nudges[] = {40, -40, 80, -80, 120, -120};
    const int tries = static_cast<int>(rings.size() * std::size(Nudges));
    int next = 0;
    std::vector<QPointF> to;
    Shared::anneal(
        2 * tries,
        [&](double temperature) {
            const size_t r = static_cast<size_t>(next / std::size(Nudges)) % rings.size();
            const double moved = radiusNow[r] + Nudges[next++ % std::size(Nudges)];
            const double inside = r > 0 ? radiusNow[r - 1] + 1 : 0;
            const double outside = r + 1 < rings.size() ? radiusNow[r + 1] - 1 : outermost;
            if (radiusNow[r] <= 0 || moved < rings[r].designed || moved <= inside ||
                moved >= outside)
                return false;
            to.clear();
            for (int s : rings[r].members)
                to.push_back(centre.leftTop(moved, centre.angleOf(scene.position(s))));
            if (!scene.tryMove(rings[r].members, to, temperature, false, random))
                return false;
            radiusNow[r] = moved;
            return true;
        },
        [&] { return scene.score(); },
        [&] {
            tidied = scene.positions();
            bestRadius = radiusNow;
        });
    for (size_t r = 0; r < rings.size(); ++r)
        rings[r].radius = bestRadius[r];
    const bool better =
        scorePicture(tidied, n, choices, label) < scorePicture(given, n, choices, label);
    for (int s = 1; s <= n; ++s)
        result.leftTop[s] = better ? tidied[s] : given[s];
    for (const Ring& ring : rings)
        result.rings.push_back({static_cast<float>(ring.designed),
                                static_cast<float>(better ? ring.radius : ring.designed)});
    return result;
}

} // namespace Layout
