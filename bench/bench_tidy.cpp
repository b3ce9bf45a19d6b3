// Tidy Labels on each layout for the largest and busiest class (40 subjects, each
// naming 10 others under each criterion), beside a baseline that only scores the
// picture once. The counters give the picture's faults before and after.

#include "geometry.h"
#include "lineroutes.h"
#include "picturescore.h"
#include "primitives.h"
#include "tidy.h"
#include "tidyclasses.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <random>

namespace {

using namespace Layout;

constexpr int Subjects = 40;
constexpr int Each = 10;
using Codes::Geometry::Pi;
using TidyClasses::Area;
using TidyClasses::Label;

// Every subject names 10 others under each criterion, from a fixed seed so that runs
// compare.
std::vector<Choice> busyClass()
{
    std::mt19937 random(1982);
    std::vector<Choice> choices;
    for (int s = 1; s <= Subjects; ++s) {
        std::vector<int> others;
        for (int t = 1; t <= Subjects; ++t)
            if (t != s)
                others.push_back(t);
        for (size_t i = others.size() - 1; i > 0; --i)
            std::swap(others[i], others[random() % (i + 1)]);
        for (int k = 0; k < 2 * Each; ++k)
            choices.push_back(
                {s, others[k], k < Each ? ChoiceKind::Positive : ChoiceKind::Negative});
    }
    return choices;
}

QPointF around(double radius, double angle)
{
    return {Area.width() / 2 + radius * std::sin(angle) - Label.width() / 2,
            Area.height() / 2 - radius * std::cos(angle) - Label.height() / 2};
}

std::vector<QPointF> circleSlots()
{
    std::vector<QPointF> p(Subjects + 1);
    for (int s = 1; s <= Subjects; ++s)
        p[s] = around(2500, 2 * Pi * (s - 1) / Subjects);
    return p;
}

// Dealt round the frame inset by a tenth, a side at a time.
std::vector<QPointF> squareSlots()
{
    const double w = Area.width(), h = Area.height();
    const int k = (Subjects + 3) / 4;
    const double across = w * 4 / 5 / (k + 1), down = h * 4 / 5 / (k + 1);
    std::vector<QPointF> p(Subjects + 1);
    for (int s = 1; s <= Subjects; ++s) {
        const int j = (s - 1) / 4 + 1;
        const QPointF at[4] = {{w / 10 + across * j, h / 10},
                               {w * 9 / 10 - Label.width(), h / 10 + down * j},
                               {w * 9 / 10 - across * j, h * 9 / 10 - Label.height()},
                               {w / 10, h * 9 / 10 - down * j}};
        p[s] = at[(s - 1) % 4];
    }
    return p;
}

// The Target rings from the positive choices received, each spread from twelve o'clock
// and every other ring turned by an eighth, as the layout draws them.
std::vector<float> targetRings(const std::vector<Choice>& choices, std::vector<QPointF>& drawn)
{
    std::vector<int> received(Subjects + 1, 0);
    for (const Choice& c : choices)
        received[c.chosen] += c.positive();
    const int most = *std::max_element(received.begin(), received.end());
    std::vector<float> radius(Subjects + 1, 0);
    drawn.assign(Subjects + 1, {});
    for (int count = most; count >= 0; --count) {
        std::vector<int> ring;
        for (int s = 1; s <= Subjects; ++s)
            if (received[s] == count)
                ring.push_back(s);
        const double r = Codes::Geometry::labelRingRadius(static_cast<float>(Area.width()),
                                                          most + 1, most - count + 1);
        for (size_t j = 0; j < ring.size(); ++j) {
            radius[ring[j]] = static_cast<float>(r);
            drawn[ring[j]] = around(r, (count % 2 ? Pi / 4 : 0) + 2 * Pi * j / ring.size());
        }
    }
    return radius;
}

std::vector<QPointF> randomPicture()
{
    std::mt19937 random(7);
    std::vector<QPointF> p(Subjects + 1);
    for (int s = 1; s <= Subjects; ++s)
        p[s] = QPointF(random() % 6555, random() % 6270);
    return p;
}

void report(benchmark::State& state, const std::vector<QPointF>& before,
            const std::vector<QPointF>& after, const std::vector<Choice>& choices)
{
    const PictureScore b = scorePicture(before, Subjects, choices, Label);
    const PictureScore a = scorePicture(after, Subjects, choices, Label);
    state.counters["overlapsBefore"] = b.overlaps;
    state.counters["overlapsAfter"] = a.overlaps;
    state.counters["linesUnderBefore"] = b.linesUnderLabels;
    state.counters["linesUnderAfter"] = a.linesUnderLabels;
    state.counters["markersUnderBefore"] = b.markersUnderLabels;
    state.counters["markersUnderAfter"] = a.markersUnderLabels;
    state.counters["crossingsBefore"] = b.crossings;
    state.counters["crossingsAfter"] = a.crossings;
}

void BM_Tidy_Baseline_ScorePicture(benchmark::State& state)
{
    const std::vector<Choice> choices = busyClass();
    const std::vector<QPointF> slots = circleSlots();
    for (auto _ : state)
        benchmark::DoNotOptimize(scorePicture(slots, Subjects, choices, Label));
}
BENCHMARK(BM_Tidy_Baseline_ScorePicture)->Unit(benchmark::kMillisecond);

// Tidy with "Show Names" on and a class list loaded: each label is tidied as one box with its
// name's band under it, as the window asks, so that no label stands where a name goes.
const QSizeF Named(Label.width(), Label.height() + DrawSize::NameGap + DrawSize::NameHeight);

// Times one layout's Tidy from its designed picture `start`. On plain labels the counters
// give the picture's faults before and after; with names only the time is compared.
template <typename Tidy>
void timeTidy(benchmark::State& state, const std::vector<Choice>& choices,
              const std::vector<QPointF>& start, QSizeF label, Tidy tidy)
{
    std::vector<QPointF> tidied;
    for (auto _ : state)
        benchmark::DoNotOptimize(tidied = tidy());
    if (label == Label)
        report(state, start, tidied, choices);
}

void tidyCircle(benchmark::State& state, QSizeF label)
{
    const std::vector<Choice> choices = busyClass();
    const std::vector<QPointF> slots = circleSlots();
    // With the lines round labels that follow it, as the window draws them after Tidy.
    timeTidy(state, choices, slots, label, [&] {
        std::vector<QPointF> tidied = tidyOnSlots(
            frameSlots(false, Subjects, Area, Label,
                       QSizeF(Codes::Geometry::CircleRadius, Codes::Geometry::CircleRadius)),
            Subjects, choices, Area, label, nullptr, true);
        benchmark::DoNotOptimize(
            routeLines(Codes::SociogramType::Circle, tidied, choices, Area, Label));
        return tidied;
    });
}

void tidySquare(benchmark::State& state, QSizeF label)
{
    const std::vector<Choice> choices = busyClass();
    const std::vector<QPointF> slots = squareSlots();
    // With the lines round labels that follow it, as the window draws them after Tidy.
    timeTidy(state, choices, slots, label, [&] {
        std::vector<QPointF> tidied =
            tidyOnSlots(frameSlots(true, Subjects, Area, Label,
                                   QSizeF(Area.width() * 0.4 - 180, Area.height() * 0.4 - 180)),
                        Subjects, choices, Area, label, nullptr, true);
        benchmark::DoNotOptimize(
            routeLines(Codes::SociogramType::Square, tidied, choices, Area, Label));
        return tidied;
    });
}

void tidyTarget(benchmark::State& state, QSizeF label)
{
    const std::vector<Choice> choices = busyClass();
    std::vector<QPointF> drawn;
    const std::vector<float> radius = targetRings(choices, drawn);
    timeTidy(state, choices, drawn, label, [&] {
        return roomToBend(tidyOnRings(radius, drawn, Subjects, choices, Area, label).leftTop,
                          choices, Area, Label, {label, {}}, true);
    });
}

void tidyRandom(benchmark::State& state, QSizeF label)
{
    const std::vector<Choice> choices = busyClass();
    const std::vector<QPointF> start = randomPicture();
    timeTidy(state, choices, start, label, [&] {
        return roomToBend(tidyFree(start, Subjects, choices, Area, label), choices, Area, Label,
                          {label, {}}, false);
    });
}

void BM_Tidy_Circle40(benchmark::State& state)
{
    tidyCircle(state, Label);
}
BENCHMARK(BM_Tidy_Circle40)->Unit(benchmark::kMillisecond);

void BM_Tidy_Square40(benchmark::State& state)
{
    tidySquare(state, Label);
}
BENCHMARK(BM_Tidy_Square40)->Unit(benchmark::kMillisecond);

void BM_Tidy_Target40(benchmark::State& state)
{
    tidyTarget(state, Label);
}
BENCHMARK(BM_Tidy_Target40)->Unit(benchmark::kMillisecond);

void BM_Tidy_Random40(benchmark::State& state)
{
    tidyRandom(state, Label);
}
BENCHMARK(BM_Tidy_Random40)->Unit(benchmark::kMillisecond);

void BM_Tidy_Circle40Names(benchmark::State& state)
{
    tidyCircle(state, Named);
}
BENCHMARK(BM_Tidy_Circle40Names)->Unit(benchmark::kMillisecond);

void BM_Tidy_Square40Names(benchmark::State& state)
{
    tidySquare(state, Named);
}
BENCHMARK(BM_Tidy_Square40Names)->Unit(benchmark::kMillisecond);

void BM_Tidy_Target40Names(benchmark::State& state)
{
    tidyTarget(state, Named);
}
BENCHMARK(BM_Tidy_Target40Names)->Unit(benchmark::kMillisecond);

void BM_Tidy_Random40Names(benchmark::State& state)
{
    tidyRandom(state, Named);
}
BENCHMARK(BM_Tidy_Random40Names)->Unit(benchmark::kMillisecond);

} // namespace

