// Crossing reduction in a circular drawing by sifting (Baur and Brandes, 2004): each
// unit in turn is tried at every place of the cycle, both ways round, and left where the
// fewest lines cross. Crossings round a circle depend on the order alone, so they are
// counted from it exactly, once per unit, and then carried along as the unit passes its
// neighbours one by one. A clique moves as one unit, so it never breaks.

#include "cyclicorder.h"
#include "siftunits.h"

#include <algorithm>
#include <map>

#include <numeric>

namespace Layout::TidySupport {

namespace {

// The change in crossings when a and b, side by side with a just before b, trade places:
// only a line of a and a line of b can change, and every such pair with four different
// ends does. The pair crosses before the trade when, going on round from b, a's other end
// comes first. `after` is work space of n + 1 counts.
int tradeChange(const ChoiceGraph& g, const std::vector<int>& place, int a, int b,
                std::vector<int>& after)
{
    const int n = g.n;
    const auto rank = [&](int v) {
        const int d = place[v] - place[b];
        return d < 0 ? d + n : d;
    };
    std::fill(after.begin(), after.end(), 0);
    int ends = 0;
    for (int line : g.linesOf[b]) {
        const int y = g.lines[line].a + g.lines[line].b - b;
        ends += y != a;
        after[rank(y)] += y != a;
    }
    for (int r = n - 1; r >= 0; --r) // now the ends of b's lines at rank r or later
        after[r] += after[r + 1];
    int pairs = 0, crossing = 0;
    for (int line : g.linesOf[a]) {
        const int x = g.lines[line].a + g.lines[line].b - a;
        if (x == b)
            continue;
        const int r = rank(x);
        pairs += ends - (after[r] - after[r + 1]); // less a line of b to x itself
        crossing += after[r + 1];
    }
    return pairs - 2 * crossing;
}

// The cycle of units as the sifting changes it, and the fewest crossings met so far.
class UnitCycle {
public:
    UnitCycle(const ChoiceGraph& graph, std::vector<std::vector<int>> units)
        : g(graph), counter(graph), cycle(std::move(units)), place(graph.n + 1), after(graph.n + 1)
    {
        best = flatten(cycle);
    }

    // Every unit in turn carried to where it crosses least, until a pass moves none.
    void sift()
    {
        const int count = static_cast<int>(cycle.size());
        for (int pass = 0; pass < 4 && count > 2; ++pass) {
            bool moved = false;
            for (int k = 0; k < count; ++k)
                moved = carry(k) || moved;
            if (!moved)
                break;
        }
    }

    // Inside a unit of one small clique every order keeps it whole: take the one that
    // crosses least.
    void orderInsideCliques(const std::vector<std::vector<int>>& cliques)
    {
        for (std::vector<int>& unit : cycle) {
            std::vector<int> members = unit, bestMembers = unit;
            std::sort(members.begin(), members.end());
            if (members.size() < 3 || members.size() > 5 ||
                std::find(cliques.begin(), cliques.end(), members) == cliques.end())
                continue;
            do {
                unit = members;
                const int crossings = flatten(cycle);
                if (crossings < best) {
                    best = crossings;
                    bestMembers = members;
                }
            } while (std::next_permutation(members.begin(), members.end()));
            unit = bestMembers;
        }
    }

    std::vector<int> order()
    {
        flatten(cycle);
        return flat;
    }

    // With groups shown (`groups` by subject, -1 for none), every unit lies within one
    // group, the groups already on consecutive places, and the sifting keeps them so.
    void keepGroups(std::vector<int> groups) { groupOf = std::move(groups); }

