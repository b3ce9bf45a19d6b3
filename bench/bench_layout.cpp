// Each layout for the largest group (40 subjects), and the Target layout counting a
// full 40 x 10 grid, beside a baseline that only creates the 40 labels.

#include "choicegrid.h"
#include "globals.h"
#include "sociogramstate.h"

#include <benchmark/benchmark.h>
#include <random>

namespace {

constexpr int Subjects = 40;
constexpr int Slots = 10;

void newStudyOfForty()
{
    Global::reset();
    Global::NewProject = Global::True;
}

// Every slot filled with another subject, from a fixed seed so that runs compare.
void fillFullGrid()
{
    ChoiceGrid& grid = DataGrid();
    grid.setShape(0, 0);
    grid.setShape(Subjects + 2, Slots + 1);
    std::mt19937 random(1982);
    for (int s = 1; s <= Subjects; ++s) {
        grid.setTextMatrix(s + 1, 0, QString::number(s));
        for (int c = 1; c <= Slots; ++c) {
            int chosen = 1 + static_cast<int>(random() % (Subjects - 1));
            if (chosen >= s)
                ++chosen;
            grid.setTextMatrix(s + 1, c, QString::number(chosen));
        }
    }
}

template <void (LayoutSteps::*Layout)()> void runLayout(benchmark::State& state)
{
    newStudyOfForty();
    fillFullGrid();
    SociogramState sociogram;
    sociogram.layout().setNewStudyGroupSize(QStringLiteral("40"));
    for (auto _ : state) {
        sociogram.arrangement().labels().unloadAll();
        (sociogram.layout().*Layout)();
        benchmark::DoNotOptimize(Global::LabelPos.data());
    }
}

void BM_Layout_Baseline_CreateFortyLabels(benchmark::State& state)
{
    Arrangement sociogram;
    for (auto _ : state) {
        sociogram.labels().unloadAll();
        for (int i = 1; i <= Subjects; ++i)
            benchmark::DoNotOptimize(sociogram.labels().load(i));
    }
}
BENCHMARK(BM_Layout_Baseline_CreateFortyLabels);

void BM_Layout_Circle40(benchmark::State& state)
{
    runLayout<&LayoutSteps::CircleDraw>(state);
}
BENCHMARK(BM_Layout_Circle40);

void BM_Layout_Square40(benchmark::State& state)
{
    runLayout<&LayoutSteps::SquareDraw>(state);
}
BENCHMARK(BM_Layout_Square40);

void BM_Layout_Random40(benchmark::State& state)
{
    runLayout<&LayoutSteps::RandomDraw>(state);
}
BENCHMARK(BM_Layout_Random40);

void BM_Layout_Target40x10(benchmark::State& state)
{
    runLayout<&LayoutSteps::TargetDraw>(state);
}
BENCHMARK(BM_Layout_Target40x10);

} // namespace
