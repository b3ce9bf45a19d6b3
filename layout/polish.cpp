#include "polish.h"

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
                            const std::vector<QPointF>& start, const Steps& steps, int passes)
{
    TidyScene scene(graph, label, start);
    Random unused(0); // no worse picture is ever taken, so the draw never comes
    std::vector<QPointF> candidates;
    for (int pass = 0; pass < passes; ++pass) {
        bool improved = false;
        for (int s : troubled(graph, scene, label)) {
            candidates.clear();
            steps(s, scene, candidates);
            for (const QPointF& to : candidates)
                improved |= scene.tryMove({s}, {to}, 0, false, unused);
        }
        if (!improved)
            break;
    }
    return scene.positions();
}

} // namespace Layout::TidySupport
