#pragma once
// Two surveys of one class on one picture: every tie kept, new or gone, each in a look
// of its own. The looks differ in width and dash as well as in colour, so that a
// greyscale copy and a colour-blind reader tell them apart; the markers stay those of
// any choice (disc positive, hollow square negative, a quarter from the chooser), so
// that the criterion still reads. Values in, primitives out.

#include "linedraw.h"
#include "tiechange.h"

#include <QColor>

LineLook changeLook(TieChange change);

struct ChangePicture {
    PrimitiveList shapes;
    int refused = 0; // ties with a subject outside the position table, left out
};
// The lines of the ties, the kept ones first and the new ones last, then every marker
// over them. A tie whose reverse is also drawn, changed otherwise, runs a little beside
// it rather than on it, so that neither hides the other.
ChangePicture changedTiePrimitives(const TieChanges& ties, const PositionTable& positions,
                                   QSizeF labelSize, const Layout::LineRoutes* routes = nullptr);

// A sample line of a look, for the key.
Primitive changeSample(TieChange change, QPointF from, QPointF to);
