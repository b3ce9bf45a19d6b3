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

Layout::RandomSource& injected()
{
    static Layout::RandomSource source;
    return source;
}

} // namespace

namespace Layout {

void setRandomSource(RandomSource source)
{
    injected() = std::move(source);
}

float nextRandom()
{
    if (injected())
        return injected()();
    return builtIn().unitFloat();
}

void seedFromClock()
{
    if (injected())
        return;
    // The clock is mixed with the generator's own state, so that two runs within the
    // same clock tick still give different arrangements.
    Shared::Random& generator = builtIn();
    generator = Shared::Random(clockSeed() ^ generator.next());
}

} // namespace Layout
