#include "tidysupport.h"

namespace Layout::TidySupport {

ChoiceGraph::ChoiceGraph(int subjects, const std::vector<Choice>& choices)
    : n(std::max(subjects, 0)), linesOf(n + 1), markersOf(n + 1), tieCount((n + 1) * (n + 1)),
      mutualPositive((n + 1) * (n + 1), 0)
{
    std::vector<char> chose((n + 1) * (n + 1), 0);
    std::vector<int> lineAt((n + 1) * (n + 1), -1);
    for (const Choice& choice : choices) {
        const int from = choice.chooser, to = choice.chosen;
        if (from < 1 || from > n || to < 1 || to > n || from == to)
            continue;
        const int a = std::min(from, to), b = std::max(from, to);
        int& line = lineAt[a * (n + 1) + b];
        if (line < 0) {
            line = static_cast<int>(lines.size());
            lines.push_back({a, b, 0, 0});
            linesOf[a].push_back(line);
            linesOf[b].push_back(line);
        }
        ++(from == a ? lines[line].ab : lines[line].ba);
        const int marker = static_cast<int>(markers.size());
        markers.push_back({from, to});
        markersOf[from].push_back(marker);
        markersOf[to].push_back(marker);
        ++tieCount[a * (n + 1) + b];
        ++tieCount[b * (n + 1) + a];
        chose[from * (n + 1) + to] |= static_cast<char>(choice.positive());
    }
    for (int a = 1; a <= n; ++a)
        for (int b = 1; b <= n; ++b)
            mutualPositive[a * (n + 1) + b] = chose[a * (n + 1) + b] & chose[b * (n + 1) + a];
}

std::vector<int> chainOrder(const ChoiceGraph& graph)
{
    const int n = graph.n;
    std::vector<int> order;
    std::vector<int> total(n + 1, 0), toPlaced(n + 1, 0);
    std::vector<bool> placed(n + 1, false);
    for (int s = 1; s <= n; ++s)
        for (int t = 1; t <= n; ++t)
            total[s] += graph.ties(s, t);
    while (static_cast<int>(order.size()) < n) {
        int best = 0;
        long bestKey[3] = {-1, -1, -1};
        for (int s = 1; s <= n; ++s) {
            if (placed[s])
                continue;
            // Ties to the last three placed weigh most, so the chain stays local; ties
            // to anyone placed and the subject's own weight break the rest.
            long recent = 0;
            for (int k = 0; k < 3 && k < static_cast<int>(order.size()); ++k)
                recent += (3 - k) * graph.ties(order[order.size() - 1 - k], s);
            const long key[3] = {recent, toPlaced[s], total[s]};
            if (std::lexicographical_compare(bestKey, bestKey + 3, key, key + 3)) {
                std::copy(key, key + 3, bestKey);
                best = s;
            }
        }
        placed[best] = true;
        order.push_back(best);
        for (int s = 1; s <= n; ++s)
            toPlaced[s] += graph.ties(best, s);
    }
    return order;
}

} // namespace Layout::TidySupport
