#pragma once
// The last touch of every Tidy: once the order is set, labels step a little aside so
// that no line runs under a label. Internal to the layout library.

#include "tidyscene.h"

#include <functional>
#include <vector>

namespace Layout::TidySupport {

// The places label s may step to from the picture as it stands; the layout decides what
// keeps its shape (a label stays on its ring, a clique stays together).
using Steps = std::function<void(int s, const TidyScene& scene, std::vector<QPointF>& out)>;

// Tries the steps of labels that a line runs under, that end a line running under another,
// or that overlap another, one label a round in random order, and takes each step that
// leaves the picture no worse (a few more crossings now and then while the search is
// young), until a whole round of such labels changes nothing or `rounds` run out. Ends
// on the best picture seen.
std::vector<QPointF> polish(const ChoiceGraph& graph, QSizeF label,
                            const std::vector<QPointF>& start, const Steps& steps, int rounds,
                            Random& random);

} // namespace Layout::TidySupport
