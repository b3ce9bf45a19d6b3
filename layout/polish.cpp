#include "polish.h"

#include "annealing.h"

namespace Layout::TidySupport {

namespace {

// Labels that take part in a fault the steps can mend.
std::vector<int> troubled(const ChoiceGraph& g, const TidyScene& scene, QSizeF label)
{
    const int n = g.n;
    const double w = label.width(), h = label.height();
    std::vector<char> mark(n + 1, 0);
    for (const ChoiceGraph::Line& line : g.lines) {
        const QPointF a = scene.position(line.a), b = scene.position(line.b);
        for (int k = 1; k <= n; ++k) {
            const QPointF at = scene.position(k);
            if (k != line.a && k != line.b && !g.excused(line.a, line.b, k) &&
                lineUnderLabel(a.x() + w / 2, a.y() + h / 2, b.x() + w / 2, b.y() + h / 2, at.x(),
                               at.y(), w, h))
                mark[k] = mark[line.a] = mark[line.b] = 1;
        }
    }
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            if (squaresOverlap(scene.position(i).x(), scene.position(i).y(), scene.position(j).x(),
                               scene.position(j).y(), w, h))
                mark[i] = mark[j] = 1;
    std::vector<int> labels;
    for (int s = 1; s <= n; ++s)
        if (mark[s])
            labels.push_back(s);
    return labels;
}

} // namespace

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
                queue = troubled(graph, scene, label);
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
