#pragma once
// Cliques of a class: the sets of pupils who all chose one another. Values in and out,
// so that Tidy and the analysis window count the same cliques.

#include "choice.h"

#include <vector>

namespace Shared {

// Every maximal set of three or more of the subjects 1..n in which each pair chose each
// other under the positive criterion. Each clique lists its members in ascending order
// and the cliques come largest first, then in the order of their members. Choices naming
// someone outside 1..n, or the chooser himself, are ignored.
std::vector<std::vector<int>> maximalCliques(int n, const std::vector<Choice>& choices);

} // namespace Shared
