// The slot search: the order round the frame annealed with lines under labels first and
// crossings next, the cliques kept together.

#include "slotsearch.h"

#include "annealing.h"

namespace Layout::TidySupport {

// A loss is weighed as one line under a label or `Weight` crossings; a pair of mutual
// choosers apart weighs `PairCost` crossings (on forty places a pupil carried next to a
// friend changes many crossings, and the friends are worth many).
std::vector<int> searchOrder(SlotSearch& search, const std::vector<int>& start, int most,
                             int rounds, Random& random)
{
    constexpr int Weight = 1000, PairCost = 30;
    search.assign(start);
    struct Score {
        int under, cost;
        auto operator<=>(const Score&) const = default;
    };
    const auto cost = [&](int crossings) { return crossings + search.pairsApart() * PairCost; };
    Score now{search.linesUnder(), cost(search.crossings())};
    std::vector<int> best = start, before;
    Shared::anneal(
        rounds,
        [&](double temperature) {
            before = search.order();
            search.shake(random);
            const int allowed = Shared::allowance(temperature, random);
            Score next{0, 0};
            bool take = search.cliquesKept();
            if (take) {
                next.under = search.linesUnder();
                take = next.under - now.under <= allowed;
            }
            if (take) {
                const int crossings = search.crossings();
                next.cost = cost(crossings);
                take = crossings <= most &&
                       (next.under - now.under) * Weight + next.cost - now.cost <= allowed * Weight;
            }
            if (take)
                now = next;
            else
                search.assign(before);
            return take;
        },
        [&] { return now; }, [&] { best = search.order(); });
    return best;
}

} // namespace Layout::TidySupport
