#pragma once
// The one routine that turns a primitive list into pixels, on any paint device.

#include "primitives.h"

#include <QFont>
#include <QRectF>
#include <QString>

class QImage;
class QPainter;

// A point p in twips is painted at p * scale in the painter's coordinates, and every
// length (radius, square side) is scaled the same way. Lines are one device pixel
// wide whatever the scale. Captions use the painter's current font, on a transparent
// background.
void paintPrimitives(QPainter& painter, const PrimitiveList& list, qreal scale = 1.0);

// One subject label: a red square of the given side at its Left/Top with a black
// outline and the caption centred. The window, the print and every export draw a
// label this way and no other.
Primitive labelPrimitive(QPointF leftTop, qreal side, const QString& caption);

// A text of the title or the key in the labels' type at `typeSize` points, in black,
// placed in its box (twips) by `flags`.
Primitive textPrimitive(const QRectF& box, const QString& text, qreal typeSize, int flags);
// A rectangle `box` (twips) outlined in `pen`, `width` twips wide (0: one device pixel),
// dashed or not, filled with `fill` unless it is invalid.
Primitive rectanglePrimitive(const QRectF& box, const QColor& pen, const QColor& fill = {},
                             qreal width = 0, bool dashed = false);
// What follows in a list is cut to `area` (twips); an empty area cuts no more.
Primitive clipPrimitive(const QRectF& area);
// The list moved by `by` twips.
PrimitiveList translated(PrimitiveList list, QPointF by);

// The subject's name in the small type of names, in its band (twips); the painter cuts it
// with an ellipsis to the band's width. Every picture draws a name this way and no other
// (placedNames in namebands.h finds the bands).
Primitive namePrimitive(const QRectF& band, const QString& name);
// The font of the subject labels' captions; the title and the key are set in it too.
QFont sociogramLabelFont();
// The small type of names beside labels captioned in `labelFont`.
QFont nameFont(const QFont& labelFont);

// A rectangle in twips at the painter's scale.
QRectF scaled(const QRectF& twips, qreal scale);

// An image of 1440 dots per inch: text measured on it is measured in twips.
const QImage& twipsMeasure();
