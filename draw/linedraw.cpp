#include "linedraw.h"

#include "paint.h"

#include <cmath>
#include <limits>

namespace {

bool isSubject(int n)
{
    return n >= 0 && n <= Codes::MaxSubjects;
}

QPoint leftTopOf(const PositionTable& positions, int subject)
{
    const auto& pos = positions[static_cast<std::size_t>(subject)];
    return {pos[0], pos[1]};
}

Primitive circle(QPointF centre, qreal radius, const QColor& colour)
{
    Primitive p;
    p.kind = Primitive::Kind::Circle;
    p.p1 = centre;
    p.radius = radius;
    p.pen = colour;
    return p;
}

} // namespace

QPointF SpotDraw(QPointF chooserCentre, QPointF chosenCentre)
{
    return {Shared::markerAt(chooserCentre.x(), chosenCentre.x()),
            Shared::markerAt(chooserCentre.y(), chosenCentre.y())};
}

QPointF labelCentre(const PositionTable& positions, int subject, QSizeF labelSize)
{
    const QPoint lt = leftTopOf(positions, subject);
    return {lt.x() + labelSize.width() / 2, lt.y() + labelSize.height() / 2};
}

Primitive choiceLine(QPointF from, QPointF to, const Layout::Path& path, const LineLook& look)
{
    Primitive line;
    line.kind = path.empty() ? Primitive::Kind::Line : Primitive::Kind::Path;
    line.p1 = path.empty() ? from : path.front();
    line.p2 = path.empty() ? to : path.back();
    line.points = path;
    line.pen = look.colour;
    line.width = look.width;
    line.dashed = look.dashed;
    return line;
}

Primitive choiceMarker(QPointF at, bool positive, const QColor& colour, qreal width)
{
    Primitive marker;
    marker.pen = colour;
    if (positive) {
        marker.kind = Primitive::Kind::Disc;
        marker.p1 = at;
        marker.radius = DrawSize::DiscRadius;
        marker.fill = colour;
    } else {
        const QPointF half(DrawSize::SquareHalfSide, DrawSize::SquareHalfSide);
        marker.kind = Primitive::Kind::SquareOutline;
        marker.p1 = at - half;
        marker.p2 = at + half;
        marker.width = width;
    }
    return marker;
}

std::vector<QPointF> labelLeftTops(const PositionTable& positions, int n)
{
    std::vector<QPointF> leftTop(std::size_t(std::max(n, 0) + 1));
    for (int s = 1; s <= n && s <= Codes::MaxSubjects; ++s)
        leftTop[std::size_t(s)] = QPointF(leftTopOf(positions, s));
    return leftTop;
}

bool appendChoice(PrimitiveList& list, const Choice& choice, const PositionTable& positions,
                  QSizeF labelSize, const Layout::LineRoutes* routes)
{
    if (!isSubject(choice.chooser) || !isSubject(choice.chosen))
        return false;
    const QPointF from = labelCentre(positions, choice.chooser, labelSize);
    const QPointF to = labelCentre(positions, choice.chosen, labelSize);

    const Layout::Path path =
        routes ? routes->between(choice.chooser, choice.chosen) : Layout::Path{};
    list.push_back(choiceLine(from, to, path));

    const QPointF spot = path.empty() ? SpotDraw(from, to) : Layout::pointAlong(path, 0.25);
    list.push_back(choiceMarker(spot, choice.positive(), DrawColour::Marker));
    return true;
}

namespace {

// How far Tidy grew the frame of the Circle or the Square: its one moved "ring".
qreal grown(const std::vector<Layout::RingRadius>& moved)
{
    return moved.size() == 1 && moved[0].designed > 0
               ? qreal(moved[0].used) / qreal(moved[0].designed)
               : 1;
}

} // namespace

GuideShape guideShape(int sociogramType, long long maxReceived, qreal W, qreal H, RingOrder order,
                      const std::vector<Layout::RingRadius>& moved)
{
    GuideShape guide;
    const QPointF centre(W / 2, H / 2);
    switch (sociogramType) {
    case Codes::SociogramType::Circle:
        guide.shapes.push_back(
            circle(centre, Codes::Geometry::CircleRadius * grown(moved), DrawColour::Guide));
        break;
    case Codes::SociogramType::Square: {
        using Codes::Geometry::squareFrameFar, Codes::Geometry::squareFrameNear;
        const QPointF near(squareFrameNear(W), squareFrameNear(H));
        const QPointF far(squareFrameFar(W), squareFrameFar(H));
        guide.shapes.push_back(rectanglePrimitive(
            QRectF(centre + (near - centre) * grown(moved), centre + (far - centre) * grown(moved)),
            DrawColour::Guide));
        break;
    }
    case Codes::SociogramType::Target: {
        const long long rings = maxReceived + 1;
        if (rings == 0) {
            guide.errorNumber = Codes::ErrorNumber::DivisionByZero;
            break;
        }
        if (rings > std::numeric_limits<std::int32_t>::max()) {
            guide.errorNumber = Codes::ErrorNumber::Overflow;
            break;
        }
        const double step = Codes::Geometry::ringStep(static_cast<float>(W), rings);
        for (long long i = 1; i <= rings; ++i) {
            const long long k = order == RingOrder::Outward ? i : rings + 1 - i;
            const double radius = Codes::Geometry::ringRadius(static_cast<float>(W), rings, k);
            double shift = 0; // that of the outermost moved ring of labels inside the circle
            for (const Layout::RingRadius& ring : moved)
                if (ring.designed < radius - step / 4)
                    shift = qreal(ring.used) - qreal(ring.designed);
            guide.shapes.push_back(circle(centre, radius + shift, DrawColour::Guide));
        }
        break;
    }
    default: // the random layout has no guide
        break;
    }
    return guide;
}
