#pragma once
// The search loop of Tidy's searches: a fixed number of rounds at a falling
// temperature, each trying one move. A move that spoils the last aim is taken now and
// then while the temperature is up, so that a search climbs out of a dip.

#include "random.h"

#include <algorithm>
#include <cmath>

namespace Shared {

// From hot to cold over the rounds, geometrically: most rounds are spent near cold,
// where only small losses are taken.
inline double temperature(int round, int rounds)
{
    constexpr double Hot = 2.0, Cold = 0.05;
    return Hot * std::pow(Cold / Hot, static_cast<double>(round) / rounds);
}

// How much worse the last aim may get for a move still to be taken: chance exp(-d / T)
// for a loss of d. Drawn as a limit before the loss is counted, so that a count can
// stop as soon as it is past it.
inline int allowance(double temperature, Random& random)
{
    const double slack = temperature > 0 ? -temperature * std::log(1 - random.unit()) : 0;
    return static_cast<int>(std::min(slack, 1e9));
}

// `move(temperature)` tries one move and says whether it was taken. `keep()` is told
// each time the picture in hand scores below every one before it (by `score()`, whose
// result is ordered), so that the search can end on the best it saw.
template <typename Move, typename Score, typename Keep>
void anneal(int rounds, Move&& move, Score&& score, Keep&& keep)
{
    auto best = score();
    for (int round = 0; round < rounds; ++round) {
        if (move(temperature(round, rounds)) && score() < best) {
            best = score();
            keep();
        }
    }
}

} // namespace Shared