// The readability measures before (the layout as designed) and after Tidy, summed over
// five generated classes of each size, printed as the README's table.
TidyClasses::Picture TidyClasses::designedAndTidied(int layout, int n,
                                                    const std::vector<Choice>& choices,
                                                    unsigned seed, const std::vector<int>& groupOf)
{
    using namespace Layout;
    const Layout::Area area{float(Area.width()), float(Area.height())};
    const QPointF middle(Area.width() / 2 - Label.width() / 2,
                         Area.height() / 2 - Label.height() / 2);
    Picture p{std::vector<QPointF>(1), {}, TidyClasses::Shape::Cycle, middle};
    const auto take = [&](const std::vector<Place>& places) {
        for (const Place& at : places)
            p.designed.emplace_back(at.left, at.top);
    };
    if (layout == 0 || layout == 1) {
        take(layout == 0 ? circlePlaces(n, area, {})
                         : squarePlaces(n, area, {}, *squareSpacing(n, area)));
        p.centre = {};
        for (int s = 1; s <= n; ++s)
            p.centre += p.designed[s] / n;
        const QSizeF radius =
            layout == 0 ? QSizeF(Codes::Geometry::CircleRadius, Codes::Geometry::CircleRadius)
                        : QSizeF(Area.width() * 0.4 - 180, Area.height() * 0.4 - 180);
        p.tidied = tidyOnSlots(frameSlots(layout == 1, n, Area, Label, radius), n, choices, Area,
                               Label, nullptr, true, groupOf);
    } else if (layout == 2) {
        std::vector<long> received(n + 1, 0);
        for (const Choice& c : choices)
            received[c.chosen] += c.positive();
        const long most = *std::max_element(received.begin(), received.end());
        std::vector<float> radius(n + 1, 0);
        p.designed.resize(n + 1);
        const auto rings = Layout::targetRings(received, n, most, area, {});
        for (const Ring& ring : *rings)
            for (size_t e = 0; e < ring.members.size(); ++e) {
                radius[ring.members[e]] = ring.radius;
                p.designed[ring.members[e]] = {ring.places[e].left, ring.places[e].top};
            }
        p.shape = TidyClasses::Shape::Target;
        p.tidied =
            roomToBend(tidyOnRings(radius, p.designed, n, choices, Area, Label, groupOf).leftTop,
                       choices, Area, Label, {Label, {}}, true);
    } else {
        std::mt19937 random(seed);
        const RandomSource source = [&] { return float(random() % 100000) / 100000.0f; };
        PositionTable placed{};
        p.designed.resize(n + 1);
        for (int s = 1; s <= n; ++s) {
            const Place at = randomPlace(source, placed, s, area).value_or(Place{});
            placed[s] = {std::int16_t(at.left), std::int16_t(at.top)};
            p.designed[s] = {double(placed[s][0]), double(placed[s][1])};
        }
        p.shape = TidyClasses::Shape::Free;
        p.tidied = roomToBend(tidyFree(p.designed, n, choices, Area, Label, groupOf), choices, Area,
                              Label, {Label, {}}, false);
    }
    return p;
}

