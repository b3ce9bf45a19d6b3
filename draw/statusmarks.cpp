#include "statusmarks.h"

#include "paint.h"
#include "status.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const QColor Liked(0, 158, 115); // bluish green: far from the labels' red in every vision
const QColor Rejected(0, 0, 0);
const QColor LeftOut(90, 90, 90);
const QColor Badge(230, 159, 0);

constexpr qreal InnerRing = 45; // gaps between the label and its outlines, twips
constexpr qreal OuterRing = 105;
constexpr qreal ThinWidth = 20;
constexpr qreal ThickWidth = 70;
constexpr qreal DashedWidth = 25;
constexpr qreal BadgeSide = 150;

Primitive outline(const QRectF& label, qreal gap, const QColor& colour, qreal width,
                  bool dashed = false)
{
    return rectanglePrimitive(label.adjusted(-gap, -gap, gap, gap), colour, {}, width, dashed);
}

} // namespace

PrimitiveList statusMarkPrimitives(const QRectF& label, Status mark)
{
    switch (mark) {
    case Status::None:
    case Status::Average:
    case Status::Unclassified:
        return {};
    case Status::Popular:
    case Status::MostChosen:
        return {outline(label, InnerRing, Liked, ThinWidth),
                outline(label, OuterRing, Liked, ThinWidth)};
    case Status::Rejected:
        return {outline(label, (InnerRing + OuterRing) / 2, Rejected, ThickWidth)};
    case Status::Neglected:
    case Status::Isolate:
        return {outline(label, (InnerRing + OuterRing) / 2, LeftOut, DashedWidth, true)};
    case Status::RejectedIsolate:
        return {outline(label, InnerRing, Rejected, ThickWidth),
                outline(label, OuterRing + DashedWidth, LeftOut, DashedWidth, true)};
    case Status::Controversial: {
        const QPointF corner = label.topRight() + QPointF(-BadgeSide / 2, -BadgeSide / 2);
        return {rectanglePrimitive(QRectF(corner, QSizeF(BadgeSide, BadgeSide)), Rejected, Badge)};
    }
    }
    return {};
}

qreal statusMarkReach(Status mark)
{
    const QRectF square(0, 0, 100, 100);
    qreal reach = 0;
    for (const Primitive& p : statusMarkPrimitives(square, mark))
        reach = std::max({reach, -p.p1.x() + p.width / 2, -p.p1.y() + p.width / 2,
                          p.p2.x() - 100 + p.width / 2});
    return reach;
}
