#include "ringsectors.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace Layout::TidySupport {

using Codes::Geometry::Pi;

Sectors::Sectors(const std::vector<int>& order, const std::vector<int>& groups)
{
    const int n = static_cast<int>(order.size());
    groupOf.assign(n + 1, -1);
    for (int s = 1; s <= n && s < static_cast<int>(groups.size()); ++s)
        groupOf[s] = groups[s];
    if (std::none_of(groupOf.begin(), groupOf.end(), [](int g) { return g >= 0; }))
        return;
    from.assign(n + 1, 0);
    span.assign(n + 1, 0);
    place.assign(n + 1, 0);
    std::map<int, int> first, size;
    for (int k = 0; k < n; ++k) {
        place[order[k]] = k;
        if (const int g = groupOf[order[k]]; g >= 0) {
            first.try_emplace(g, k);
            ++size[g];
        }
    }
    for (int s = 1; s <= n; ++s) {
        const int g = groupOf[s];
        from[s] = 2 * Pi * (g >= 0 ? first[g] : place[s]) / n;
        span[s] = g >= 0 ? 2 * Pi * size[g] / n : 0;
    }
}

bool Sectors::holds(int s, double angle) const
{
    if (empty() || span[s] <= 0)
        return true;
    const double into = std::remainder(angle - from[s] - span[s] / 2, 2 * Pi);
    return std::abs(into) < span[s] / 2;
}

std::vector<double> Sectors::roomOn(const std::vector<TidyRing>& rings) const
{
    std::vector<double> room(rings.size(), 0);
    if (empty())
        return room;
    for (size_t r = 0; r < rings.size(); ++r) {
        std::map<int, int> onRing;
        for (int s : rings[r].members)
            if (groupOf[s] >= 0)
                ++onRing[groupOf[s]];
        for (int s : rings[r].members)
            if (groupOf[s] >= 0) {
                const double each = span[s] / onRing[groupOf[s]];
                room[r] = room[r] > 0 ? std::min(room[r], each) : each;
            }
    }
    return room;
}

namespace {

// Angles within [lo, hi], neighbours `apart`, as near the wanted ones (ascending) as can be:
// the least squares fit of pooled adjacent violators, shifted so the spacing is the bound.
std::vector<double> spreadWithin(const std::vector<double>& wanted, double apart, double lo,
                                 double hi)
{
    const int m = static_cast<int>(wanted.size());
    std::vector<double> value, y;
    std::vector<int> count;
    for (int j = 0; j < m; ++j) {
        value.push_back(wanted[j] - j * apart);
        count.push_back(1);
        while (value.size() > 1 && value[value.size() - 2] > value.back()) {
            const double joined =
                value[value.size() - 2] * count[count.size() - 2] + value.back() * count.back();
            count[count.size() - 2] += count.back();
            value.pop_back();
            count.pop_back();
            value.back() = joined / count.back();
        }
    }
    for (size_t b = 0; b < value.size(); ++b)
        y.insert(y.end(), count[b], std::clamp(value[b], lo, hi - (m - 1) * apart));
    for (int j = 0; j < m; ++j)
        y[j] += j * apart;
    return y;
}

} // namespace

std::vector<double> Sectors::anglesOn(const std::vector<TidyRing>& rings, double diagonal) const
{
    const int n = static_cast<int>(place.size()) - 1;
    std::vector<double> angle(n + 1, 0);
    for (const TidyRing& ring : rings) {
        const double apart =
            ring.radius > 0 ? 2 * std::asin(std::min(1.0, diagonal / 2 / ring.radius)) : 2 * Pi;
        std::map<int, std::vector<int>> onRing; // each group's members by their place
        for (int s : ring.members) {
            angle[s] = 2 * Pi * place[s] / n;
            if (groupOf[s] >= 0)
                onRing[groupOf[s]].push_back(s);
        }
        // A group's members stand at their places' angles as far as its sector lets them
        // stand apart, evenly over it where it is too narrow.
        for (auto& [g, members] : onRing) {
            std::sort(members.begin(), members.end(),
                      [&](int a, int b) { return place[a] < place[b]; });
            const int m = static_cast<int>(members.size());
            const double lo = from[members[0]] + apart / 2,
                         hi = from[members[0]] + span[members[0]] - apart / 2;
            std::vector<double> wanted;
            for (int s : members)
                wanted.push_back(2 * Pi * (place[s] + 0.5) / n);
            const std::vector<double> at = hi - lo >= (m - 1) * apart
                                               ? spreadWithin(wanted, apart, lo, hi)
                                               : std::vector<double>();
            for (int j = 0; j < m; ++j)
                angle[members[j]] =
                    at.empty() ? from[members[j]] + span[members[j]] * (j + 0.5) / m : at[j];
        }
    }
    return angle;
}

} // namespace Layout::TidySupport
