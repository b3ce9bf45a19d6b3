// Tidy on fixed slots (Circle, Square). The order of the pupils round the frame decides
// nearly all: friends on neighbouring slots draw short lines that cross nothing, so the
// order comes from the circular crossing reduction with each clique on consecutive
// slots. The slots only then come in: the order is turned to where the fewest short
// lines run under a label, and the labels step in or out from the middle, which keeps
// the order, until no line runs under a label.

#include "cliques.h"
#include "cyclicorder.h"
#include "polish.h"
#include "tidy.h"

#include <cmath>
#include <numeric>

namespace Layout {

using namespace TidySupport;

namespace {

// The slots in their order around the picture, as the eye follows the frame.
std::vector<int> slotsAround(const std::vector<QPointF>& slots, int n, QPointF centre)
{
    std::vector<double> angle(n + 1, 0);
    for (int s = 1; s <= n; ++s) {
        angle[s] = std::atan2(slots[s].x() - centre.x(), centre.y() - slots[s].y());
        if (!std::isfinite(angle[s]))
            angle[s] = 0;
    }
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 1);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return angle[a] < angle[b]; });
    return order;
}

// Lines under labels of the short lines only: a long line crosses the empty middle,
// and the turn of the order changes little else.
int shortLinesUnder(const ChoiceGraph& g, const std::vector<QPointF>& at,
                    const std::vector<int>& placeOf, QSizeF label)
{
    const int n = g.n;
    const double w = label.width(), h = label.height();
    int count = 0;
    for (const ChoiceGraph::Line& line : g.lines) {
        const int span = std::abs(placeOf[line.a] - placeOf[line.b]);
        if (std::min(span, n - span) > n / 4 + 1)
            continue;
        const QPointF a = at[line.a], b = at[line.b];
        for (int k = 1; k <= n; ++k)
            count += (k != line.a) & (k != line.b) & !g.excused(line.a, line.b, k) &
                     lineUnderLabel(a.x() + w / 2, a.y() + h / 2, b.x() + w / 2, b.y() + h / 2,
                                    at[k].x(), at[k].y(), w, h);
    }
    return count;
}

} // namespace

std::vector<QPointF> tidyOnSlots(const std::vector<QPointF>& slots, int n,
                                 const std::vector<Choice>& choices, QSizeF label)
{
    n = std::clamp(n, 0, std::max(0, static_cast<int>(slots.size()) - 1));
    std::vector<QPointF> result(slots.begin(),
                                slots.begin() + std::min<size_t>(slots.size(), n + 1));
    if (n < 3)
        return result;
    const ChoiceGraph graph(n, choices);
    const std::vector<int> order = cyclicOrder(graph, maximalCliques(n, choices));
    QPointF centre;
    for (int s = 1; s <= n; ++s)
        centre += slots[s] / n;
    const std::vector<int> around = slotsAround(slots, n, centre);

    std::vector<QPointF> best, trial(n + 1);
    std::vector<int> placeOf(n + 1), home(n + 1), bestHome;
    int fewest = -1;
    for (int direction : {1, -1}) {
        for (int shift = 0; shift < n; ++shift) {
            for (int k = 0; k < n; ++k) {
                const int place = ((direction * k + shift) % n + n) % n;
                placeOf[order[k]] = place;
                home[order[k]] = around[place];
                trial[order[k]] = slots[around[place]];
            }
            const int under = shortLinesUnder(graph, trial, placeOf, label);
            if (fewest < 0 || under < fewest) {
                fewest = under;
                best = trial;
                bestHome = home;
            }
        }
    }

    const Steps inOrOut = [&](int s, const TidyScene&, std::vector<QPointF>& out) {
        const QPointF slot = slots[bestHome[s]];
        const QPointF outward = slot - centre;
        const double length = std::hypot(outward.x(), outward.y());
        if (!(length > 0))
            return;
        for (double step :
             {60.0, -60.0, 120.0, -120.0, 180.0, -180.0, 240.0, -240.0, 300.0, -300.0})
            out.push_back(slot + outward * (step / length));
    };
    keepBetter(result, polish(graph, label, best, inOrOut, 4), slots, n, choices, label);
    return result;
}

} // namespace Layout