namespace {

// The table's layouts, in its order.
const int LayoutType[] = {Codes::SociogramType::Circle, Codes::SociogramType::Square,
                          Codes::SociogramType::Target, Codes::SociogramType::Random};

// The measures over the five generated classes of one size, before and after Tidy, each
// counted on the lines as drawn: straight as designed, round labels after Tidy.
struct Sums {
    TidyClasses::Measures before, after;
};

Sums summedMeasures(int layout, int n, int each, TidyClasses::Criteria criteria)
{
    using namespace TidyClasses;
    Sums sums;
    for (unsigned seed = 1; seed <= 5; ++seed) {
        const std::vector<Choice> choices = generatedClass(n, each, seed, criteria);
        const Picture p = designedAndTidied(layout, n, choices, seed);
        const auto add = [&](Measures& sum, const std::vector<QPointF>& at) {
            Measures m = measure(at, n, choices, p.shape, p.centre, Area, Label);
            const LineRoutes routes = &at == &p.tidied
                                          ? routeLines(LayoutType[layout], at, choices, Area, Label)
                                          : LineRoutes{};
            const DrawnCount drawn = countDrawn(routes, at, choices, Label);
            m.linesUnder = drawn.linesUnder;
            m.crossings = drawn.crossings;
            sum = {sum.overlaps + m.overlaps,   sum.linesUnder + m.linesUnder,
                   sum.crossings + m.crossings, sum.cliques + m.cliques,
                   sum.kept + m.kept,           sum.outside + m.outside};
        };
        add(sums.before, p.designed);
        add(sums.after, p.tidied);
    }
    return sums;
}

// The processor time of one Tidy of the 40 x 10 class of the other Tidy figures, with
// the routing of its lines, averaged over five runs: others share the machine.
std::string tidyTime(int layout, TidyClasses::Criteria criteria)
{
    const std::vector<Choice> busy = TidyClasses::inView(busyClass(), criteria);
    const std::clock_t start = std::clock();
    for (int k = 0; k < 5; ++k) {
        const TidyClasses::Picture tidied = TidyClasses::designedAndTidied(layout, 40, busy, 1);
        benchmark::DoNotOptimize(routeLines(LayoutType[layout], tidied.tidied, busy, Area, Label));
    }
    const double ms = 1000.0 * double(std::clock() - start) / CLOCKS_PER_SEC / 5;
    return std::to_string(int(ms + 0.5)) + " ms";
}

// The README's table: each layout, each size, both criteria and the positive one alone.
void BM_TidyReadability_Table(benchmark::State& state)
{
    using TidyClasses::Criteria;
    const char* names[] = {"Circle", "Square", "Target", "Random"};
    std::string table =
        "| Layout | Class | Criterion | Overlapping labels | Lines under a label | Crossings | "
        "Cliques of 3 to 5 kept together | Labels outside | Tidy 40 x 10 |\n"
        "|---|---|---|---|---|---|---|---|---|\n";
    for (auto _ : state)
        for (int layout = 0; layout < 4; ++layout)
            for (const auto& [n, each] : {std::pair(24, 3), std::pair(40, 5)})
                for (const Criteria criteria : {Criteria::Both, Criteria::Positive}) {
                    const auto [b, a] = summedMeasures(layout, n, each, criteria);
                    const std::string time = n == 40 ? tidyTime(layout, criteria) : "";
                    char row[400];
                    std::snprintf(row, sizeof row,
                                  "| %s | %d x %d | %s | %d → %d | %d → %d | %d → %d (%d %%) | "
                                  "%d → %d of %d | %d → %d | %s |\n",
                                  names[layout], n, each,
                                  criteria == Criteria::Both ? "both" : "positive", b.overlaps,
                                  a.overlaps, b.linesUnder, a.linesUnder, b.crossings, a.crossings,
                                  b.crossings ? 100 * a.crossings / b.crossings : 0, b.kept, a.kept,
                                  b.cliques, b.outside, a.outside, time.c_str());
                    table += row;
                }
    std::fputs(table.c_str(), stderr);
}
BENCHMARK(BM_TidyReadability_Table)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
