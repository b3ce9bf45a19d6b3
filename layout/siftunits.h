#pragma once

// The units the circular sifting moves, each a run of subjects kept on consecutive places.

#include "tidysupport.h"

#include <vector>

namespace Layout::TidySupport {

// Cliques that share members become one unit, laid out clique after clique so that as
// many as possible stay unbroken.
std::vector<std::vector<int>> cliqueUnits(int n, const std::vector<std::vector<int>>& cliques);

// The units with, after the cliques, each two pupils who chose each other and belong to no
// unit yet as one more (within one group when groups are given), taken along the chain of
// friends: a soft block, as the searches after may part them.
std::vector<std::vector<int>> withPairs(const ChoiceGraph& graph,
                                        std::vector<std::vector<int>> units,
                                        const std::vector<int>& groupOf = {});

// The chain of friends with each unit where its first member comes, every other subject a
// unit of its own.
std::vector<std::vector<int>> chainOfUnits(const ChoiceGraph& graph,
                                           const std::vector<std::vector<int>>& units);

} // namespace Layout::TidySupport
