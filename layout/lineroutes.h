#pragma once
// "Lines Round Labels": a straight line between two labels that would run under a third
// label (one not in a clique with both ends) is drawn another way. On the Circle and the
// Square it leaves the frame: a stub straight out from each end and, between them, a path
// parallel to the frame (an arc of a circle about the centre, or on the Square a path along
// its sides rounded at the corners). Spans nested in another take an inner track, so that
// nested lines never cross, two lines whose ends interleave cross once, as two chords
// would, and a line inside never crosses one outside. On the Target and in the Random
// layout such a line bends round the labels in its way. The paths follow from the positions
// and the choices alone. Values in, paths out.

#include "choice.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <map>
#include <utility>
#include <vector>

namespace Layout {

// A drawn line as points, from one end's label centre to the other's.
using Path = std::vector<QPointF>;

struct LineRoutes {
    // The path from a's centre to b's, either way round; empty where the line stays
    // straight.
    Path between(int a, int b) const;
    std::map<std::pair<int, int>, Path> paths; // keyed (smaller, larger), from the smaller
    int tracks = 0;                            // outside the frame, on the Circle and Square
};

// Label Left/Top by subject, index 1..n (index 0 unused); only the lines of `choices`
// between two of them are routed. `sociogramType` is that of Codes::SociogramType.
LineRoutes routeLines(int sociogramType, const std::vector<QPointF>& leftTop,
                      const std::vector<Choice>& choices, QSizeF area, QSizeF label);

// The point `fraction` of the way along the path's length from its first point.
QPointF pointAlong(const Path& path, double fraction);
// Whether any piece of the path runs under the square (shrunk as for lines under labels).
bool pathUnderLabel(const Path& path, const QRectF& label);

// The readability counts of the lines as drawn: each line along its path (straight where
// `routes` has none), a pair chosen both ways or under both criteria being one line.
struct DrawnCount {
    int linesUnder = 0; // (line, third label) pairs, but for a clique mate of both ends
    int crossings = 0;  // points where two lines with four different ends cross
};
DrawnCount countDrawn(const LineRoutes& routes, const std::vector<QPointF>& leftTop,
                      const std::vector<Choice>& choices, QSizeF label);

} // namespace Layout
