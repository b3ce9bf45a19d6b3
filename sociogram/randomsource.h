#pragma once
// The pseudo-random numbers of the Random layout: a generator seeded from the time of
// day.

#include "geometry.h"

namespace Layout {

// The next number in [0, 1).
float nextRandom();

// Seeds the generator from the clock.
void seedFromClock();

} // namespace Layout
