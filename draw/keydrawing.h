#pragma once
// The key to the sociogram's markers, and the font of the labels' captions. The key
// window paints the key with paintKey, and so does the picture export: screen and
// file cannot disagree.

#include "primitives.h"
#include "statusmarks.h"

#include <QFont>
#include <QSizeF>

class QPainter;

// The font of the subject labels' captions and, in bold, of the key's captions.
QFont sociogramLabelFont();

// The key: the window's legend of the markers, 2535 by 3735 twips, under it the three
// looks of the ties when two surveys are compared (`changes`), the legend of
// `statusMarks` status marks when the status is shown, and under that the legend of
// `groups` groups when groups are shown on the sociogram.
// Without `negative` the key lists no negative choice: none is drawn.
QSizeF keySize(int groups = 0, int statusMarks = 0, bool changes = false, bool negative = true);
// The key's sample lines and markers, with the key's top-left at origin (twips).
// With `colour`, the samples are drawn as "Colour Choices" draws the choices.
PrimitiveList keyPrimitives(QPointF origin, bool colour = false);
// The whole key (frames, red frame captions, sample lines, markers, captions, the ties'
// looks when `changesSince` names the survey compared with, the status marks listed, and
// the legend of `groups` groups in their colours) with its top-left at origin (twips),
// painted at scale device units per twip.
void paintKey(QPainter& painter, QPointF origin, qreal scale, bool colour = false, int groups = 0,
              const std::vector<StatusMark>& status = {}, const QString& changesSince = {},
              bool negative = true);
