#pragma once
// What the routes of lines round labels are worked out from, shared by the lines outside the
// frame (frameroutes.cpp) and those bent round labels (linebends.cpp). Internal to the layout
// library.

#include "lineroutes.h"

#include <QRectF>
#include <utility>
#include <vector>

namespace Layout::Routing {

// What the routes are worked out from: the label centres and which pairs chose each other.
struct Scene {
    int n = 0;
    std::vector<QPointF> centre;
    std::vector<QRectF> square;
    std::vector<std::pair<int, int>> lines; // (smaller, larger), each pair once
    std::vector<char> mutual;               // positive both ways, (n + 1) squared
    bool excused(int a, int b, int k) const
    {
        const auto m = [&](int x, int y) { return mutual[std::size_t(x * (n + 1) + y)] != 0; };
        return m(a, b) && m(a, k) && m(b, k);
    }
};

Scene sceneOf(const std::vector<QPointF>& leftTop, const std::vector<Choice>& choices,
              QSizeF label);
// Whether the piece from p to q runs under the square, shrunk as for lines under labels.
bool pieceUnder(QPointF p, QPointF q, const QRectF& r);
// The labels the path of line (a, b) runs under, but for clique mates of both ends; `first`,
// when given, receives the first of them.
int labelsUnder(const Scene& s, int a, int b, const Path& path, int* first = nullptr);
// The path of line (a, b) bent round the labels in its way; empty where it stays straight
// (it runs under none, or bending helps nothing).
Path routeRound(const Scene& s, int a, int b, QSizeF label);
// The lines that would run under a label bent round the labels in their way.
LineRoutes routeAround(const Scene& s, QSizeF label);
// The lines that would run under a label, and those that cross less that way, drawn outside
// the frame of the Circle or (`square`) the Square, each on its track.
LineRoutes routeOutside(const Scene& s, bool square, QSizeF area, QSizeF label);

} // namespace Layout::Routing
