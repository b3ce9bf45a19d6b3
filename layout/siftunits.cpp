// The units the circular sifting moves: cliques merged where they share members, pairs of
// pupils who chose each other, and the chain of friends they start from.

#include "siftunits.h"

#include <algorithm>

namespace Layout::TidySupport {

// Cliques that share members become one unit, laid out clique after clique so that as
// many as possible stay unbroken.
std::vector<std::vector<int>> cliqueUnits(int n, const std::vector<std::vector<int>>& cliques)
{
    std::vector<int> unitOf(n + 1, -1);
    std::vector<std::vector<int>> units;
    for (const std::vector<int>& clique : cliques) {
        int unit = -1;
        for (int s : clique)
            if (unitOf[s] >= 0)
                unit = unit < 0 ? unitOf[s] : unit;
        if (unit < 0) {
            unit = static_cast<int>(units.size());
            units.emplace_back();
        }
        for (int s : clique) {
            if (unitOf[s] == unit)
                continue;
            if (unitOf[s] >= 0) { // a third clique joins two runs: the second follows
                for (int t : units[unitOf[s]])
                    if (unitOf[t] != unit)
                        units[unit].push_back(t);
                const int old = unitOf[s];
                for (int t : units[old])
                    unitOf[t] = unit;
                units[old].clear();
                continue;
            }
            unitOf[s] = unit;
            units[unit].push_back(s);
        }
    }
    std::erase_if(units, [](const std::vector<int>& u) { return u.empty(); });
    return units;
}

// The units with, after the cliques, each two pupils who chose each other and belong to no
// unit yet as one more, taken along the chain of friends: a soft block, as the searches
// after may part them.
std::vector<std::vector<int>> withPairs(const ChoiceGraph& graph,
                                        std::vector<std::vector<int>> units,
                                        const std::vector<int>& groupOf)
{
    const auto sameGroup = [&](int s, int t) {
        return groupOf.empty() || groupOf[s] == groupOf[t];
    };
    std::vector<bool> taken(graph.n + 1, false);
    for (const std::vector<int>& unit : units)
        for (int s : unit)
            taken[s] = true;
    for (int s : chainOrder(graph))
        for (int t = 1; t <= graph.n && !taken[s]; ++t)
            if (t != s && !taken[t] && graph.mutual(s, t) && sameGroup(s, t)) {
                units.push_back({s, t});
                taken[s] = taken[t] = true;
            }
    return units;
}

// The chain of friends with each unit where its first member comes, every other subject a
// unit of its own.
std::vector<std::vector<int>> chainOfUnits(const ChoiceGraph& graph,
                                           const std::vector<std::vector<int>>& units)
{
    std::vector<bool> inUnit(graph.n + 1, false);
    for (const std::vector<int>& unit : units)
        for (int s : unit)
            inUnit[s] = true;
    std::vector<std::vector<int>> cycle;
    std::vector<bool> placed(units.size(), false);
    for (int s : chainOrder(graph)) {
        if (!inUnit[s]) {
            cycle.push_back({s});
            continue;
        }
        for (size_t u = 0; u < units.size(); ++u) {
            if (!placed[u] && std::find(units[u].begin(), units[u].end(), s) != units[u].end()) {
                placed[u] = true;
                cycle.push_back(units[u]);
            }
        }
    }
    return cycle;
}

} // namespace Layout::TidySupport
