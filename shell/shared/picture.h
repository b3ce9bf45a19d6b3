#pragma once
// What the layouts, the drawing and the sociogram's state share about a picture: the
// table of label positions and where a choice's marker sits. Tidy ranks pictures by
// where the drawing puts things, so both take them from here.

#include "codes.h"

#include <array>
#include <cstdint>

// Whole-twip Left (0) and Top (1) of labels 0 to 40, as the layouts leave them and the
// file stores them; label 0 is the template and stays at (0, 0).
using PositionTable = std::array<std::array<std::int16_t, 2>, Codes::MaxSubjects + 1>;

namespace Shared {

// One coordinate of a choice's marker, from those of the two label centres: a quarter
// of the way from the chooser, so that the marker tells who chose whom.
constexpr double markerAt(double chooser, double chosen)
{
    return chooser + (chosen - chooser) / 4;
}

} // namespace Shared
