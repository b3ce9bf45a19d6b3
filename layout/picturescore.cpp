#include "picturescore.h"

#include "tidysupport.h"

namespace Layout {

using namespace TidySupport;

PictureScore scorePicture(const std::vector<QPointF>& leftTop, int n,
                          const std::vector<Choice>& choices, QSizeF label)
{
    n = std::clamp(n, 0, std::max(0, static_cast<int>(leftTop.size()) - 1));
    const ChoiceGraph graph(n, choices);
    const double w = label.width(), h = label.height();
    std::vector<double> x(n + 1), y(n + 1);
    for (int s = 1; s <= n; ++s) {
        x[s] = leftTop[s].x();
        y[s] = leftTop[s].y();
    }
    PictureScore score;
    for (int i = 1; i <= n; ++i)
        for (int j = i + 1; j <= n; ++j)
            score.overlaps += squaresOverlap(x[i], y[i], x[j], y[j], w, h);

    const int count = static_cast<int>(graph.lines.size());
    std::vector<int> a(count), b(count);
    std::vector<double> x0(count), y0(count), x1(count), y1(count);
    for (int e = 0; e < count; ++e) {
        a[e] = graph.lines[e].a;
        b[e] = graph.lines[e].b;
        x0[e] = x[a[e]] + w / 2;
        y0[e] = y[a[e]] + h / 2;
        x1[e] = x[b[e]] + w / 2;
        y1[e] = y[b[e]] + h / 2;
    }
    for (int e = 0; e < count; ++e)
        for (int k = 1; k <= n; ++k)
            score.linesUnderLabels += (k != a[e]) & (k != b[e]) & !graph.excused(a[e], b[e], k) &
                                      lineUnderLabel(x0[e], y0[e], x1[e], y1[e], x[k], y[k], w, h);
    for (const ChoiceGraph::Marker& marker : graph.markers) {
        const double px = Shared::markerAt(x[marker.chooser] + w / 2, x[marker.chosen] + w / 2);
        const double py = Shared::markerAt(y[marker.chooser] + h / 2, y[marker.chosen] + h / 2);
        for (int k = 1; k <= n; ++k)
            score.markersUnderLabels += insideSquare(px, py, x[k], y[k], w, h);
    }
    for (int e = 0; e < count; ++e) {
        for (int f = e + 1; f < count; ++f) {
            const bool apart = (a[f] != a[e]) & (a[f] != b[e]) & (b[f] != a[e]) & (b[f] != b[e]);
            score.crossings +=
                apart & segmentsCross(x0[e], y0[e], x1[e], y1[e], x0[f], y0[f], x1[f], y1[f]);
        }
    }
    return score;
}

} // namespace Layout
