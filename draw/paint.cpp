#include "paint.h"

#include "codes.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

QPen hairline(const QColor& colour)
{
    QPen pen(colour, 0, Qt::SolidLine); // width 0: one device pixel at any scale
    pen.setCosmetic(true);
    return pen;
}

QBrush brushFor(const QColor& fill)
{
    return fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush);
}

QRectF scaledRect(const Primitive& p, qreal scale)
{
    return QRectF(p.p1 * scale, p.p2 * scale).normalized();
}

void paintCaption(QPainter& painter, const Primitive& p, qreal scale)
{
    if (p.text.isEmpty())
        return;
    // Captions wider than the square overhang it on both sides.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(hairline(p.pen.isValid() ? p.pen : QColor(Qt::black)));
    painter.drawText(scaledRect(p, scale), Qt::AlignCenter | Qt::TextDontClip, p.text);
}

void paintName(QPainter& painter, const Primitive& p, qreal scale)
{
    painter.save();
    painter.setFont(nameFont(painter.font()));
    painter.setPen(hairline(p.pen.isValid() ? p.pen : QColor(Qt::black)));
    const QRectF band = scaledRect(p, scale);
    // Cut to the band here, as the type's width depends on the device.
    const QString shown =
        painter.fontMetrics().elidedText(p.text, Qt::ElideRight, int(std::floor(band.width())));
    // A pale ground under the name keeps it readable where choice lines cross it; it stays
    // in the band, which no other name or label enters.
    const QRectF ground = QRectF(painter.fontMetrics().boundingRect(
                                     band.toAlignedRect(), Qt::AlignHCenter | Qt::AlignTop, shown))
                              .adjusted(-1, 0, 1, 0) &
                          band;
    painter.fillRect(ground, QColor(255, 255, 255, 210));
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignTop | Qt::TextDontClip, shown);
    painter.restore();
}

// Pen and brush of the primitive painted last: most neighbours share them (all the
// black choice lines, all the markers), and QPainter's state changes are not free.
struct PaintState {
    QColor pen;
    QColor fill;
    bool started = false;
    bool plain = true; // a one-pixel solid pen
};

QPen penFor(const Primitive& p, qreal scale)
{
    if (!p.pen.isValid())
        return QPen(Qt::NoPen);
    if (p.width <= 0 && !p.dashed)
        return hairline(p.pen);
    QPen pen(p.pen, std::max(p.width * scale, 1.0), p.dashed ? Qt::DashLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

void applyColours(QPainter& painter, const Primitive& p, qreal scale, PaintState& last)
{
    const bool plain = p.width <= 0 && !p.dashed;
    if (!last.started || p.pen != last.pen || !plain || !last.plain)
        painter.setPen(penFor(p, scale));
    if (!last.started || p.fill != last.fill)
        painter.setBrush(brushFor(p.fill));
    last = {p.pen, p.fill, true, plain};
}

void paintOne(QPainter& painter, const Primitive& p, qreal scale, PaintState& last)
{
    applyColours(painter, p, scale, last);
    switch (p.kind) {
    case Primitive::Kind::Line:
        painter.drawLine(p.p1 * scale, p.p2 * scale);
        break;
    case Primitive::Kind::Path: {
        // One path, so that a file keeps the line as one.
        QPainterPath path;
        for (std::size_t i = 0; i < p.points.size(); ++i)
            i == 0 ? path.moveTo(p.points[i] * scale) : path.lineTo(p.points[i] * scale);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
        last.started = false;
        break;
    }
    case Primitive::Kind::Disc:
    case Primitive::Kind::Circle:
        painter.drawEllipse(p.p1 * scale, p.radius * scale, p.radius * scale);
        break;
    case Primitive::Kind::SquareOutline:
    case Primitive::Kind::Rectangle:
        painter.drawRect(scaledRect(p, scale));
        break;
    case Primitive::Kind::Label:
        painter.drawRect(scaledRect(p, scale));
        paintCaption(painter, p, scale);
        last.started = false; // the caption changed pen and brush
        break;
    case Primitive::Kind::Name:
        paintName(painter, p, scale);
        last.started = false;
        break;
    }
}

} // namespace

void paintPrimitives(QPainter& painter, const PrimitiveList& list, qreal scale)
{
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    PaintState last;
    for (const Primitive& p : list)
        paintOne(painter, p, scale, last);
    painter.restore();
}

Primitive labelPrimitive(QPointF leftTop, qreal side, const QString& caption)
{
    Primitive p;
    p.kind = Primitive::Kind::Label;
    p.p1 = leftTop;
    p.p2 = leftTop + QPointF(side, side);
    p.pen = DrawColour::LabelOutline;
    p.fill = DrawColour::LabelBack;
    p.text = caption;
    return p;
}

Primitive namePrimitive(const QRectF& band, const QString& name)
{
    Primitive p;
    p.kind = Primitive::Kind::Name;
    p.p1 = band.topLeft();
    p.p2 = band.bottomRight();
    p.pen = DrawColour::LabelOutline;
    p.text = name.simplified();
    return p;
}

QFont nameFont(const QFont& labelFont)
{
    // Smaller than the number so that the label stays the thing the eye finds first.
    QFont font = labelFont;
    if (font.pixelSize() > 0)
        font.setPixelSize(std::max(1, font.pixelSize() * 4 / 5));
    else
        font.setPointSizeF(font.pointSizeF() * 0.8);
    return font;
}

QRectF scaled(const QRectF& twips, qreal scale)
{
    return QRectF(twips.topLeft() * scale, twips.size() * scale);
}

const QImage& twipsMeasure()
{
    static const QImage image = [] {
        constexpr double MetresPerInch = 0.0254;
        QImage i(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(Codes::TwipsPerInch / MetresPerInch);
        i.setDotsPerMeterX(dotsPerMetre);
        i.setDotsPerMeterY(dotsPerMetre);
        return i;
    }();
    return image;
}
