// Who belongs together after Tidy, beyond the cliques: the mutual pairs side by side, and
// with groups shown each group together, on the generated classes of the readability
// table, before (the layout as designed) and after Tidy, summed over the five classes.

#include "belonging.h"
#include "groups.h"
#include "lineroutes.h"
#include "tidyclasses.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <ctime>
#include <string>

namespace {

using namespace TidyClasses;

// The groups the analysis makes for the class: five of eight for forty, four of six for
// twenty-four.
std::vector<int> groupsOf(int n, const std::vector<Choice>& choices)
{
    Groups::Class c{n, {}, {}};
    for (const Choice& choice : choices)
        (choice.positive() ? c.positive : c.negative).append(choice);
    const Groups::Partition p = Groups::makeGroups(c, n / 8 + 1);
    return {p.groupOf.begin(), p.groupOf.end()};
}

int together(const Picture& p, const std::vector<QPointF>& at, const std::vector<int>& groupOf)
{
    return p.shape == Shape::Free ? Layout::groupsInClusters(at, groupOf)
                                  : Layout::groupsInSectors(at, groupOf, p.centre);
}

struct Sums {
    int pairs = 0, sideBefore = 0, sideAfter = 0, crossings = 0, crossingsAfter = 0;
    int groups = 0, groupsBefore = 0, groupsAfter = 0, crossingsGrouped = 0, cliques = 0, kept = 0;
};

int drawnCrossings(int type, const std::vector<QPointF>& at, const std::vector<Choice>& choices,
                   bool routed)
{
    const Layout::LineRoutes routes =
        routed ? Layout::routeLines(type, at, choices, Area, Label) : Layout::LineRoutes{};
    return Layout::countDrawn(routes, at, choices, Label).crossings;
}

void addClass(Sums& sum, int layout, int n, int each, unsigned seed)
{
    const int typeOf[] = {Codes::SociogramType::Circle, Codes::SociogramType::Square,
                          Codes::SociogramType::Target, Codes::SociogramType::Random};
    const std::vector<Choice> choices = generatedClass(n, each, seed);
    const std::vector<std::pair<int, int>> pairs = Layout::mutualPairs(n, choices);
    const Picture p = designedAndTidied(layout, n, choices, seed);
    sum.pairs += static_cast<int>(pairs.size());
    sum.sideBefore += Layout::pairsSideBySide(p.designed, pairs, Label);
    sum.sideAfter += Layout::pairsSideBySide(p.tidied, pairs, Label);
    sum.crossings += drawnCrossings(typeOf[layout], p.designed, choices, false);
    sum.crossingsAfter += drawnCrossings(typeOf[layout], p.tidied, choices, true);
    const std::vector<int> groupOf = groupsOf(n, choices);
    const Picture grouped = designedAndTidied(layout, n, choices, seed, groupOf);
    sum.groups += n / 8 + 1;
    sum.groupsBefore += together(grouped, grouped.designed, groupOf);
    sum.groupsAfter += together(grouped, grouped.tidied, groupOf);
    sum.crossingsGrouped += drawnCrossings(typeOf[layout], grouped.tidied, choices, true);
    // The cliques within one group: Tidy keeps those together.
    for (const std::vector<int>& clique : Shared::maximalCliques(n, choices))
        if (clique.size() <= 5 && std::all_of(clique.begin(), clique.end(), [&](int s) {
                return groupOf[s] == groupOf[clique.front()];
            })) {
            ++sum.cliques;
            sum.kept += keptTogether(clique, grouped.tidied, n, grouped.shape, grouped.centre);
        }
}

// Processor time of one Tidy of the busy 40 x 10 class with its groups shown.
std::string groupedTime(int layout)
{
    const std::vector<Choice> busy = generatedClass(40, 10, 1);
    const std::vector<int> groupOf = groupsOf(40, busy);
    const std::clock_t start = std::clock();
    for (int k = 0; k < 5; ++k)
        benchmark::DoNotOptimize(designedAndTidied(layout, 40, busy, 1, groupOf));
    const double ms = 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC / 5;
    return std::to_string(int(ms + 0.5)) + " ms";
}

void BM_TidyBelonging_Table(benchmark::State& state)
{
    const char* names[] = {"Circle", "Square", "Target", "Random"};
    std::string table = "| Layout | Class | Mutual pairs side by side | Crossings | Groups shown: "
                        "groups together | Crossings | Cliques in a group kept | Tidy 40 x 10 |\n"
                        "|---|---|---|---|---|---|---|---|\n";
    for (auto _ : state) {
        for (int layout = 0; layout < 4; ++layout) {
            for (const auto& [n, each] : {std::pair(24, 3), std::pair(40, 5)}) {
                Sums s;
                for (unsigned seed = 1; seed <= 5; ++seed)
                    addClass(s, layout, n, each, seed);
                const std::string time = n == 40 ? groupedTime(layout) : std::string();
                char row[400];
                std::snprintf(row, sizeof row,
                              "| %s | %d x %d | %d → %d of %d | %d %% | %d → %d of %d | %d %% | "
                              "%d of %d | %s |\n",
                              names[layout], n, each, s.sideBefore, s.sideAfter, s.pairs,
                              100 * s.crossingsAfter / std::max(s.crossings, 1), s.groupsBefore,
                              s.groupsAfter, s.groups,
                              100 * s.crossingsGrouped / std::max(s.crossings, 1), s.kept,
                              s.cliques, time.c_str());
                table += row;
            }
        }
    }
    std::fputs(table.c_str(), stderr);
}
BENCHMARK(BM_TidyBelonging_Table)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
