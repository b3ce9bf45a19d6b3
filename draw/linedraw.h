#pragma once
// The choice lines of the sociogram as primitives: one line per choice from the
// chooser's label centre to the chosen subject's, a marker a quarter of the way along
// on the chooser's side (disc for a positive choice, hollow square for a negative
// one), and the layout's green guide shape. Values in, primitives out.

#include "codes.h"
#include "primitives.h"

#include <QPoint>
#include <QPointF>
#include <QSizeF>
#include <array>
#include <cstdint>

// One choice to draw, by subject numbers.
struct DrawnChoice {
    long long chooser = 0;
    long long chosen = 0;
    bool positive = true;
};

// Whole-twip Left and Top of labels 0 to 40, as the layouts leave them.
using LabelPositions = std::array<std::array<std::int16_t, 2>, Codes::MaxSubjects + 1>;

// The marker point of the line from chooser A to chosen B, given the two label
// centres and the two labels' stored Left/Top.
QPointF SpotDraw(QPointF chooserCentre, QPointF chosenCentre, QPoint leftTopA, QPoint leftTopB);

// Appends the line of one choice and its marker. False, appending nothing, when a
// subject number lies outside the position table.
bool appendChoice(PrimitiveList& list, const DrawnChoice& choice, const LabelPositions& positions,
                  QSizeF labelSize);

// The guide shape of a layout: the circle, the frame, or the Target's rings
// (`maxReceived` + 1 of them) listed from the innermost outward or the other way.
enum class RingOrder { Inward, Outward };
struct GuideShape {
    PrimitiveList shapes;
    int errorNumber = 0; // the rings could not be counted (none, or too many)
};
GuideShape guideShape(int sociogramType, long long maxReceived, qreal W, qreal H,
                      RingOrder order = RingOrder::Outward);
