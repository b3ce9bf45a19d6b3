#include "paint.h"

#include "codes.h"
#include "fonts.h"

#include <QFontMetricsF>
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
    QRectF band = scaledRect(p, scale);
    // An upright band holds the name turned a quarter, starting at the end by its label.
    const bool upright = p.turn != Primitive::Turn::Level;
    if (upright) {
        painter.translate(band.center());
        painter.rotate(p.turn == Primitive::Turn::ReadingDown ? 90 : -90);
        band = QRectF(-band.height() / 2, -band.width() / 2, band.height(), band.width());
    }
    const Qt::Alignment along = upright ? Qt::AlignLeft : Qt::AlignHCenter;
    // Cut to the band here, as the type's width depends on the device.
    const QString shown =
        painter.fontMetrics().elidedText(p.text, Qt::ElideRight, int(std::floor(band.width())));
    // A pale ground under the name keeps it readable where choice lines cross it; it stays
    // in the band, which no other name or label enters.
    const QRectF ground = QRectF(painter.fontMetrics().boundingRect(band.toAlignedRect(),
                                                                    along | Qt::AlignTop, shown))
                              .adjusted(-1, 0, 1, 0) &
                          band;
    painter.fillRect(ground, QColor(255, 255, 255, 210));
    painter.drawText(band, along | Qt::AlignTop | Qt::TextDontClip, shown);
    painter.restore();
}

// `font`, made smaller where a longer language would run past `room` (device units):
// the key's captions have no room to grow into.
QFont fittedFont(QFont font, const QString& text, const QSizeF& room, int flags,
                 QPaintDevice* device)
{
    const qreal designed = font.pointSizeF();
    for (int step = 0; step < 3; ++step) { // text does not scale exactly with its size
        const QSizeF needed =
            QFontMetricsF(font, device).boundingRect(QRectF(QPointF(), room), flags, text).size();
        const qreal factor = std::min(room.width() / std::max(needed.width(), 1.0),
                                      room.height() / std::max(needed.height(), 1.0));
        if (factor >= 1)
            break;
        font.setPointSizeF(std::max(font.pointSizeF() * factor * 0.98, designed * 0.4));
    }
    return font;
}

QFont typeOf(const Primitive& p)
{
    QFont font = sociogramLabelFont();
    font.setPointSizeF(p.typeSize);
    font.setBold(p.bold);
    return font;
}

void paintText(QPainter& painter, const Primitive& p, qreal scale)
{
    const QRectF box = scaledRect(p, scale);
    painter.save();
    painter.setFont(p.fit ? fittedFont(typeOf(p), p.text, box.size(), p.flags, painter.device())
                          : typeOf(p));
    painter.setPen(p.pen);
    painter.drawText(box, p.flags, p.text);
    painter.restore();
}

// The border starts half the caption's height down, and the caption breaks it near its
// left end on the white of the page.
constexpr qreal FrameCaptionIndent = 90;
constexpr qreal FrameCaptionGap = 30; // cleared border on either side of the caption

void paintFrame(QPainter& painter, const Primitive& p, qreal scale)
{
    const QRectF box = QRectF(p.p1, p.p2).normalized();
    const QSizeF room((box.width() - 2 * FrameCaptionIndent) * scale, box.height() * scale);
    const QFont font =
        fittedFont(typeOf(p), p.text, room, Qt::AlignLeft | Qt::AlignVCenter, painter.device());
    const QFontMetricsF metrics(font, painter.device());
    const qreal captionHeight = metrics.height() / scale;
    const qreal captionWidth = metrics.horizontalAdvance(p.text) / scale;
    painter.save();
    painter.setPen(hairline(p.pen));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(scaled(box.adjusted(0, captionHeight / 2, 0, 0), scale));
    const QRectF caption(box.left() + FrameCaptionIndent, box.top(), captionWidth, captionHeight);
    painter.fillRect(scaled(caption.adjusted(-FrameCaptionGap, 0, FrameCaptionGap, 0), scale),
                     Qt::white);
    painter.setFont(font);
    painter.setPen(p.fill);
    painter.drawText(scaled(caption, scale), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                     p.text);
    painter.restore();
}

// Pen and brush of the primitive painted last: most neighbours share them (all the
// black choice lines, all the markers), and QPainter's state changes are not free.
struct PaintState {
    QColor pen;
    QColor fill;
    bool started = false;
    bool plain = true;    // a one-pixel solid pen
    bool clipped = false; // a Clip is in force, on a saved painter
};

// A Clip cuts within whatever cut the caller set, and its end gives that back.
void clip(QPainter& painter, const Primitive& p, qreal scale, PaintState& last)
{
    if (last.clipped)
        painter.restore();
    last.clipped = p.p1 != p.p2;
    if (last.clipped) {
        painter.save();
        painter.setClipRect(scaledRect(p, scale), Qt::IntersectClip);
    }
    last.started = false; // the painter's pen and brush may have been given back
}

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
    last.pen = p.pen;
    last.fill = p.fill;
    last.started = true;
    last.plain = plain;
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
    case Primitive::Kind::Text:
        paintText(painter, p, scale);
        break;
    case Primitive::Kind::Frame:
        paintFrame(painter, p, scale);
        break;
    case Primitive::Kind::Clip:
        clip(painter, p, scale, last);
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
    if (last.clipped)
        painter.restore();
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

Primitive textPrimitive(const QRectF& box, const QString& text, qreal typeSize, int flags)
{
    Primitive p;
    p.kind = Primitive::Kind::Text;
    p.p1 = box.topLeft();
    p.p2 = box.bottomRight();
    p.pen = QColor(Qt::black);
    p.text = text;
    p.typeSize = typeSize;
    p.flags = flags;
    return p;
}

Primitive rectanglePrimitive(const QRectF& box, const QColor& pen, const QColor& fill, qreal width,
                             bool dashed)
{
    Primitive p;
    p.kind = Primitive::Kind::Rectangle;
    p.p1 = box.topLeft();
    p.p2 = box.bottomRight();
    p.pen = pen;
    p.fill = fill;
    p.width = width;
    p.dashed = dashed;
    return p;
}

Primitive clipPrimitive(const QRectF& area)
{
    Primitive p;
    p.kind = Primitive::Kind::Clip;
    p.p1 = area.topLeft();
    p.p2 = area.bottomRight();
    return p;
}

PrimitiveList translated(PrimitiveList list, QPointF by)
{
    for (Primitive& p : list) {
        p.p1 += by;
        p.p2 += by;
        for (QPointF& point : p.points)
            point += by;
    }
    return list;
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

QFont sociogramLabelFont()
{
    return Fonts::font(Fonts::Sans, 8.25);
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
