// Tidy for the Random layout: labels may go anywhere inside the area. The labels are
// first brought inside and pushed off one another to the nearest free spot, so the
// picture keeps its look; the search then nudges, jumps and swaps labels and draws
// labels towards the friends they are tied to.

#include "tidy.h"
#include "tidyscene.h"

#include "annealing.h"

#include <cmath>

namespace Layout {

using namespace TidySupport;

namespace {

using Codes::Geometry::Pi;

struct Area {
    double right, bottom; // the furthest Left and Top that keep a label inside

    QPointF inside(QPointF p) const
    {
        return {std::clamp(p.x(), 0.0, right), std::clamp(p.y(), 0.0, bottom)};
    }
};

// The spot nearest to `from` that overlaps none of `others`, searched on widening
// circles; `from` itself when the area has no such spot.
QPointF nearestFree(QPointF from, const std::vector<QPointF>& others, const Area& area,
                    QSizeF label)
{
    const auto free = [&](QPointF p) {
        for (const QPointF& o : others)
            if (squaresOverlap(p.x(), p.y(), o.x(), o.y(), label.width(), label.height()))
                return false;
        return true;
    };
    if (free(from))
        return from;
    const double step = label.width() / 6;
    const double reach = area.right + area.bottom + label.width();
    for (double radius = step; radius <= reach; radius += step) {
        const int tries = std::max(8, static_cast<int>(2 * Pi * radius / step));
        for (int k = 0; k < tries; ++k) {
            const double angle = 2 * Pi * k / tries;
            const QPointF p = area.inside(
                {from.x() + radius * std::sin(angle), from.y() - radius * std::cos(angle)});
            if (free(p))
                return p;
        }
    }
    return from;
}

} // namespace

std::vector<QPointF> tidyFree(const std::vector<QPointF>& current, int n,
                              const std::vector<Choice>& choices, QSizeF area, QSizeF label)
{
    n = std::max(n, 0);
    std::vector<QPointF> result(n + 1);
    if (!current.empty())
        result[0] = current[0];
    if (n < 1)
        return result;
    const Area bounds{std::max(0.0, area.width() - label.width()),
                      std::max(0.0, area.height() - label.height())};

    // The picture to beat is the present one brought inside the area; a label with no
    // present position starts on a circle about the centre.
    std::vector<QPointF> given(n + 1);
    const double radius = std::min(bounds.right, bounds.bottom) / 2;
    for (int s = 1; s <= n; ++s) {
        const double angle = 2 * Pi * (s - 1) / n;
        const QPointF start = s < static_cast<int>(current.size())
                                  ? current[s]
                                  : QPointF(bounds.right / 2 + radius * std::sin(angle),
                                            bounds.bottom / 2 - radius * std::cos(angle));
        given[s] =
            bounds.inside(std::isfinite(start.x()) && std::isfinite(start.y()) ? start : QPointF());
    }
    std::vector<QPointF> settled, start(n + 1);
    for (int s = 1; s <= n; ++s) {
        start[s] = nearestFree(given[s], settled, bounds, label);
        settled.push_back(start[s]);
    }

    const ChoiceGraph graph(n, choices);
    TidyScene scene(graph, label, start);
    Random random(0x5eed0003u + static_cast<unsigned>(n));
    std::vector<QPointF> best = scene.positions();
    const double reach = 2 * label.width();
    const auto move = [&](double temperature) {
        const int s = 1 + random.below(n);
        const QPointF at = scene.position(s);
        const int kind = random.below(10);
        if (kind < 2 && n >= 2) {
            const int t = 1 + (s + random.below(n - 1)) % n;
            return scene.tryMove({s, t}, {scene.position(t), at}, temperature, true, random);
        }
        QPointF to;
        if (kind < 4) {
            to = {random.unit() * bounds.right, random.unit() * bounds.bottom};
        } else if (kind < 6 && !graph.linesOf[s].empty()) {
            // Part of the way towards the middle of the labels it is tied to.
            QPointF middle;
            for (int line : graph.linesOf[s]) {
                const ChoiceGraph::Line& l = graph.lines[line];
                middle += scene.position(l.a == s ? l.b : l.a);
            }
            middle /= static_cast<double>(graph.linesOf[s].size());
            to = at + (middle - at) * (0.3 + 0.6 * random.unit());
        } else {
            to = at + QPointF((2 * random.unit() - 1) * reach, (2 * random.unit() - 1) * reach);
        }
        // A jump anywhere must earn its place; a short step may drift sideways.
        return scene.tryMove({s}, {bounds.inside(to)}, temperature, kind >= 4, random);
    };
    Shared::anneal(
        searchRounds(graph, 110000, 50, 400), move, [&] { return scene.score(); },
        [&] { best = scene.positions(); });
    keepBetter(result, best, given, n, choices, label);
    return result;
}

} // namespace Layout
