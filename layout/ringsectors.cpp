#include "ringsectors.h"

#include <algorithm>
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

std::vector<double> Sectors::roomOn(const std::vector<Ring>& rings) const
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

std::vector<double> Sectors::anglesOn(const std::vector<Ring>& rings) const
{
    const int n = static_cast<int>(place.size()) - 1;
    std::vector<double> angle(n + 1, 0);
    for (const Ring& ring : rings) {
        std::vector<int> members = ring.members;
        std::sort(members.begin(), members.end(),
                  [&](int a, int b) { return place[a] < place[b]; });
        std::map<int, int> onRing, seated;
        for (int s : members)
            ++onRing[groupOf[s]];
        for (int s : members) {
            const int g = groupOf[s];
            angle[s] = g >= 0 ? from[s] + span[s] * (seated[g]++ + 0.5) / onRing[g]
                              : 2 * Pi * place[s] / n;
        }
    }
    return angle;
}

} // namespace Layout::TidySupport
