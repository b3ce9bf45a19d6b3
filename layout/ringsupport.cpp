#include "ringsupport.h"

#include "ringsectors.h"

#include <algorithm>

namespace Layout::TidySupport {

using Codes::Geometry::Pi;

namespace {

// Where to cut the circle open: the member after the widest gap between neighbours.
int afterWidestGap(const std::vector<double>& wanted)
{
    const int m = static_cast<int>(wanted.size());
    int cut = 0;
    double widest = -1;
    for (int j = 0; j < m; ++j) {
        const double gap = j == 0 ? wanted[0] + 2 * Pi - wanted[m - 1] : wanted[j] - wanted[j - 1];
        if (gap > widest) {
            widest = gap;
            cut = j;
        }
    }
    return cut;
}

// The least-squares non-decreasing fit of `x`, by pooling adjacent violators.
std::vector<double> isotonicFit(const std::vector<double>& x)
{
    std::vector<double> sum, value;
    std::vector<int> count;
    for (const double v : x) {
        sum.push_back(v);
        count.push_back(1);
        value.push_back(v);
        while (value.size() > 1 && value[value.size() - 2] > value.back()) {
            sum[sum.size() - 2] += sum.back();
            count[count.size() - 2] += count.back();
            sum.pop_back();
            count.pop_back();
            value.pop_back();
            value.back() = sum.back() / count.back();
        }
    }
    std::vector<double> fit;
    for (size_t b = 0; b < value.size(); ++b)
        fit.insert(fit.end(), count[b], value[b]);
    return fit;
}

// The members evenly round the ring in the same order, turned to sit nearest the wanted
// angles (`x` as for the fit: the wanted angles, unrolled, less their spacing).
std::vector<double> spreadEvenly(const std::vector<double>& x, double apart)
{
    const int m = static_cast<int>(x.size());
    double sx = 0, cx = 0;
    for (int j = 0; j < m; ++j) {
        sx += std::sin(x[j] + j * apart - 2 * Pi * j / m);
        cx += std::cos(x[j] + j * apart - 2 * Pi * j / m);
    }
    const double turn = std::atan2(sx, cx);
    std::vector<double> y(m);
    for (int j = 0; j < m; ++j)
        y[j] = turn + 2 * Pi * j / m;
    return y;
}

} // namespace

// Angles as near `wanted` (ascending) as keeps neighbours `apart`: the circle is cut at
// the widest gap, and the least-squares fit under the spacing is the isotonic fit of the
// wanted angles less their share of spacing (pool adjacent violators). Where the ring has
// no room for that, the members spread evenly in the same order.
std::vector<double> spreadNear(const std::vector<double>& wanted, double apart)
{
    const int m = static_cast<int>(wanted.size());
    if (m < 2)
        return wanted;
    const int cut = afterWidestGap(wanted);
    std::vector<double> x(m);
    for (int j = 0; j < m; ++j)
        x[j] = wanted[(cut + j) % m] + (cut + j >= m ? 2 * Pi : 0) - j * apart;
    std::vector<double> y = isotonicFit(x);
    for (int j = 0; j < m; ++j)
        y[j] += j * apart;
    if (m * apart > 2 * Pi || y[m - 1] - y[0] > 2 * Pi - apart)
        y = spreadEvenly(x, apart);
    std::vector<double> result(m);
    for (int j = 0; j < m; ++j)
        result[(cut + j) % m] = y[j];
    return result;
}

// Rings closer than a label is high can leave labels of neighbouring rings on each
// other: such a label slides along its ring to the nearest place clear of every other
// label, or where it overlaps the fewest, within its group's sector where groups are shown.
void slideApart(const std::vector<TidyRing>& rings, const Centre& centre, QSizeF label,
                std::vector<QPointF>& at, const Sectors* sectors)
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
        for (const TidyRing& ring : rings) {
            for (int s : ring.members) {
                int fewest = overlapsAt(s, at[s]);
                const double from = centre.angleOf(at[s]);
                for (int k = 1; k <= Steps && fewest > 0 && ring.radius > 0; ++k) {
                    for (const int side : {1, -1}) {
                        const double a = from + side * Pi * k / Steps;
                        if (sectors && !sectors->holds(s, a))
                            continue;
                        const QPointF p = centre.leftTop(ring.radius, a);
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

namespace {

// The widest angle round the centre between members of the clique.
double span(const std::vector<int>& clique, const std::vector<double>& angleOf)
{
    std::vector<double> a;
    for (int m : clique)
        a.push_back(std::remainder(angleOf[m], 2 * Pi) + Pi);
    std::sort(a.begin(), a.end());
    double gap = a.front() + 2 * Pi - a.back();
    for (size_t k = 1; k < a.size(); ++k)
        gap = std::max(gap, a[k] - a[k - 1]);
    return 2 * Pi - gap;
}

} // namespace

bool cliquesHold(int s, const std::vector<double>& after, const std::vector<double>& before,
                 const std::vector<std::vector<int>>& cliquesOf,
                 const std::vector<std::vector<int>>& cliques)
{
    for (int c : cliquesOf[s])
        if (span(cliques[c], after) > std::max(2 * Pi / 3, span(cliques[c], before)) + 1e-9)
            return false;
    return true;
}

namespace {

// Each member of the clique to the free place of its ring nearest the clique's mean
// direction, `Steps` places to a half turn.
void towardsTheMean(const std::vector<int>& clique, const std::vector<double>& radius,
                    const Centre& centre, QSizeF label, std::vector<double>& angle,
                    std::vector<QPointF>& at)
{
    constexpr int Steps = 360; // half a degree apart
    double x = 0, y = 0;
    for (int m : clique) {
        x += std::sin(angle[m]);
        y += std::cos(angle[m]);
    }
    const double towards = std::atan2(x, y);
    for (int m : clique) {
        for (int k = 0; k <= Steps && radius[m] > 0; ++k) {
            const double a = towards + (k % 2 ? -1 : 1) * Pi * ((k + 1) / 2) / Steps;
            const QPointF p = centre.leftTop(radius[m], a);
            if (clearOfOthers(at, m, p, label)) {
                at[m] = p;
                angle[m] = a;
                break;
            }
        }
    }
}

bool contains(const std::vector<int>& members, int s)
{
    return std::find(members.begin(), members.end(), s) != members.end();
}

// The label of m's ring outside the clique whose place brings the clique closest, if that
// one's own cliques do not spread for it; 0 for none.
int bestPartner(const std::vector<int>& clique, int m, const TidyRing& ring,
                const std::vector<std::vector<int>>& cliques, std::vector<double>& angle)
{
    double narrowest = span(clique, angle);
    int partner = 0;
    for (int t : ring.members) {
        if (contains(clique, t))
            continue;
        const std::vector<double> before = angle;
        std::swap(angle[m], angle[t]);
        bool keeps = true;
        for (const std::vector<int>& other : cliques)
            keeps =
                keeps && (!contains(other, t) ||
                          span(other, angle) <= std::max(2 * Pi / 3, span(other, before)) + 1e-9);
        if (keeps && span(clique, angle) < narrowest - 1e-9) {
            narrowest = span(clique, angle);
            partner = t;
        }
        angle = before;
    }
    return partner;
}

} // namespace

void gatherCliques(const std::vector<TidyRing>& rings, const Centre& centre, QSizeF label,
                   const std::vector<std::vector<int>>& cliques, std::vector<QPointF>& at)
{
    const int n = static_cast<int>(at.size()) - 1;
    std::vector<double> radius(n + 1, 0), angle(n + 1, 0);
    for (const TidyRing& ring : rings)
        for (int s : ring.members)
            radius[s] = ring.radius;
    for (int s = 1; s <= n; ++s)
        angle[s] = centre.angleOf(at[s]);
    for (const std::vector<int>& clique : cliques) {
        if (clique.size() > 5 || span(clique, angle) <= 2 * Pi / 3)
            continue;
        towardsTheMean(clique, radius, centre, label, angle, at);
        // A crowded ring may have no free place near the others: a member then trades
        // places with the label of its ring that brings the clique closest.
        for (const TidyRing& ring : rings)
            for (int m : ring.members) {
                if (!contains(clique, m))
                    continue;
                const int partner = bestPartner(clique, m, ring, cliques, angle);
                if (partner != 0) {
                    std::swap(angle[m], angle[partner]);
                    std::swap(at[m], at[partner]);
                }
            }
    }
}

RingMoves::RingMoves(const std::vector<TidyRing>& onRings, const Centre& c,
                     const std::vector<std::vector<int>>& cl, int n)
    : rings(onRings), centre(c), cliques(cl), cliquesOf(n + 1), ringOf(n + 1, 0), angle(n + 1, 0)
{
    for (size_t k = 0; k < cliques.size(); ++k)
        for (int s : cliques[k])
            cliquesOf[s].push_back(static_cast<int>(k));
    for (size_t r = 0; r < rings.size(); ++r)
        for (int s : rings[r].members)
            ringOf[s] = static_cast<int>(r);
}

bool RingMoves::draw(const TidyScene& scene, Random& random, std::vector<int>& labels,
                     std::vector<QPointF>& to)
{
    const int n = scene.size();
    for (int t = 1; t <= n; ++t)
        angle[t] = centre.angleOf(scene.position(t));
    before = angle;
    const int s = scene.pick(random);
    const TidyRing& ring = rings[ringOf[s]];
    const int kind = random.below(10);
    labels = {s};
    double a = kind < 4 ? angle[s] + (random.unit() - 0.5) : random.unit() * 2 * Pi;
    if (kind >= 4 && sectors && sectors->width(s) > 0) // a jump within the group's sector
        a = sectors->start(s) + random.unit() * sectors->width(s);
    if (kind >= 7 && ring.members.size() > 1) {
        const int t = ring.members[random.below(static_cast<int>(ring.members.size()))];
        if (t == s)
            return false;
        labels.push_back(t);
        a = angle[t];
        angle[t] = angle[s];
    }
    angle[s] = a;
    to.clear();
    for (int m : labels) {
        if (!(ring.radius > 0) || !cliquesHold(m, angle, before, cliquesOf, cliques) ||
            (sectors && !sectors->holds(m, angle[m])))
            return false;
        to.push_back(centre.leftTop(ring.radius, angle[m]));
    }
    return true;
}

} // namespace Layout::TidySupport
