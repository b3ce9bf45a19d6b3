// The full analysis of the largest study (40 subjects, 10 choices, both criteria),
// the reading of its grid and the import of its choices, each beside a baseline that
// only touches the same data.

#include "choicegrid.h"
#include "choiceset.h"
#include "csv.h"
#include "csvimport.h"
#include "exports.h"
#include "sociometry.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <numeric>
#include <random>

namespace {

constexpr int Subjects = 40;
constexpr int Slots = 10;

// Every subject fills every slot under both criteria with distinct others, drawn
// from a fixed seed so that runs compare.
ChoiceSet largestStudy()
{
    ChoiceSet set = emptyChoiceSet(Subjects, Slots, Codes::CriterionType::Both);
    std::mt19937 random(1982);
    std::vector<int> others(Subjects - 1);
    for (int chooser = 1; chooser <= Subjects; ++chooser) {
        std::iota(others.begin(), others.end(), 1);
        std::transform(others.begin(), others.end(), others.begin(),
                       [chooser](int s) { return s >= chooser ? s + 1 : s; });
        std::shuffle(others.begin(), others.end(), random);
        for (int slot = 1; slot <= Slots; ++slot) {
            set.positive.push_back(
                {chooser, others[static_cast<std::size_t>(slot - 1)], ChoiceKind::Positive, slot});
            set.negative.push_back({chooser, others[static_cast<std::size_t>(Slots + slot - 1)],
                                    ChoiceKind::Negative, slot});
        }
    }
    return set;
}

void fillGrid(ChoiceGrid& grid, const ChoiceSet& set)
{
    grid.setShape(Subjects + 2, Slots + 1);
    for (const Choice& c : set.positive)
        grid.setTextMatrix(c.chooser + 1, c.slot, QString::number(c.chosen));
}

void BM_Analysis_Baseline_CopyChoices(benchmark::State& state)
{
    const ChoiceSet set = largestStudy();
    for (auto _ : state) {
        ChoiceSet copy = set;
        benchmark::DoNotOptimize(copy.positive.data());
    }
}
BENCHMARK(BM_Analysis_Baseline_CopyChoices);

void BM_Analysis_FullBothStudy40x10(benchmark::State& state)
{
    const ChoiceSet set = largestStudy();
    for (auto _ : state) {
        SociometricAnalysis a = analyseChoices(set);
        benchmark::DoNotOptimize(a.subjects.data());
    }
}
BENCHMARK(BM_Analysis_FullBothStudy40x10);

void BM_Analysis_Baseline_ReadGridTexts(benchmark::State& state)
{
    ChoiceGrid grid;
    fillGrid(grid, largestStudy());
    for (auto _ : state) {
        qsizetype length = 0;
        for (int r = 2; r < grid.Rows(); ++r)
            for (int c = 1; c < grid.Cols(); ++c)
                length += grid.TextMatrix(r, c).size();
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(BM_Analysis_Baseline_ReadGridTexts);

void BM_Analysis_ChoicesFromGrid40x10(benchmark::State& state)
{
    ChoiceGrid grid;
    fillGrid(grid, largestStudy());
    for (auto _ : state) {
        std::vector<Choice> choices = choicesFromGrid(grid, Criterion::Positive);
        benchmark::DoNotOptimize(choices.data());
    }
}
BENCHMARK(BM_Analysis_ChoicesFromGrid40x10);

// The positive choices in the survey shape the import reads: a header line, then per
// subject the chooser and the chosen subject of each slot.
QString surveyCsv(const ChoiceSet& set)
{
    std::vector<QStringList> rows(static_cast<std::size_t>(set.groupSize),
                                  QStringList(Slots + 1, QString()));
    for (std::size_t s = 0; s < rows.size(); ++s)
        rows[s][0] = QString::number(s + 1);
    for (const Choice& c : set.positive)
        rows[static_cast<std::size_t>(c.chooser - 1)][c.slot] = QString::number(c.chosen);
    QStringList header{QStringLiteral("Chooser")};
    for (int slot = 1; slot <= Slots; ++slot)
        header.append(QStringLiteral("Choice %1").arg(slot));
    QString out = Csv::line(header);
    for (const QStringList& row : rows)
        out += Csv::line(row);
    return out;
}

void BM_Analysis_Baseline_ParseCsv(benchmark::State& state)
{
    const QString text = surveyCsv(largestStudy());
    for (auto _ : state) {
        Csv::Text csv = Csv::parse(text, u',');
        benchmark::DoNotOptimize(csv.records.data());
    }
}
BENCHMARK(BM_Analysis_Baseline_ParseCsv);

void BM_Analysis_ImportCsv40x10(benchmark::State& state)
{
    const QString text = surveyCsv(largestStudy());
    for (auto _ : state) {
        ImportResult result = importChoicesCsv(text, Subjects, Slots);
        benchmark::DoNotOptimize(result.choices);
    }
}
BENCHMARK(BM_Analysis_ImportCsv40x10);

} // namespace
