#pragma once
// The one routine that turns a primitive list into pixels, on any paint device.

#include "primitives.h"

#include <QString>

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

// The subject's name in a small font, in a band centred under the label at leftTop, cut
// with an ellipsis when long. Every picture draws a name this way and no other.
Primitive namePrimitive(QPointF labelLeftTop, qreal side, const QString& name);
