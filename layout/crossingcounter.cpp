// Crossings of the lines round a circle, counted from the order alone.

#include "cyclicorder.h"

namespace Layout::TidySupport {

CrossingCounter::CrossingCounter(const ChoiceGraph& graph)
    : g(graph), n(graph.n), at(n + 1), ends(n * n), below((n + 1) * (n + 1))
{
}

// Two chords cross when their ends alternate: for each chord p..q the chords with one
// end strictly inside and the other strictly after q, from a table of prefix sums.
int CrossingCounter::count(const std::vector<int>& order)
{
    for (int k = 0; k < n; ++k)
        at[order[k]] = k;
    std::fill(ends.begin(), ends.end(), 0);
    for (const ChoiceGraph::Line& line : g.lines) {
        const int p = std::min(at[line.a], at[line.b]), q = std::max(at[line.a], at[line.b]);
        ++ends[p * n + q];
    }
    const int m = n + 1;
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            below[(i + 1) * m + j + 1] =
                ends[i * n + j] + below[i * m + j + 1] + below[(i + 1) * m + j] - below[i * m + j];
    int total = 0;
    for (const ChoiceGraph::Line& line : g.lines) {
        const int p = std::min(at[line.a], at[line.b]), q = std::max(at[line.a], at[line.b]);
        if (q - p < 2 || q + 1 >= n)
            continue;
        total += below[q * m + n] - below[(p + 1) * m + n] - below[q * m + q + 1] +
                 below[(p + 1) * m + q + 1];
    }
    return total;
}

} // namespace Layout::TidySupport
