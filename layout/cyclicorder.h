#pragma once
// The order round a circle that keeps friends together: few crossing lines, and every
// clique on consecutive places. Internal to the layout library; Circle and Square put
// the order on their slots, the Target takes its angles from it.

#include "tidysupport.h"

#include <vector>

namespace Layout::TidySupport {

// Lines of the graph that cross when the subjects sit round a circle in an order, counted
// from the order alone (chords cross when their ends alternate).
class CrossingCounter {
public:
    explicit CrossingCounter(const ChoiceGraph& graph);
    int count(const std::vector<int>& order); // subjects 1..n, each once

private:
    const ChoiceGraph& g;
    int n;
    std::vector<int> at, ends, below;
};

// Subjects 1..n in a cyclic order with few crossings, the members of each clique next to
// each other (cliques that share members as one run), and with `pairs` then two pupils who
// chose each other and are in no clique.
std::vector<int> cyclicOrder(const ChoiceGraph& graph, const std::vector<std::vector<int>>& cliques,
                             bool pairs = true);

// The groups shown, each on consecutive places: a clique within one group stays together
// too, and the order starts from the cyclic order with each group gathered where its first
// member came.
struct Seating {
    std::vector<std::vector<int>> groups, cliques;
    std::vector<int> start;
};
Seating seatGroups(const ChoiceGraph& graph, const std::vector<std::vector<int>>& cliques,
                   const std::vector<int>& groupOf, int n, bool pairs = true);

} // namespace Layout::TidySupport
