#pragma once
// The choice lines of the sociogram: one line per choice from the chooser's label
// centre to the chosen subject's, a marker a quarter of the way along on the
// chooser's side (disc for a positive choice, hollow square for a negative one),
// then the layout's green guide shape.

#include "errorreport.h"
#include "primitives.h"

#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <optional>

class ChoiceGrid;

// Everything LineDraw paints, in the order it is painted. Reads Global::LabelPos,
// the grid of the criterion in view (moving its current cell; it is left on the last
// cell visited), the other criterion's stored answers when Global::CriterionType is 3,
// Global::SociogramType and Global::MaxReceived. W x H is the drawing area in twips.
// Failures go to the error report under "DataForm:LineDraw"; a choice that cannot be
// drawn (a subject number outside 0 to 40, say) is reported and left out.
PrimitiveList LineDraw(ChoiceGrid& grid, qreal labelWidth, qreal labelHeight, qreal W, qreal H);

// The marker point of the line from chooser A to chosen B, given the two label
// centres and the two labels' stored Left/Top.
QPointF SpotDraw(QPointF chooserCentre, QPointF chosenCentre, QPoint leftTopA, QPoint leftTopB);

// The pieces LineDraw and the printed page share; failures go to the given trap.
namespace LineParts {

// The grid's choices row by row and column by column, then (criterion type 3 only)
// the other criterion's stored choices in index order.
PrimitiveList choices(Trap& trap, ChoiceGrid& grid, QSizeF labelSize);

enum class RingOrder { Inward, Outward };
// The guide shape of Global::SociogramType: Target rings are listed from the
// innermost outward, or the other way round.
PrimitiveList guide(Trap& trap, qreal W, qreal H, RingOrder order = RingOrder::Outward);

// One choice: the line and its marker, appended to list. A subject number outside
// the label table is a failure and appends nothing.
std::optional<Failure> appendChoice(PrimitiveList& list, long long chooser, long long chosen,
                                    bool positive, QSizeF labelSize);

} // namespace LineParts
