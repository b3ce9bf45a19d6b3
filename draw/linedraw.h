#pragma once
// The choice lines of the sociogram as primitives: one line per choice from the
// chooser's label centre to the chosen subject's, a marker a quarter of the way along
// on the chooser's side (disc for a positive choice, hollow square for a negative
// one), and the layout's green guide shape. Values in, primitives out.

#include "choice.h"
#include "codes.h"
#include "lineroutes.h"
#include "picture.h"
#include "primitives.h"
#include "tidy.h"

#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <array>
#include <cstdint>
#include <vector>

// The marker point of the line from the chooser's label centre to the chosen's.
QPointF SpotDraw(QPointF chooserCentre, QPointF chosenCentre);

// Appends the line of one choice and its marker. False, appending nothing, when a
// subject number lies outside the position table. A line `routes` takes round labels is
// drawn as its path, the marker a quarter of the path's length from the chooser.
bool appendChoice(PrimitiveList& list, const Choice& choice, const PositionTable& positions,
                  QSizeF labelSize, const Layout::LineRoutes* routes = nullptr);
// How a line is drawn: the plain choice line, or one of the looks that tell kinds of
// choices or ties apart.
struct LineLook {
    QColor colour = DrawColour::Line;
    qreal width = 0; // twips
    bool dashed = false;
};
// The line from `from` to `to` as drawn: straight, or along `path` when it has one.
Primitive choiceLine(QPointF from, QPointF to, const Layout::Path& path, const LineLook& look = {});
// A choice's marker centred on `at`: a disc for a positive choice, a hollow square with
// an outline `width` twips wide for a negative one.
Primitive choiceMarker(QPointF at, bool positive, const QColor& colour, qreal width = 0);
// The centre of a subject's label whose Left/Top the table holds.
QPointF labelCentre(const PositionTable& positions, int subject, QSizeF labelSize);
// The label Left/Top of subjects 1..n of the table, index 0 unused, as routeLines takes them.
std::vector<QPointF> labelLeftTops(const PositionTable& positions, int n);

// The guide shape of a layout: the circle, the frame, or the Target's rings
// (`maxReceived` + 1 of them) listed from the innermost outward or the other way.
enum class RingOrder { Inward, Outward };
struct GuideShape {
    PrimitiveList shapes;
    int errorNumber = 0; // the rings could not be counted (none, or too many)
};
// `moved` holds the Target rings that Tidy widened, each the radius its labels were
// designed on and the one they stand on now, in twips. A guide circle moves out as far as
// the ring of labels inside it, so that the labels keep half a step inside their circle.
// On the Circle and the Square the one entry is the frame Tidy grew: its guide grows by
// the same ratio.
GuideShape guideShape(int sociogramType, long long maxReceived, qreal W, qreal H,
                      RingOrder order = RingOrder::Outward,
                      const std::vector<Layout::RingRadius>& moved = {});
