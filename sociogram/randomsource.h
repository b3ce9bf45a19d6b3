#pragma once
// The pseudo-random numbers of the Random layout. A test injects its own sequence;
// otherwise a generator seeded from the time of day is used.

#include "geometry.h"

namespace Layout {

// Installs a source of numbers; an empty function goes back to the built-in generator.
void setRandomSource(RandomSource source);

// The next number in [0, 1).
float nextRandom();

// Seeds the built-in generator from the clock. Does nothing to an injected source,
// so that a test's sequence is not disturbed.
void seedFromClock();

} // namespace Layout
