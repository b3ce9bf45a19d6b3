#pragma once
// Tidy Labels: rearranges the labels of the layout in view so that the picture reads
// well while the layout keeps its shape. Every call takes and returns label Left/Top
// positions in twips, index 1..n (index 0 unused and returned unchanged). After labels
// clear of each other, the aims are the choices themselves: friends and cliques on
// neighbouring places, no line under a label, then few crossings. The result is never
// ranked below the picture it started from by PictureScore, and the same input always
// gives the same picture.

#include "picturescore.h"

#include <QPointF>
#include <QSizeF>
#include <vector>

namespace Layout {

// Circle and Square: every label takes one of the given slots, each slot used once, and
// may stand out from it away from the centre (the frame grown by up to a fifth) or step
// in or out, inside the area. Label s starts on slot s. Fewer than n slots tidies only
// the first ones. `grownBy`, when given, receives how far the frame grew about its
// centre (1 where the labels kept their slots), so that its guide can follow. With
// `linesRound` the lines that would run under a label are drawn outside the frame
// (lineroutes.h): every label stays on a slot and the order is searched for the fewest
// crossings of the lines as drawn, each group of `groupOf` (the group from 0 of each subject,
// by subject number, -1 for none) on consecutive places.
std::vector<QPointF> tidyOnSlots(const std::vector<QPointF>& slots, int n,
                                 const std::vector<Choice>& choices, QSizeF area, QSizeF label,
                                 double* grownBy = nullptr, bool linesRound = false,
                                 const std::vector<int>& groupOf = {});

// Target: label s stays on its ring, the ring of the labels with the same ringRadius[s]
// (the distance of its centre from the centre of the area); its angle changes, and a ring
// too small for its members widens, the rings keeping their order. The current
// positions, when given for every label, are the picture to beat.
struct RingRadius {
    float designed = 0; // as given in ringRadius
    float used = 0;     // where Tidy put the ring's labels
    friend bool operator==(const RingRadius&, const RingRadius&) = default;
};
struct RingsTidied {
    std::vector<QPointF> leftTop;  // index 1..n, index 0 as given
    std::vector<RingRadius> rings; // innermost first
    // The radius Tidy used for the ring designed at `designed`; `designed` when none.
    float usedRadius(float designed) const;
};
// With groups (`groupOf` as for the slots), each group holds one sector of the rings.
RingsTidied tidyOnRings(const std::vector<float>& ringRadius, const std::vector<QPointF>& current,
                        int n, const std::vector<Choice>& choices, QSizeF area, QSizeF label,
                        const std::vector<int>& groupOf = {});

// Random: labels anywhere with the whole label inside the area. Starts from the current
// positions, brought inside the area first; labels missing from it start on a circle.
// With groups, each group one cluster.
std::vector<QPointF> tidyFree(const std::vector<QPointF>& current, int n,
                              const std::vector<Choice>& choices, QSizeF area, QSizeF label,
                              const std::vector<int>& groupOf = {});

// The room a label keeps clear while Tidy places it: `box` (the label with its name under it
// and its status mark round it), its top-left at the label's Left/Top moved by `offset`.
struct LabelRoom {
    QSizeF box;
    QPointF offset;
    // By subject (entry 0 unused, empty for none): how far the label's status mark reaches
    // drawn at its smallest, and what it keeps clear of a neighbour's square or mark.
    std::vector<double> markReach = {};
    double markGap = 0;
};

// Target (`onRings`: each label keeps its distance from the centre) and Random, after Tidy:
// where a line drawn round labels (lineroutes.h) still runs under one, finding no gap to bend
// through, the labels at its ends and in its way step round their ring or aside, each step
// taken where the drawn lines then run under fewer labels, the label's room inside the area
// and clear of every other's, every clique as together as before and hardly a crossing more.
// Then a label whose status mark finds no room beside a neighbour or its mark (room.markReach)
// steps the same way, where the drawn lines run under no more labels. Positions are label Left/Top,
// index 1..n, as tidied; `label` is the label's square.
std::vector<QPointF> roomToBend(const std::vector<QPointF>& leftTop,
                                const std::vector<Choice>& choices, QSizeF area, QSizeF label,
                                const LabelRoom& room, bool onRings);

} // namespace Layout
