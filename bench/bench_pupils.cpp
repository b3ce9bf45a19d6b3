// Answers from the pupils: a form's 40 responses with both criteria read, matched by name
// and listed, beside the bare parse of the same text; and one answer given at the shared
// computer stored in its transaction, beside the whole grid's save.

#include "choicegrid.h"
#include "csv.h"
#include "formresponses.h"
#include "globals.h"
#include "kioskanswer.h"
#include "testdb.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Pupils = 40;

std::vector<QString> classOfForty()
{
    std::vector<QString> names(1);
    for (int s = 1; s <= Pupils; ++s)
        names.push_back(QStringLiteral("Pupil Nam\u00e9 %1").arg(s));
    return names;
}

// Timestamp, e-mail, the respondent by name, three classmates liked and three not, each
// criterion in one column as multi-select questions export it.
QString fortyResponses()
{
    QString text = QStringLiteral(
        "Timestamp,Email,Your name,Who would you like to sit with?,Who would you rather "
        "not sit with?\n");
    const auto name = [](int s) {
        return QStringLiteral("pupil name %1").arg((s - 1) % Pupils + 1);
    };
    for (int s = 1; s <= Pupils; ++s)
        text +=
            QStringLiteral("2026-05-04 10:%1,p%1@school.example,%2,\"%3; %4; %5\",\"%6; %7\"\n")
                .arg(s)
                .arg(name(s), name(s + 1), name(s + 2), name(s + 3), name(s + 10), name(s + 11));
    return text;
}

void BM_Pupils_Baseline_ParseCsv(benchmark::State& state)
{
    const QString text = fortyResponses();
    for (auto _ : state)
        benchmark::DoNotOptimize(Csv::parse(text, u','));
}
BENCHMARK(BM_Pupils_Baseline_ParseCsv);

void BM_Pupils_FormResponses40Both(benchmark::State& state)
{
    const QString text = fortyResponses();
    const FormStudy study{Pupils, 3, Codes::CriterionType::Both, classOfForty()};
    for (auto _ : state) {
        const FormSheet sheet = readFormSheet(text);
        const FormResponses read =
            readFormResponses(sheet, guessFormRoles(sheet.header, study.criterionType), study);
        if (read.rowsTaken != Pupils)
            state.SkipWithError("the responses were not all taken");
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(BM_Pupils_FormResponses40Both)->Unit(benchmark::kMillisecond);

void BM_Pupils_KioskAnswerStored(benchmark::State& state)
{
    TestDatabase db;
    if (!db.isValid()) {
        state.SkipWithError("no database");
        return;
    }
    Global::CurrentRecord = db.addStudy(QStringLiteral("Bench"), Pupils, 3, QStringLiteral("Who?"),
                                        Codes::CriterionType::Both);
    Global::GroupSize = Pupils;
    Global::MaxChoices = 3;
    Global::CriterionType = Codes::CriterionType::Both;
    Global::CurrentCriterion = Codes::AnswerType::Positive;
    ChoiceGrid grid;
    grid.setShape(Pupils + ChoiceGrid::FixedRows, 3 + ChoiceGrid::FixedCols);
    int pupil = 0;
    for (auto _ : state) {
        pupil = pupil % Pupils + 1;
        const KioskAnswer answer{pupil, {pupil % Pupils + 1, (pupil + 1) % Pupils + 1}, {}};
        if (!storeKioskAnswer(answer, grid))
            state.SkipWithError("the answer was not stored");
    }
}
BENCHMARK(BM_Pupils_KioskAnswerStored)->Unit(benchmark::kMillisecond);

} // namespace
