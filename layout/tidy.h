#pragma once
// Tidy Labels: rearranges the labels of the layout in view so that the picture reads
// well while the layout keeps its shape. Every call takes and returns label Left/Top
// positions in twips, index 1..n (index 0 unused and returned unchanged), and ranks
// pictures by PictureScore: overlaps first, then lines under labels, then markers
// under labels, then crossings. The result is never ranked below the picture it
// started from, and the same input always gives the same picture.

#include "picturescore.h"

#include <QPointF>
#include <QSizeF>
#include <vector>

namespace Layout {

// Circle and Square: every label goes to one of the given slots, each slot used once.
// Label s starts on slot s. Fewer than n slots tidies only the first ones.
std::vector<QPointF> tidyOnSlots(const std::vector<QPointF>& slots, int n,
                                 const std::vector<Choice>& choices, QSizeF label);

// Target: label s keeps its centre at distance ringRadius[s] from the centre of the
// area; only the angles change. Labels of one ring stay evenly spread, and the search
// turns each ring and reorders its members. The current positions, when given for every
// label, give the starting order around each ring and the picture to beat.
std::vector<QPointF> tidyOnRings(const std::vector<float>& ringRadius,
                                 const std::vector<QPointF>& current, int n,
                                 const std::vector<Choice>& choices, QSizeF area, QSizeF label);

// Random: labels anywhere with the whole label inside the area. Starts from the current
// positions, brought inside the area first; labels missing from it start on a circle.
std::vector<QPointF> tidyFree(const std::vector<QPointF>& current, int n,
                              const std::vector<Choice>& choices, QSizeF area, QSizeF label);

} // namespace Layout
