#include "routescene.h"

#include <QLineF>
#include <cmath>

namespace Layout::Routing {

namespace {

constexpr double Clearance = 60; // a bent line's gap to the label it goes round

// The corners of a bent line: each label in its way is passed on the nearer side, or on the
// other where that leaves fewer labels under the line.
Path bendCorners(const Scene& s, int a, int b, double clear)
{
    Path corners{s.centre[std::size_t(a)], s.centre[std::size_t(b)]};
    for (int round = 0; round < 6; ++round) {
        int blocker = 0;
        std::size_t piece = 0;
        for (; piece + 1 < corners.size(); ++piece)
            if (labelsUnder(s, a, b, {corners[piece], corners[piece + 1]}, &blocker) > 0)
                break;
        if (blocker == 0)
            break;
        const QPointF k = s.centre[std::size_t(blocker)];
        const QLineF along(corners[piece], corners[piece + 1]);
        const QPointF d = along.p2() - along.p1();
        const double length = std::hypot(d.x(), d.y());
        if (!(length > 0))
            break;
        QPointF side(-d.y() / length, d.x() / length);
        if (QPointF::dotProduct(along.p1() - k, side) < 0)
            side = -side;
        Path best;
        int fewest = -1;
        for (const QPointF& way : {side, -side}) {
            Path tried = corners;
            tried.insert(tried.begin() + std::ptrdiff_t(piece) + 1, k + way * clear);
            const int under = labelsUnder(s, a, b, tried);
            if (fewest < 0 || under < fewest) {
                fewest = under;
                best = std::move(tried);
            }
        }
        corners = std::move(best);
    }
    return corners;
}

// A smooth curve through the corners (Catmull-Rom), as points.
Path smoothed(const Path& corners)
{
    if (corners.size() < 3)
        return corners;
    Path curve;
    constexpr int PerPiece = 10;
    for (std::size_t i = 0; i + 1 < corners.size(); ++i) {
        const QPointF p0 = corners[i == 0 ? 0 : i - 1], p1 = corners[i], p2 = corners[i + 1];
        const QPointF p3 = corners[std::min(i + 2, corners.size() - 1)];
        for (int k = 0; k < PerPiece; ++k) {
            const double t = double(k) / PerPiece, t2 = t * t, t3 = t2 * t;
            curve.push_back(0.5 *
                            ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                             (-p0 + 3 * p1 - 3 * p2 + p3) * t3));
        }
    }
    curve.push_back(corners.back());
    return curve;
}

} // namespace

Path routeRound(const Scene& s, int a, int b, QSizeF label)
{
    const double clear = std::hypot(label.width(), label.height()) / 2 + Clearance;
    const Path straight{s.centre[std::size_t(a)], s.centre[std::size_t(b)]};
    const int before = labelsUnder(s, a, b, straight);
    if (before == 0)
        return {};
    const Path corners = bendCorners(s, a, b, clear);
    Path curve = smoothed(corners);
    if (labelsUnder(s, a, b, curve) > labelsUnder(s, a, b, corners))
        curve = corners;
    if (labelsUnder(s, a, b, curve) < before)
        return curve;
    return {};
}

LineRoutes routeAround(const Scene& s, QSizeF label)
{
    LineRoutes routes;
    for (const auto& [a, b] : s.lines)
        if (Path path = routeRound(s, a, b, label); !path.empty())
            routes.paths[{a, b}] = std::move(path);
    return routes;
}

} // namespace Layout::Routing
