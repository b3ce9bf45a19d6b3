#pragma once
// The program's one pseudo-random generator, SplitMix64: the same sequence on every
// platform and library, unlike the standard engines' distributions, so that a seeded
// search (Tidy, the groups) gives the same result everywhere.

#include <cstdint>

namespace Shared {

class Random {
public:
    explicit Random(std::uint64_t seed) : state(seed) {}
    std::uint64_t next()
    {
        std::uint64_t z = (state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // 0 to bound - 1; 0 when there is no choice. A number is drawn either way, so that
    // what follows does not hang on the bound.
    int below(int bound)
    {
        const std::uint64_t v = next();
        return bound > 0 ? static_cast<int>(v % static_cast<std::uint64_t>(bound)) : 0;
    }
    double unit() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    // 24 bits, so that every value is exact in a float and strictly below 1.
    float unitFloat() { return static_cast<float>(next() >> 40) * (1.0f / 16777216.0f); }

private:
    std::uint64_t state;
};

} // namespace Shared
