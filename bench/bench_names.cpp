// The names under the labels: a 40-name class list read and loaded, then the 40 labels
// with their names painted onto a window-sized image. Beside it, the same labels without
// names, so that the cost of the names alone can be read off.

#include "benchapp.h"
#include "classlist.h"
#include "classlistfile.h"
#include "codes.h"
#include "labelset.h"
#include "linesteps.h"
#include "paint.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>

namespace {

constexpr int Subjects = 40;
constexpr qreal PixelsPerTwip = 1.0 / 15; // the window at 96 DPI

QString fortyNames()
{
    QStringList names;
    for (int s = 1; s <= Subjects; ++s)
        names << QStringLiteral("Pupil Number %1 Longname").arg(s);
    return classListCsv(names);
}

// Forty labels on a circle, as the circle layout places them.
LabelSet& circleOfLabels()
{
    static LabelSet labels;
    if (labels.highestIndex() == 0)
        for (int s = 1; s <= Subjects; ++s) {
            const double angle = 2 * Codes::Geometry::Pi * s / Subjects;
            (void)labels.load(s);
            labels.move(s, float(5000 + 2500 * std::cos(angle)),
                        float(3500 + 2500 * std::sin(angle)));
        }
    return labels;
}

void BM_LoadFortyNames(benchmark::State& state)
{
    const QString file = fortyNames();
    for (auto _ : state) {
        const ClassListRead read = readClassList(file, Subjects);
        ClassList::instance().setNames(0, read.names.value_or(QStringList{}));
        benchmark::DoNotOptimize(ClassList::instance().names(0).size());
    }
}
BENCHMARK(BM_LoadFortyNames);

void redraw(benchmark::State& state, bool withNames)
{
    ensureBenchApplication();
    const LabelSet& labels = circleOfLabels();
    const QStringList names = readClassList(fortyNames(), Subjects).names.value_or(QStringList{});
    QImage image(700, 500, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        PrimitiveList list = labelPrimitives(labels, Subjects);
        if (withNames) {
            const PrimitiveList shown =
                namePrimitives(labels, Subjects, names,
                               QSizeF(Codes::Geometry::DesignWidth, Codes::Geometry::DesignHeight));
            list.insert(list.end(), shown.begin(), shown.end());
        }
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPrimitives(painter, list, PixelsPerTwip);
        benchmark::DoNotOptimize(image.constBits());
    }
}
void BM_RedrawLabelsWithNames(benchmark::State& state)
{
    redraw(state, true);
}
void BM_RedrawLabelsOnly(benchmark::State& state)
{
    redraw(state, false);
}
BENCHMARK(BM_RedrawLabelsWithNames)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RedrawLabelsOnly)->Unit(benchmark::kMicrosecond);

} // namespace
