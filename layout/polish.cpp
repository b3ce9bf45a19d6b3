#include "polish.h"

#include "annealing.h"

namespace Layout::TidySupport {

std::vector<QPointF> polish(const ChoiceGraph& graph, QSizeF label,
                            const std::vector<QPointF>& start, const Steps& steps, int rounds,
                            Random& random)
{
    TidyScene scene(graph, label, start);
    std::vector<QPointF> best = scene.positions(), candidates;
    std::vector<int> queue;
    bool fresh = false; // whether the queue was filled after the last move taken
    Shared::anneal(
        rounds,
        [&](double temperature) {
            if (queue.empty()) {
                if (fresh)
                    return false; // every troubled label tried once since the last change
                queue = scene.troubled();
                fresh = true;
            }
            if (queue.empty())
                return false;
            const int pick = random.below(static_cast<int>(queue.size()));
            const int s = queue[pick];
            queue[pick] = queue.back();
            queue.pop_back();
            candidates.clear();
            steps(s, scene, candidates);
            bool taken = false;
            // A step no worse is taken as well, so that labels can make way for each other.
            for (const QPointF& to : candidates)
                taken |= scene.tryMove({s}, {to}, temperature, true, random);
            fresh = fresh && !taken;
            return taken;
        },
        [&] { return scene.score(); }, [&] { best = scene.positions(); });
    return best;
}

} // namespace Layout::TidySupport