    // The groups' runs in the order round the cycle where the fewest lines cross, each run
    // also tried the other way round: every order is tried, up to seven runs.
    void orderGroups()
    {
        std::vector<std::vector<std::vector<int>>> runs;
        for (const std::vector<int>& unit : cycle) {
            const int g = groupOf[unit.front()];
            if (runs.empty() || g < 0 || groupOf[runs.back().front().front()] != g)
                runs.emplace_back();
            runs.back().push_back(unit);
        }
        if (runs.size() > 1 && groupOf[runs.front().front().front()] >= 0 &&
            groupOf[runs.front().front().front()] == groupOf[runs.back().front().front()]) {
            runs.front().insert(runs.front().begin(), runs.back().begin(), runs.back().end());
            runs.pop_back(); // a group over the cycle's end is one run
        }
        if (runs.size() < 3 || runs.size() > 7)
            return;
        std::vector<int> turn(runs.size()), bestTurn;
        std::iota(turn.begin(), turn.end(), 0);
        const auto arrange = [&](const std::vector<int>& t) {
            std::vector<std::vector<int>> c;
            for (int r : t)
                c.insert(c.end(), runs[r].begin(), runs[r].end());
            return c;
        };
        do {
            if (const int crossings = flatten(arrange(turn)); crossings < best) {
                best = crossings;
                bestTurn = turn;
            }
        } while (std::next_permutation(turn.begin() + 1, turn.end()));
        if (!bestTurn.empty())
            cycle = arrange(bestTurn);
        for (std::vector<std::vector<int>>& run : runs)
            mirrorIfFewer(run);
    }

private:
    const ChoiceGraph& g;
    CrossingCounter counter;
    std::vector<std::vector<int>> cycle;
    std::vector<int> flat, place, after, groupOf;
    int best = 0;

    // Whether a unit of the group of `member` may go after rest[r]: it splits no other
    // group and, where its own has other members, joins them.
    bool keepsGroups(const std::vector<std::vector<int>>& rest, int r, int member) const
    {
        if (groupOf.empty())
            return true;
        const int own = groupOf[member], before = groupOf[rest[r].front()];
        const int next = groupOf[rest[(r + 1) % rest.size()].front()];
        if (before == next && before >= 0 && before != own)
            return false;
        if (own < 0 || before == own || next == own)
            return true;
        return std::none_of(rest.begin(), rest.end(),
                            [&](const std::vector<int>& u) { return groupOf[u.front()] == own; });
    }

    // The run of units found in the cycle turned round where fewer lines cross that way.
    void mirrorIfFewer(const std::vector<std::vector<int>>& run)
    {
        const auto first = std::find(cycle.begin(), cycle.end(), run.front());
        if (run.size() < 2 || first == cycle.end() ||
            cycle.end() - first < std::ptrdiff_t(run.size()))
            return;
        const std::vector<std::vector<int>> kept = cycle;
        std::reverse(first, first + std::ptrdiff_t(run.size()));
        for (auto u = first; u != first + std::ptrdiff_t(run.size()); ++u)
            std::reverse(u->begin(), u->end());
        if (const int crossings = flatten(cycle); crossings < best)
            best = crossings;
        else
            cycle = kept;
    }

    int flatten(const std::vector<std::vector<int>>& c)
    {
        flat.clear();
        for (const std::vector<int>& unit : c)
            flat.insert(flat.end(), unit.begin(), unit.end());
        return counter.count(flat);
    }

