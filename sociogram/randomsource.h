#pragma once
// The pseudo-random numbers of the Random layout: a generator seeded from the time of
// day, unless a source of its own has been installed for a run that must repeat.

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
