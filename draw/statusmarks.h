#pragma once
// The status of a subject marked on its label. Each status has a shape of its own
// around the square, so that a greyscale copy or a colour-blind reader tells them
// apart without the colour, which only adds to it:
// - liked (popular, or most chosen): two thin outlines, a double ring;
// - rejected: one thick black outline, the heaviest mark, for the pupil a teacher
//   must not overlook;
// - left out (neglected, or an isolate, chosen by nobody): a dashed grey outline, as if
//   fading; a rejected pupil chosen by nobody carries it outside the rejected outline;
// - controversial: a filled orange badge on the top-right corner, liked and rejected
//   at once, and the one mark that is not a ring.
// None of them uses the labels' red or the colour of a choice line.

#include "primitives.h"
#include "status.h"

#include <QRectF>
#include <QString>
#include <limits>
#include <vector>

// Room enough for any mark.
inline constexpr qreal Unfitted = std::numeric_limits<qreal>::max();

// The mark around a label's square (twips); nothing for None, Average and Unclassified. Painted
// after the labels, so that a badge lies on its label. Where `reach` is short of the mark's
// full reach it is drawn smaller about the square (to no less than a share of its size).
PrimitiveList statusMarkPrimitives(const QRectF& label, Status mark, qreal reach = Unfitted);
// How far the mark reaches out from its label's square, twips: what a neighbour must leave.
qreal statusMarkReach(Status mark);
// What a mark fitted to a neighbour keeps clear of the neighbour's square, twips.
inline constexpr qreal MarkClearance = 10;
// How far a mark reaching `full` reaches drawn at its smallest.
qreal leastMarkReach(qreal full);
// How far each label's mark reaches as drawn, by subject number (entry 0 unused, a null
// rectangle for no label; 0 for no mark): its full reach, or less where another square stands
// closer, or where a neighbour's mark would meet it and both can be drawn apart.
std::vector<qreal> fittedMarkReach(const std::vector<QRectF>& squares,
                                   const std::vector<Status>& marks);
