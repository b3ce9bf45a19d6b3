#include "lineroutes.h"

#include "codes.h"
#include "routescene.h"
#include "tidysupport.h"

#include <QLineF>
#include <algorithm>

namespace Layout {

using namespace TidySupport;
using namespace Routing;

namespace Routing {

Scene sceneOf(const std::vector<QPointF>& leftTop, const std::vector<Choice>& choices, QSizeF label)
{
    Scene s;
    s.n = std::max(0, static_cast<int>(leftTop.size()) - 1);
    s.centre.resize(std::size_t(s.n + 1));
    s.square.resize(std::size_t(s.n + 1));
    for (int i = 1; i <= s.n; ++i) {
        s.square[std::size_t(i)] = QRectF(leftTop[std::size_t(i)], label);
        s.centre[std::size_t(i)] = s.square[std::size_t(i)].center();
    }
    s.mutual.assign(std::size_t((s.n + 1) * (s.n + 1)), 0);
    std::vector<char> chosen(s.mutual.size(), 0), drawn(s.mutual.size(), 0);
    const auto at = [&](int a, int b) { return std::size_t(a * (s.n + 1) + b); };
    for (const Choice& c : choices) {
        if (c.chooser < 1 || c.chosen < 1 || c.chooser > s.n || c.chosen > s.n ||
            c.chooser == c.chosen)
            continue;
        if (c.positive())
            chosen[at(c.chooser, c.chosen)] = 1;
        const int a = std::min(c.chooser, c.chosen), b = std::max(c.chooser, c.chosen);
        if (!drawn[at(a, b)]) {
            drawn[at(a, b)] = 1;
            s.lines.emplace_back(a, b);
        }
    }
    for (int a = 1; a <= s.n; ++a)
        for (int b = 1; b <= s.n; ++b)
            s.mutual[at(a, b)] = chosen[at(a, b)] && chosen[at(b, a)];
    return s;
}

bool pieceUnder(QPointF p, QPointF q, const QRectF& r)
{
    return lineUnderLabel(p.x(), p.y(), q.x(), q.y(), r.left(), r.top(), r.width(), r.height());
}

// The labels the path of line (a, b) runs under, but for clique mates of both ends.
int labelsUnder(const Scene& s, int a, int b, const Path& path, int* first)
{
    int count = 0;
    for (std::size_t p = 0; p + 1 < path.size(); ++p)
        for (int k = 1; k <= s.n; ++k)
            if (k != a && k != b && !s.excused(a, b, k) &&
                pieceUnder(path[p], path[p + 1], s.square[std::size_t(k)])) {
                if (count == 0 && first)
                    *first = k;
                ++count;
            }
    return count;
}

} // namespace Routing

Path LineRoutes::between(int a, int b) const
{
    const auto found = paths.find({std::min(a, b), std::max(a, b)});
    if (found == paths.end())
        return {};
    Path path = found->second;
    if (a > b)
        std::reverse(path.begin(), path.end());
    return path;
}

LineRoutes routeLines(int sociogramType, const std::vector<QPointF>& leftTop,
                      const std::vector<Choice>& choices, QSizeF area, QSizeF label)
{
    const Scene s = sceneOf(leftTop, choices, label);
    switch (sociogramType) {
    case Codes::SociogramType::Circle:
        return routeOutside(s, false, area, label);
    case Codes::SociogramType::Square:
        return routeOutside(s, true, area, label);
    default:
        return routeAround(s, label);
    }
}

QPointF pointAlong(const Path& path, double fraction)
{
    if (path.empty())
        return {};
    double total = 0;
    for (std::size_t i = 0; i + 1 < path.size(); ++i)
        total += QLineF(path[i], path[i + 1]).length();
    double left = total * fraction;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const QLineF piece(path[i], path[i + 1]);
        if (left <= piece.length() && piece.length() > 0)
            return piece.pointAt(left / piece.length());
        left -= piece.length();
    }
    return path.back();
}

bool pathUnderLabel(const Path& path, const QRectF& label)
{
    for (std::size_t i = 0; i + 1 < path.size(); ++i)
        if (pieceUnder(path[i], path[i + 1], label))
            return true;
    return false;
}

DrawnCount countDrawn(const LineRoutes& routes, const std::vector<QPointF>& leftTop,
                      const std::vector<Choice>& choices, QSizeF label)
{
    const Scene s = sceneOf(leftTop, choices, label);
    DrawnCount count;
    std::vector<Path> drawn;
    std::vector<QRectF> bounds;
    for (const auto& [a, b] : s.lines) {
        Path path = routes.between(a, b);
        if (path.empty())
            path = {s.centre[std::size_t(a)], s.centre[std::size_t(b)]};
        count.linesUnder += labelsUnder(s, a, b, path);
        double left = path.front().x(), right = left, top = path.front().y(), bottom = top;
        for (const QPointF& p : path) {
            left = std::min(left, p.x());
            right = std::max(right, p.x());
            top = std::min(top, p.y());
            bottom = std::max(bottom, p.y());
        }
        bounds.emplace_back(QPointF(left - 1, top - 1), QPointF(right + 1, bottom + 1));
        drawn.push_back(std::move(path));
    }
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (std::size_t j = i + 1; j < drawn.size(); ++j) {
            const auto [a, b] = s.lines[i];
            const auto [c, d] = s.lines[j];
            if (a == c || a == d || b == c || b == d || !bounds[i].intersects(bounds[j]))
                continue;
            for (std::size_t p = 0; p + 1 < drawn[i].size(); ++p)
                for (std::size_t q = 0; q + 1 < drawn[j].size(); ++q) {
                    const QPointF u = drawn[i][p], v = drawn[i][p + 1];
                    const QPointF w = drawn[j][q], x = drawn[j][q + 1];
                    count.crossings +=
                        segmentsCross(u.x(), u.y(), v.x(), v.y(), w.x(), w.y(), x.x(), x.y());
                }
        }
    return count;
}

} // namespace Layout
