#pragma once
// How readable a sociogram picture is, counted from the label positions alone: the
// four faults a teacher trips over, in the order they spoil the picture. Positions
// are label Left/Top in twips, index 1..n (index 0 unused); a line runs between label
// centres and its marker sits a quarter of the way from the chooser.

#include "choice.h"

#include <QPointF>
#include <QSizeF>
#include <compare>
#include <vector>

namespace Layout {

// Members are in order of importance, so that the default comparison ranks two
// pictures the way Tidy does: fewer overlaps first, then the lines and markers that
// labels hide (a line under a label reads as a link to that pupil), then crossings.
struct PictureScore {
    int overlaps = 0;           // label pairs whose squares intersect
    int linesUnderLabels = 0;   // (line, third label) pairs where the line runs under it,
                                // but for a third label in a clique with both ends
    int markersUnderLabels = 0; // (marker, label) pairs where a label hides the marker
    int crossings = 0;          // line pairs that cross away from their labels

    friend auto operator<=>(const PictureScore&, const PictureScore&) = default;
};

// A mutual pair, or a pair chosen under both criteria, is one line on the screen, so it
// counts once for lines and crossings; every choice has its own marker. Choices naming
// someone outside 1..n, or the chooser himself, are not drawn and not counted.
PictureScore scorePicture(const std::vector<QPointF>& leftTop, int n,
                          const std::vector<Choice>& choices, QSizeF label);

} // namespace Layout
