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

// Tries the steps of every label that a line runs under, that ends a line running under
// another, or that overlaps another, and takes each step that ranks the picture higher,
// until nothing improves or `passes` run out.
std::vector<QPointF> polish(const ChoiceGraph& graph, QSizeF label,
                            const std::vector<QPointF>& start, const Steps& steps, int passes);

} // namespace Layout::TidySupport
