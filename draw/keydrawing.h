#pragma once
// The key to the sociogram's markers, and the font of the labels' captions. The key
// window paints the key with paintKey, and so does the picture export: screen and
// file cannot disagree.

#include "primitives.h"

#include <QFont>
#include <QSizeF>

class QPainter;

// The font of the subject labels' captions and, in bold, of the key's captions.
QFont sociogramLabelFont();

// The key: the window's legend of the markers, 2535 by 3735 twips, and under it the
// legend of `groups` groups when groups are shown on the sociogram.
QSizeF keySize(int groups = 0);
// The key's sample lines and markers, with the key's top-left at origin (twips).
// With `colour`, the samples are drawn as "Colour Choices" draws the choices.
PrimitiveList keyPrimitives(QPointF origin, bool colour = false);
// The whole key (frames, red frame captions, sample lines, markers, captions, and the
// legend of `groups` groups in their colours) with its top-left at origin (twips),
// painted at scale device units per twip.
void paintKey(QPainter& painter, QPointF origin, qreal scale, bool colour = false, int groups = 0);
