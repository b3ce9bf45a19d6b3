#pragma once
// The one routine that turns a primitive list into pixels, on any paint device.

#include "primitives.h"

class LabelSet;
struct SubjectLabel;
class QPainter;

// A point p in twips is painted at p * scale in the painter's coordinates, and every
// length (radius, square side) is scaled the same way. Lines are one device pixel
// wide whatever the scale. Captions use the painter's current font, on a transparent
// background.
void paintPrimitives(QPainter& painter, const PrimitiveList& list, qreal scale = 1.0);

// Labels 1 to count as red squares with a black outline and their caption centred,
// at each label's Left/Top, the side being the Width of label 1. Labels that do not
// exist are left out.
PrimitiveList labelPrimitives(const LabelSet& labels, int count);

// One label as a square of the given side at its Left/Top, captioned.
Primitive labelPrimitive(const SubjectLabel& label, qreal side);
