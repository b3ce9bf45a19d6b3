#pragma once
// Where the labels of a sociogram go, as plain numbers: the four layouts and the
// snapping of a dropped label to its ring. Every value is in twips in a drawing area
// of W x H with the origin at its top-left corner and y downwards. Nothing here
// reads the study, the grid or any window: the caller hands over what a layout
// needs and writes the places where it wants them.
//
// The arithmetic is that of the arrangements users have stored: single precision
// where the positions were kept as Singles, pi as Codes::Geometry has it, angles accumulated step
// by step rather than recomputed. Changing any of it moves saved labels.

#include "codes.h"
#include "picture.h"

#include <QPointF>
#include <QSizeF>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace Layout {

struct Area {
    float W = Codes::Geometry::DesignWidth;
    float H = Codes::Geometry::DesignHeight;
};

struct LabelSize {
    float width = Codes::Geometry::LabelSide;
    float height = Codes::Geometry::LabelSide;
};

// A label's unrounded Left and Top.
struct Place {
    float left = 0;
    float top = 0;
};

// The label whose centre lies at `radius` from the centre of the area, `angle`
// radians clockwise from twelve o'clock.
Place polarPlace(Area area, float radius, float angle, LabelSize label);

// Circle: subjects 1 to n evenly round a circle of fixed radius, subject 1 at the
// top, clockwise. Element 0 is subject 1. None when n is below 1.
std::vector<Place> circlePlaces(long n, Area area, LabelSize label);

// Square: subjects dealt to the top, right, bottom and left sides of a frame inset by
// a tenth of the area, in turn. None when the spacing cannot be computed (no
// subjects on a side: k + 1 is 0).
struct SquareSpacing {
    long slotsPerSide = 0;
    float horizontal = 0;
    float vertical = 0;
};
std::optional<SquareSpacing> squareSpacing(long n, Area area);
std::vector<Place> squarePlaces(long n, Area area, LabelSize label, SquareSpacing spacing);

// Target: one ring per number of choices received, the most chosen innermost.
struct Ring {
    long received = 0;         // choices received by every member
    std::vector<long> members; // in subject order
    float radius = 0;          // where the members' centres lie
    std::vector<Place> places; // one per member
};
// received[s] for subjects 1 to `subjects`; rings run from maxReceived down to 0.
// None when maxReceived + 1 is 0.
std::optional<std::vector<Ring>> targetRings(const std::vector<long>& received, long subjects,
                                             long maxReceived, Area area, LabelSize label);

// Random: a place for label i whose Left/Top keeps clear of the labels placed
// before it (entries 0 to i - 1 of the table; entry 0 keeps the top-left corner
// free). Gives up after RandomAttemptLimit tries on an area too small for the labels.
using RandomSource = std::function<float()>; // uniform in [0, 1)
constexpr long RandomAttemptLimit = 100000;
constexpr float RandomSeparation = Codes::Geometry::LabelSide;
bool collidesWithEarlier(const PositionTable& placed, long i, float left, float top);
std::optional<Place> randomPlace(const RandomSource& random, const PositionTable& placed, long i,
                                 Area area);

// Snapping a dropped label to its ring: the work values of one snap. A step that
// cannot be done (a drop on the centre, a ring radius of 0 or none) leaves the values
// it would have written as the previous snap left them.
struct SnapWork {
    float dx = 0, dy = 0; // distance of the drop from the centre, across and down
    float distance = 0;
    float ringRadius = 0;
    float ratio = 0; // distance / ring radius
    float scaledDx = 0, scaledDy = 0;
    float snapX = 0, snapY = 0; // the snapped centre of the label
};
// `tagRadius` is the label's ring radius, when its tag gives one.
void alignSquare(SnapWork& work, float dropX, float dropY, Area area,
                 std::optional<float> tagRadius);

// The slots of the Circle or the Square for lines round labels (lineroutes.h), `n` of them
// on the frame about the area's centre, in order round it, index 0 unused: on the Circle
// closer together where a label's neighbours lie beside it than where they lie
// diagonally, the circle no larger than keeps neighbours apart; on the Square, one on each
// corner (from four labels on) and the rest along the sides, as many to a side as its
// length gives. `radius` is the designed circle's, or the Square's half-width and
// half-height. `room`, when given, is what slot s needs clear on each side beside its label
// (a status mark), index 1..n: the gaps widen for it, both marks of two neighbours apart
// where the frame has the length, else each mark clear of the neighbouring label, as far
// as the frame allows (the circle going out as far as every label with its mark still
// fits in the area at its angle).
std::vector<QPointF> frameSlots(bool square, int n, QSizeF area, QSizeF label, QSizeF radius,
                                double* grownBy = nullptr, const std::vector<double>& room = {});

} // namespace Layout
