// The names beside the labels: a 40 x 10 Both sociogram on the Circle (800 choice lines and
// markers, the guide, forty labels) redrawn as the window draws it onto a window-sized image,
// with the forty names of a class list placed among the labels, and with the list read from
// its file and loaded first, as when the teacher loads it with the sociogram open. Beside
// them, the same redraw without names.

#include "benchapp.h"
#include "classlist.h"
#include "classlistfile.h"
#include "codes.h"
#include "keydrawing.h"
#include "labelset.h"
#include "linedraw.h"
#include "linesteps.h"
#include "paint.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <random>

namespace {

constexpr int Subjects = 40;
constexpr int Slots = 10;
constexpr qreal DrawW = Codes::Geometry::DesignWidth;
constexpr qreal DrawH = Codes::Geometry::DesignHeight;
constexpr qreal PixelsPerTwip = 1.0 / 15; // the window at 96 DPI

QString fortyNames()
{
    SubjectNames names(1);
    for (int s = 1; s <= Subjects; ++s)
        names.push_back(QStringLiteral("Pupil Number %1 Longname").arg(s));
    return classListCsv(names);
}

struct Sociogram {
    LabelSet labels;
    PrimitiveList drawing; // the lines, markers and guide under the labels
};

// Forty labels on the circle and every subject naming ten others under each criterion, from
// a fixed seed so that runs compare.
const Sociogram& circleSociogram()
{
    static const Sociogram* made = [] {
        auto* s = new Sociogram;
        PositionTable positions{};
        for (int i = 1; i <= Subjects; ++i) {
            const double angle = 2 * Codes::Geometry::Pi * (i - 1) / Subjects;
            const auto left = float(DrawW / 2 + 2500 * std::sin(angle) - 180);
            const auto top = float(DrawH / 2 - 2500 * std::cos(angle) - 180);
            (void)s->labels.load(i);
            s->labels.move(i, left, top);
            positions[std::size_t(i)] = {std::int16_t(left), std::int16_t(top)};
        }
        std::mt19937 random(1982);
        const QSizeF side(Codes::Geometry::LabelSide, Codes::Geometry::LabelSide);
        for (int i = 1; i <= Subjects; ++i)
            for (int c = 0; c < 2 * Slots; ++c) {
                const int other = 1 + int(random() % (Subjects - 1));
                appendChoice(s->drawing,
                             {i, other >= i ? other + 1 : other,
                              c < Slots ? ChoiceKind::Positive : ChoiceKind::Negative},
                             positions, side);
            }
        const GuideShape guide = guideShape(Codes::SociogramType::Circle, 0, DrawW, DrawH);
        s->drawing.insert(s->drawing.end(), guide.shapes.begin(), guide.shapes.end());
        return s;
    }();
    return *made;
}

// What the window's canvas does when its picture changes: the drawing, then the labels
// (names first, under them) in the labels' font.
void redraw(QImage& image, const Sociogram& s, const SubjectNames& names)
{
    PrimitiveList labels = labelPrimitives(s.labels, Subjects);
    if (!names.empty()) {
        const PrimitiveList shown = namePrimitives(s.labels, Subjects, names, QSizeF(DrawW, DrawH));
        labels.insert(labels.begin(), shown.begin(), shown.end());
    }
    image.fill(Qt::white);
    QPainter painter(&image);
    paintPrimitives(painter, s.drawing, PixelsPerTwip);
    painter.setFont(sociogramLabelFont());
    paintPrimitives(painter, labels, PixelsPerTwip);
}

QImage windowImage()
{
    return QImage(qRound(DrawW * PixelsPerTwip), qRound(DrawH * PixelsPerTwip),
                  QImage::Format_RGB32);
}

void BM_Names_Baseline_RedrawWithoutNames(benchmark::State& state)
{
    ensureBenchApplication();
    const Sociogram& s = circleSociogram();
    QImage image = windowImage();
    for (auto _ : state) {
        redraw(image, s, {});
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Names_Baseline_RedrawWithoutNames)->Unit(benchmark::kMillisecond);

// A redraw with the list loaded: what a drop or a Tidy costs more with names shown.
void BM_Names_RedrawWithNames(benchmark::State& state)
{
    ensureBenchApplication();
    const Sociogram& s = circleSociogram();
    const SubjectNames names = readClassList(fortyNames(), Subjects).names.value_or(SubjectNames{});
    QImage image = windowImage();
    for (auto _ : state) {
        redraw(image, s, names);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["names"] = double(names.size() - 1);
}
BENCHMARK(BM_Names_RedrawWithNames)->Unit(benchmark::kMillisecond);

// The teacher loads a class list of forty with the sociogram open: the file is read, the
// names given to the study, and the picture drawn again with them.
void BM_Names_LoadListAndRedraw40(benchmark::State& state)
{
    ensureBenchApplication();
    const Sociogram& s = circleSociogram();
    const QString file = fortyNames();
    QImage image = windowImage();
    for (auto _ : state) {
        const ClassListRead read = readClassList(file, Subjects);
        ClassList::instance().setNames(0, read.names.value_or(SubjectNames{}));
        redraw(image, s, ClassList::instance().names(0));
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["names"] = double(ClassList::instance().names(0).size() - 1);
    ClassList::instance().forgetAll();
}
BENCHMARK(BM_Names_LoadListAndRedraw40)->Unit(benchmark::kMillisecond);

} // namespace
