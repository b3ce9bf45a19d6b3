#pragma once
// The printed sociogram: one page holding what the window shows, scaled to fit.

#include "primitives.h"

#include <QtGlobal>

class QPainter;
class QPaintDevice;

// The scale that fits a W x H window onto a page, both in twips; 0 when the window
// has no area.
qreal printScale(qreal pageWTwips, qreal pageHTwips, qreal W, qreal H);

// Paints `page` (twips of a W x H window) on a painter begun on `device`: the window's
// top-left goes to the top-left of the printable area, proportions kept, twips kept
// square on a device whose resolution differs across and down. Nothing is painted
// when the window has no area.
void paintPage(QPainter& painter, const QPaintDevice& device, const PrimitiveList& page, qreal W,
               qreal H);