    // Takes the unit at place k out and carries it round, both ways, a place at a time:
    // each step changes the count by the trades of neighbours alone. Whether it moved.
    bool carry(int k)
    {
        std::vector<std::vector<int>> rest = cycle;
        std::vector<int> unit = rest[k];
        rest.erase(rest.begin() + k);
        int bestPlace = -1;
        bool bestReversed = false;
        for (bool reversed : {false, true}) {
            if (reversed && unit.size() < 2)
                continue;
            std::vector<int> u = unit;
            if (reversed)
                std::reverse(u.begin(), u.end());
            std::vector<std::vector<int>> trial = rest;
            trial.insert(trial.begin(), u);
            int crossings = flatten(trial);
            for (int at = 0; at < g.n; ++at)
                place[flat[at]] = at;
            for (int r = 0; r < static_cast<int>(rest.size()); ++r) {
                for (int w : rest[r]) {
                    for (auto m = u.rbegin(); m != u.rend(); ++m) {
                        crossings += tradeChange(g, place, *m, w, after);
                        std::swap(place[*m], place[w]);
                    }
                }
                if (crossings < best && keepsGroups(rest, r, unit.front())) {
                    best = crossings;
                    bestPlace = r;
                    bestReversed = reversed;
                }
            }
        }
        if (bestPlace < 0)
            return false;
        if (bestReversed)
            std::reverse(unit.begin(), unit.end());
        rest.insert(rest.begin() + bestPlace + 1, unit);
        cycle.swap(rest);
        return true;
    }
};

} // namespace

std::vector<int> cyclicOrder(const ChoiceGraph& graph, const std::vector<std::vector<int>>& cliques,
                             bool pairs)
{
    if (graph.n < 4)
        return chainOrder(graph);
    std::vector<std::vector<int>> units = cliqueUnits(graph.n, cliques);
    UnitCycle cycle(graph, chainOfUnits(graph, pairs ? withPairs(graph, std::move(units)) : units));
    cycle.sift();
    cycle.orderInsideCliques(cliques);
    return cycle.order();
}

namespace {

// The chain of units with each group's units gathered where its first came.
std::vector<std::vector<int>> gathered(std::vector<std::vector<int>> units,
                                       const std::vector<int>& group)
{
    std::map<int, int> first;
    for (int k = 0; k < int(units.size()); ++k)
        first.try_emplace(group[units[k].front()], k);
    const auto rank = [&](const std::vector<int>& u) {
        return group[u.front()] >= 0 ? first[group[u.front()]] : int(&u - units.data());
    };
    std::vector<int> ranks;
    for (const std::vector<int>& u : units)
        ranks.push_back(rank(u));
    std::vector<int> index(units.size());
    std::iota(index.begin(), index.end(), 0);
    std::stable_sort(index.begin(), index.end(), [&](int a, int b) { return ranks[a] < ranks[b]; });
    std::vector<std::vector<int>> result;
    for (int k : index)
        result.push_back(std::move(units[k]));
    return result;
}

// With groups shown the sifting keeps each group on consecutive places: its units move
// within it, then the groups' runs take the order round the cycle that crosses least, and
// the units move within them again. The order starts where a group does.
std::vector<int> groupedOrder(const ChoiceGraph& graph,
                              const std::vector<std::vector<int>>& cliques,
                              const std::vector<int>& group, bool pairs)
{
    std::vector<std::vector<int>> units = cliqueUnits(graph.n, cliques);
    if (pairs)
        units = withPairs(graph, std::move(units), group);
    UnitCycle cycle(graph, gathered(chainOfUnits(graph, units), group));
    cycle.keepGroups(group);
    cycle.sift();
    cycle.orderGroups();
    cycle.sift();
    cycle.orderInsideCliques(cliques);
    std::vector<int> order = cycle.order();
    const int n = int(order.size());
    int start = 0;
    while (start < n && group[order[start]] >= 0 &&
           group[order[start]] == group[order[(start + n - 1) % n]])
        ++start;
    std::rotate(order.begin(), order.begin() + (start < n ? start : 0), order.end());
    return order;
}

} // namespace

Seating seatGroups(const ChoiceGraph& graph, const std::vector<std::vector<int>>& cliques,
                   const std::vector<int>& groupOf, int n, bool pairs)
{
    std::vector<int> group(std::size_t(n + 1), -1);
    for (int s = 1; s <= n && s < int(groupOf.size()); ++s)
        group[std::size_t(s)] = groupOf[std::size_t(s)];
    Seating seating;
    for (const std::vector<int>& clique : cliques)
        if (std::all_of(clique.begin(), clique.end(),
                        [&](int s) { return group[s] == group[clique.front()]; }))
            seating.cliques.push_back(clique);
    std::map<int, std::vector<int>> members;
    for (int s = 1; s <= n; ++s)
        if (group[s] >= 0)
            members[group[s]].push_back(s);
    for (auto& [g, list] : members)
        if (list.size() > 1)
            seating.groups.push_back(std::move(list));
    if (members.empty() || n < 4) {
        seating.start = cyclicOrder(graph, seating.cliques, pairs);
        return seating;
    }
    seating.start = groupedOrder(graph, seating.cliques, group, pairs);
    return seating;
}

} // namespace Layout::TidySupport
