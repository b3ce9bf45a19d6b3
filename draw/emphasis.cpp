#include "emphasis.h"

#include <QLineF>
#include <algorithm>
#include <map>

namespace {

bool covered(QPointF point, qreal half, const std::vector<QRectF>& labels)
{
    const QRectF marker(point.x() - half, point.y() - half, 2 * half, 2 * half);
    return std::any_of(labels.begin(), labels.end(),
                       [&](const QRectF& label) { return label.intersects(marker); });
}

qreal markerHalf(bool positive)
{
    return (positive ? DrawSize::DiscRadius : DrawSize::SquareHalfSide) + DrawSize::MarkerClearance;
}

} // namespace

QPointF markerClearOfLabels(QPointF from, QPointF to, QPointF spot, qreal half,
                            const std::vector<QRectF>& labels)
{
    if (!covered(spot, half, labels))
        return spot;
    const QLineF path(from, to);
    const qreal length = path.length();
    if (length <= 0)
        return spot;
    // Walk from the designed spot towards the middle of the line in small steps: the
    // marker stays on its own half, next to the end it belongs to.
    const qreal start = QLineF(from, spot).length() / length;
    const qreal step = 10 / length;
    for (qreal t = start; t <= 0.5; t += step) {
        const QPointF at = path.pointAt(t);
        if (!covered(at, half, labels))
            return at;
    }
    return spot;
}

QPointF markerClearOnPath(const Layout::Path& path, qreal half, const std::vector<QRectF>& labels)
{
    const QPointF spot = Layout::pointAlong(path, 0.25);
    if (!covered(spot, half, labels))
        return spot;
    double length = 0;
    for (std::size_t i = 0; i + 1 < path.size(); ++i)
        length += QLineF(path[i], path[i + 1]).length();
    if (!(length > 0))
        return spot;
    for (double t = 0.25; t <= 0.5; t += 10 / length)
        if (const QPointF at = Layout::pointAlong(path, t); !covered(at, half, labels))
            return at;
    return spot;
}

PrimitiveList emphasisedChoiceLines(const std::vector<Choice>& choices,
                                    const PositionTable& positions, QSizeF labelSize,
                                    const std::vector<QRectF>& labels,
                                    const Layout::LineRoutes* routes)
{
    // A positive choice returned is drawn once, as the pair.
    std::map<std::pair<int, int>, int> positiveCount;
    for (const Choice& c : choices)
        if (c.positive() && c.chooser != c.chosen)
            ++positiveCount[{c.chooser, c.chosen}];
    const auto mutual = [&](const Choice& c) {
        return c.positive() && c.chooser != c.chosen &&
               positiveCount.count({c.chosen, c.chooser}) != 0;
    };

    PrimitiveList lines, markers;
    for (const Choice& c : choices) {
        const QPointF from = labelCentre(positions, c.chooser, labelSize);
        const QPointF to = labelCentre(positions, c.chosen, labelSize);
        const bool isMutual = mutual(c);
        const Layout::Path path = routes ? routes->between(c.chooser, c.chosen) : Layout::Path{};
        if (!isMutual || c.chooser < c.chosen) {
            const LineLook look =
                c.positive() ? LineLook{DrawColour::Line, isMutual ? DrawSize::MutualLineWidth : 0}
                             : LineLook{DrawColour::Negative, DrawSize::ColourLineWidth, true};
            lines.push_back(choiceLine(from, to, path, look));
        }
        const qreal half = markerHalf(c.positive());
        const QPointF at = path.empty()
                               ? markerClearOfLabels(from, to, SpotDraw(from, to), half, labels)
                               : markerClearOnPath(path, half, labels);
        markers.push_back(choiceMarker(at, c.positive(),
                                       c.positive() ? DrawColour::Marker : DrawColour::Negative,
                                       DrawSize::ColourLineWidth));
    }
    // Markers go over every line, so that no line hides one.
    lines.insert(lines.end(), markers.begin(), markers.end());
    return lines;
}
