#include "socioprint.h"

#include "codes.h"
#include "paint.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

qreal printScale(qreal pageWTwips, qreal pageHTwips, qreal W, qreal H)
{
    if (W <= 0 || H <= 0)
        return 0;
    return std::min(pageWTwips / W, pageHTwips / H);
}

void paintPage(QPainter& painter, const QPaintDevice& device, const PrimitiveList& page, qreal W,
               qreal H)
{
    // Device pixels per twip of the printable area, across and down.
    const qreal perTwipX = device.logicalDpiX() / Codes::TwipsPerInch;
    const qreal perTwipY = device.logicalDpiY() / Codes::TwipsPerInch;
    const qreal s = printScale(device.width() / perTwipX, device.height() / perTwipY, W, H);
    if (s <= 0)
        return;
    painter.save();
    if (perTwipY != perTwipX)
        painter.scale(1, perTwipY / perTwipX);
    paintPrimitives(painter, page, s * perTwipX);
    painter.restore();
}
