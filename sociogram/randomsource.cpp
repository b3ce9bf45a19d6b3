#include "randomsource.h"

#include "random.h"

#include <QTime>

namespace {

std::uint64_t clockSeed()
{
    return static_cast<std::uint64_t>(QTime::currentTime().msecsSinceStartOfDay());
}

Shared::Random& builtIn()
{
    static Shared::Random generator(clockSeed());
    return generator;
}

} // namespace

namespace Layout {

float nextRandom()
{
    return builtIn().unitFloat();
}

void seedFromClock()
{
    // The clock is mixed with the generator's own state, so that two runs within the
    // same clock tick still give different arrangements.
    Shared::Random& generator = builtIn();
    generator = Shared::Random(clockSeed() ^ generator.next());
}

} // namespace Layout
