// Work groups for the largest and busiest class (40 subjects, each naming 10 others
// under each criterion) at 5, 8 and 10 groups, beside a baseline that only scores one
// grouping. Each case runs at the default effort and at ten times that effort from
// the same start; the counters give the scores of both and whether they agree.

#include "groups.h"

#include <benchmark/benchmark.h>
#include <map>
#include <random>

namespace {

using namespace Groups;

constexpr int Subjects = 40;
constexpr int Each = 10;

// A class as surveys find them: friendship circles of four to six who name each
// other first, a few popular subjects everybody names, a few whom many reject. A
// fixed seed keeps it the same from run to run.
Class busyClass()
{
    std::mt19937 random(1982);
    std::vector<int> circle(Subjects + 1);
    for (int s = 1, c = 0; s <= Subjects; ++c)
        for (int k = 4 + static_cast<int>(random() % 3); k > 0 && s <= Subjects; --k)
            circle[s++] = c;
    std::vector<double> liked(Subjects + 1), disliked(Subjects + 1);
    for (int s = 1; s <= Subjects; ++s) {
        liked[s] = s % 9 == 0 ? 8 : 1 + random() % 3;
        disliked[s] = s % 7 == 3 ? 8 : 1 + random() % 3;
    }
    Class c{Subjects, {}, {}};
    for (int s = 1; s <= Subjects; ++s) {
        std::vector<bool> named(Subjects + 1, false);
        named[s] = true;
        const auto pick = [&](bool positive) {
            double total = 0;
            std::vector<double> w(Subjects + 1, 0);
            for (int t = 1; t <= Subjects; ++t)
                if (!named[t]) {
                    const bool friendly = circle[t] == circle[s];
                    w[t] = positive ? liked[t] * (friendly ? 12 : 1)
                                    : disliked[t] * (friendly ? 0.05 : 1);
                    total += w[t];
                }
            double at = std::uniform_real_distribution<double>(0, total)(random);
            int t = 1;
            while (named[t] || (at -= w[t]) > 0)
                ++t;
            named[t] = true;
            return Choice{s, t};
        };
        for (int k = 0; k < Each; ++k)
            c.positive.append(pick(true));
        for (int k = 0; k < Each; ++k)
            c.negative.append(pick(false));
    }
    return c;
}

const Class& theClass()
{
    static const Class c = busyClass();
    return c;
}

const Effort Tenfold{10 * DefaultRounds};

// The tenfold run takes seconds: one per group count for the whole executable.
const Partition& tenfold(int groups)
{
    static std::map<int, Partition> done;
    auto it = done.find(groups);
    if (it == done.end())
        it = done.emplace(groups, makeGroups(theClass(), groups, Tenfold)).first;
    return it->second;
}

void report(benchmark::State& state, const Partition& p)
{
    state.counters["rejections"] = p.scores.rejectionPairs;
    state.counters["withMate"] = p.scores.subjectsWithMate;
    state.counters["satisfied"] = p.scores.satisfiedChoices;
}

void BM_Groups_Baseline_Score(benchmark::State& state)
{
    QList<int> groupOf{-1};
    for (int s = 1; s <= Subjects; ++s)
        groupOf.append((s - 1) % 8);
    for (auto _ : state)
        benchmark::DoNotOptimize(score(theClass(), groupOf));
}
BENCHMARK(BM_Groups_Baseline_Score)->Unit(benchmark::kMillisecond);

void BM_Groups_Default(benchmark::State& state)
{
    const int groups = static_cast<int>(state.range(0));
    Partition p;
    for (auto _ : state)
        benchmark::DoNotOptimize(p = makeGroups(theClass(), groups));
    report(state, p);
    const Partition& ten = tenfold(groups);
    state.counters["tenfoldRejections"] = ten.scores.rejectionPairs;
    state.counters["tenfoldWithMate"] = ten.scores.subjectsWithMate;
    state.counters["tenfoldSatisfied"] = ten.scores.satisfiedChoices;
    state.counters["sameAsTenfold"] = p.scores == ten.scores;
}
BENCHMARK(BM_Groups_Default)->Arg(5)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);

void BM_Groups_Tenfold(benchmark::State& state)
{
    const int groups = static_cast<int>(state.range(0));
    Partition p;
    for (auto _ : state)
        benchmark::DoNotOptimize(p = makeGroups(theClass(), groups, Tenfold));
    report(state, p);
}
BENCHMARK(BM_Groups_Tenfold)->Arg(5)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
