#pragma once
// With groups shown on the Target, each group holds one sector of the rings, as wide as
// its share of the class, in the order that seats each group together; its members on a
// ring spread over that sector. Internal to the layout library.

#include "ringsupport.h"

#include <vector>

namespace Layout::TidySupport {

class Sectors {
public:
    Sectors() = default;
    // `order` lists the subjects round the centre with each group's members one after
    // another (as `seatGroups` starts them); `groupOf` by subject number, -1 for none.
    Sectors(const std::vector<int>& order, const std::vector<int>& groupOf);

    bool empty() const { return from.empty(); }
    // Whether label s may stand at the angle: inside its group's sector, or anywhere for a
    // label of no group.
    bool holds(int s, double angle) const;
    // Per ring, the angle its neighbours need at most so that every group's members on it
    // fit their sector; 0 where no group is shown.
    std::vector<double> roomOn(const std::vector<TidyRing>& rings) const;
    // Each label's angle: a group's members on a ring near their places' angles in the
    // order given, a label's `diagonal` apart within the sector; a label of no group at its
    // own place in the order.
    std::vector<double> anglesOn(const std::vector<TidyRing>& rings, double diagonal) const;
    double width(int s) const { return empty() ? 0 : span[s]; }
    double start(int s) const { return empty() ? 0 : from[s]; }

private:
    std::vector<double> from, span; // per subject; a span of 0 for none
    std::vector<int> place, groupOf;
};

} // namespace Layout::TidySupport
