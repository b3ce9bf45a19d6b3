// The class report of a Both class of 40 with ten choices: the lines of text, the table
// and the page painted into a PDF file, beside a PDF page with one line of text.

#include "benchapp.h"
#include "choiceset.h"
#include "classreport.h"
#include "codes.h"
#include "linedraw.h"
#include "paint.h"
#include "reportlines.h"
#include "titlekey.h"

#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <random>

namespace {

constexpr int Subjects = 40;
constexpr int Slots = 10;

ChoiceSet bothClass()
{
    std::mt19937 random(2026);
    ChoiceSet set = emptyChoiceSet(Subjects, Slots, Codes::CriterionType::Both);
    for (int s = 1; s <= Subjects; ++s)
        for (int slot = 1; slot <= Slots; ++slot) {
            const int chosen = (s + slot + int(random() % 3) * Slots) % Subjects + 1;
            if (chosen == s)
                continue;
            auto& list = slot <= 7 ? set.positive : set.negative;
            const Criterion kind = slot <= 7 ? Criterion::Positive : Criterion::Negative;
            if (std::none_of(list.begin(), list.end(),
                             [&](const Choice& c) { return c.chooser == s && c.chosen == chosen; }))
                list.push_back({s, chosen, kind, slot});
        }
    return set;
}

ReportPicture circlePicture(const ChoiceSet& set)
{
    PositionTable positions{};
    for (int s = 1; s <= Subjects; ++s) {
        const double angle = 2 * Codes::Geometry::Pi * (s - 1) / Subjects;
        positions[std::size_t(s)] = {std::int16_t(std::lround(3300 + 2800 * std::cos(angle))),
                                     std::int16_t(std::lround(3200 + 2800 * std::sin(angle)))};
    }
    ReportPicture picture;
    for (const auto* list : {&set.positive, &set.negative})
        for (const Choice& c : *list)
            appendChoice(picture.primitives, c, positions, QSizeF(360, 360));
    for (int s = 1; s <= Subjects; ++s)
        picture.primitives.push_back(
            labelPrimitive(QPointF(positions[std::size_t(s)][0], positions[std::size_t(s)][1]), 360,
                           QString::number(s)));
    picture.drawing = QSizeF(Codes::Geometry::DesignWidth, Codes::Geometry::DesignHeight);
    picture.options.includeKey = true;
    picture.primitives = framedPicture(std::move(picture.primitives), picture.drawing,
                                       picture.options.titleAndKey());
    return picture;
}

void BM_Report_Baseline_PdfPageWithOneLine(benchmark::State& state)
{
    ensureBenchApplication();
    QTemporaryDir dir;
    for (auto _ : state) {
        QPdfWriter pdf(dir.filePath(QStringLiteral("baseline.pdf")));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&pdf);
        painter.drawText(QPointF(100, 100), QStringLiteral("Class"));
        painter.end();
    }
}
BENCHMARK(BM_Report_Baseline_PdfPageWithOneLine)->Unit(benchmark::kMillisecond);

// Everything "Class Report..." does once the picture is taken from the window.
void BM_Report_ClassReport40x10(benchmark::State& state)
{
    ensureBenchApplication();
    QTemporaryDir dir;
    const ChoiceSet set = bothClass();
    const ReportPicture picture = circlePicture(set);
    for (auto _ : state) {
        const SociometricAnalysis analysis = analyseChoices(set);
        const StatusMethod method = StatusMethod::CoieDodgeCoppotelli;
        ClassReport report;
        report.header = {QStringLiteral("Class 4b"), QStringLiteral("Positive and negative"),
                         QStringLiteral("40 pupils, 10 choices each")};
        report.picture = picture;
        report.table = ReportLines::table(analysis, method);
        report.figures = ReportLines::figures(analysis, method, set, {});
        report.notes = ReportLines::methodNotes(method);
        QPdfWriter pdf(dir.filePath(QStringLiteral("report.pdf")));
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setResolution(1200);
        benchmark::DoNotOptimize(paintClassReport(pdf, report));
    }
}
BENCHMARK(BM_Report_ClassReport40x10)->Unit(benchmark::kMillisecond);

} // namespace
