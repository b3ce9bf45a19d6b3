#include "randomsource.h"

#include <QTime>
#include <random>

namespace {

struct BuiltInGenerator {
    std::mt19937 engine{
        static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay())};
};

BuiltInGenerator& builtIn()
{
    static BuiltInGenerator generator;
    return generator;
}

Layout::RandomSource& injected()
{
    static Layout::RandomSource source;
    return source;
}

// 24 random bits scaled down: every value is exact in a float and strictly below 1,
// which a double rounded to float would not guarantee.
float uniformFloat(std::mt19937& engine)
{
    return static_cast<float>(engine() >> 8) * (1.0f / 16777216.0f);
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
    return uniformFloat(builtIn().engine);
}

void seedFromClock()
{
    if (injected())
        return;
    // The clock is mixed with the generator's own state, so that two runs within the
    // same clock tick still give different arrangements.
    std::mt19937& engine = builtIn().engine;
    const auto clock =
        static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay());
    engine.seed(clock ^ engine());
}

} // namespace Layout
