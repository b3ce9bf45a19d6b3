// The sociogram's drawing at its largest: a 40 x 10 study of criterion type Both,
// whose grid holds 400 positive choices and whose file holds 400 negative ones, so
// that LineDraw builds 800 choice lines with their markers and the circle guide and
// paintPrimitives paints them onto a window-sized image. Beside it, a bare QPainter
// loop drawing the same 800 lines on the same image, and the picture of the ties of two
// surveys of that class, kept, new and gone.

#include "benchapp.h"
#include "choicegrid.h"
#include "codes.h"
#include "forms.h"
#include "globals.h"
#include "linesteps.h"
#include "paint.h"
#include "testdb.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int Subjects = 40;
constexpr int Slots = 10;
constexpr int StudyRecord = 1;
constexpr qreal DrawW = Codes::Geometry::DesignWidth;
constexpr qreal DrawH = Codes::Geometry::DesignHeight;
constexpr qreal LabelSide = Codes::Geometry::LabelSide;
constexpr qreal PixelsPerTwip = 1.0 / 15; // the window at 96 DPI
constexpr int ExpectedLines = 2 * Subjects * Slots;

// The study database lives for the whole run; the drawing reads it on every pass.
struct DrawingStudy {
    std::unique_ptr<TestDatabase> db;
    QString problem; // why the study could not be set up, empty when it could
};

// Another subject than s, from a fixed seed so that runs compare.
int otherSubject(std::mt19937& random, int s)
{
    int chosen = 1 + static_cast<int>(random() % (Subjects - 1));
    return chosen >= s ? chosen + 1 : chosen;
}

void placeLabelsOnACircle()
{
    for (int s = 1; s <= Subjects; ++s) {
        const double angle = 2 * Codes::Geometry::Pi * s / Subjects;
        Global::LabelPos[s] = {
            Global::Integer(std::lround(DrawW / 2 + 2500 * std::cos(angle) - 180)),
            Global::Integer(std::lround(DrawH / 2 + 2500 * std::sin(angle) - 180))};
    }
}

void fillGridAndFile(TestDatabase& db)
{
    ChoiceGrid& grid = DataGrid();
    grid.setShape(0, 0);
    grid.setShape(Subjects + 2, Slots + 1);
    std::mt19937 random(1982);
    db.exec(QStringLiteral("BEGIN"));
    for (int s = 1; s <= Subjects; ++s) {
        grid.setTextMatrix(s + 1, 0, QString::number(s));
        for (int c = 1; c <= Slots; ++c) {
            grid.setTextMatrix(s + 1, c, QString::number(otherSubject(random, s)));
            db.exec(QStringLiteral("INSERT INTO SOCIDATA (HEADER, ANSWERTYPE, INDIVIDUAL, CHOICE, "
                                   "ANSWER) VALUES (?, 2, ?, ?, ?)"),
                    {StudyRecord, s + 1, c, otherSubject(random, s)});
        }
    }
    db.exec(QStringLiteral("COMMIT"));
}

PrimitiveList drawLines()
{
    return drawChoiceLines(DataGrid(), QSizeF(LabelSide, LabelSide), DrawW, DrawH);
}

int lineCount(const PrimitiveList& list)
{
    return int(std::count_if(list.begin(), list.end(),
                             [](const Primitive& p) { return p.kind == Primitive::Kind::Line; }));
}

DrawingStudy& study()
{
    static DrawingStudy s = [] {
        ensureBenchApplication();
        DrawingStudy made;
        made.db = std::make_unique<TestDatabase>();
        if (!made.db->isValid()) {
            made.problem = QStringLiteral("the study database could not be made");
            return made;
        }
        Global::reset();
        Global::AppPath = made.db->folder() + u'/';
        Global::CriterionType = Codes::CriterionType::Both;
        Global::CurrentCriterion = Codes::AnswerType::Positive;
        Global::CurrentRecord = StudyRecord;
        Global::SociogramType = Codes::SociogramType::Circle;
        placeLabelsOnACircle();
        fillGridAndFile(*made.db);
        const int lines = lineCount(drawLines());
        if (lines != ExpectedLines)
            made.problem = QStringLiteral("LineDraw gave %1 lines instead of %2")
                               .arg(lines)
                               .arg(ExpectedLines);
        return made;
    }();
    return s;
}

QImage windowImage()
{
    return QImage(qRound(DrawW * PixelsPerTwip), qRound(DrawH * PixelsPerTwip),
                  QImage::Format_RGB32);
}

bool skipWithoutStudy(benchmark::State& state)
{
    if (study().problem.isEmpty())
        return false;
    state.SkipWithError(study().problem.toStdString().c_str());
    return true;
}

void BM_Draw_Baseline_BareQPainter(benchmark::State& state)
{
    if (skipWithoutStudy(state))
        return;
    // The same lines and markers as plain geometry, painted with one pen per kind.
    std::vector<QLineF> lines;
    std::vector<std::pair<QPointF, qreal>> discs;
    std::vector<QRectF> squares;
    for (const Primitive& p : drawLines()) {
        if (p.kind == Primitive::Kind::Line)
            lines.emplace_back(p.p1 * PixelsPerTwip, p.p2 * PixelsPerTwip);
        else if (p.kind == Primitive::Kind::Disc)
            discs.emplace_back(p.p1 * PixelsPerTwip, p.radius * PixelsPerTwip);
        else if (p.kind == Primitive::Kind::SquareOutline)
            squares.emplace_back(QRectF(p.p1 * PixelsPerTwip, p.p2 * PixelsPerTwip).normalized());
    }
    QImage image = windowImage();
    QPen pen(Qt::black, 0);
    pen.setCosmetic(true);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setPen(pen);
        for (const QLineF& line : lines)
            painter.drawLine(line);
        painter.setBrush(Qt::black);
        for (const auto& [centre, radius] : discs)
            painter.drawEllipse(centre, radius, radius);
        painter.setBrush(Qt::NoBrush);
        for (const QRectF& square : squares)
            painter.drawRect(square);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * qint64(lines.size()));
}
BENCHMARK(BM_Draw_Baseline_BareQPainter);

void BM_Draw_LinesAndPaint(benchmark::State& state)
{
    if (skipWithoutStudy(state))
        return;
    QImage image = windowImage();
    for (auto _ : state) {
        const PrimitiveList list = drawLines();
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPrimitives(painter, list, PixelsPerTwip);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * ExpectedLines);
}
BENCHMARK(BM_Draw_LinesAndPaint);

// One repaint of the window: the list is built when a label is dropped, not on every
// frame, so this is what a frame costs.
void BM_Draw_PaintFrame(benchmark::State& state)
{
    if (skipWithoutStudy(state))
        return;
    QImage image = windowImage();
    const PrimitiveList list = drawLines();
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPrimitives(painter, list, PixelsPerTwip);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Draw_PaintFrame);

// Ten distinct others of s, the first `keep` of them taken from `earlier`.
std::vector<int> answers(std::mt19937& random, int s, const std::vector<int>& earlier, int keep)
{
    std::vector<int> chosen(earlier.begin(),
                            earlier.begin() + std::min<long>(keep, long(earlier.size())));
    while (int(chosen.size()) < Slots) {
        const int other = otherSubject(random, s);
        if (std::find(chosen.begin(), chosen.end(), other) == chosen.end())
            chosen.push_back(other);
    }
    return chosen;
}

// Two surveys of the 40 x 10 Both class, the later keeping about half of each pupil's
// earlier choices: every tie kept, new or gone, as the comparison hands them over.
TieChanges surveyChanges()
{
    std::mt19937 random(2026);
    TieChanges ties;
    for (ChoiceKind kind : {ChoiceKind::Positive, ChoiceKind::Negative})
        for (int s = 1; s <= Subjects; ++s) {
            const std::vector<int> autumn = answers(random, s, {}, 0);
            const std::vector<int> spring = answers(random, s, autumn, Slots / 2);
            const auto in = [](const std::vector<int>& v, int x) {
                return std::find(v.begin(), v.end(), x) != v.end();
            };
            for (int chosen : spring)
                ties.push_back(
                    {{s, chosen, kind}, in(autumn, chosen) ? TieChange::Kept : TieChange::New});
            for (int chosen : autumn)
                if (!in(spring, chosen))
                    ties.push_back({{s, chosen, kind}, TieChange::Gone});
        }
    return ties;
}

// The picture of the changes between two surveys of the largest study: the primitives of
// some 1,200 ties in their three looks with their markers and the guide, painted on a
// window-sized image. The comparison's own work is not included.
void BM_Draw_ChangesAndPaint(benchmark::State& state)
{
    if (skipWithoutStudy(state))
        return;
    const TieChanges ties = surveyChanges();
    QImage image = windowImage();
    for (auto _ : state) {
        const PrimitiveList list =
            drawChangeLines(ties, QSizeF(LabelSide, LabelSide), DrawW, DrawH, {});
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPrimitives(painter, list, PixelsPerTwip);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * qint64(ties.size()));
}
BENCHMARK(BM_Draw_ChangesAndPaint)->Unit(benchmark::kMillisecond);

} // namespace

// A repaint of the largest study in a window twice the designed size, as the window
// paints it then: smoothed, with "Colour Choices" on and the forty labels on top.
void BM_Draw_PaintFrameTwiceSize(benchmark::State& state)
{
    if (skipWithoutStudy(state))
        return;
    constexpr qreal Zoom = 2;
    QImage image(qRound(DrawW * PixelsPerTwip * Zoom), qRound(DrawH * PixelsPerTwip * Zoom),
                 QImage::Format_RGB32);
    const PrimitiveList list =
        drawChoiceLines(DataGrid(), QSizeF(LabelSide, LabelSide), DrawW, DrawH, {true, true});
    PrimitiveList labels;
    for (int s = 1; s <= 40; ++s) {
        const qreal angle = 2 * Codes::Geometry::Pi * (s - 1) / 40;
        labels.push_back(labelPrimitive(QPointF(DrawW / 2 + 2500 * std::cos(angle) - 180,
                                                DrawH / 2 + 2500 * std::sin(angle) - 180),
                                        LabelSide, QString::number(s)));
    }
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        paintPrimitives(painter, list, PixelsPerTwip * Zoom);
        paintPrimitives(painter, labels, PixelsPerTwip * Zoom);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Draw_PaintFrameTwiceSize)->Unit(benchmark::kMillisecond);

// What a frame of the window costs once the picture is drawn: the window keeps the
// picture and copies it, with the drag outline on top, on every pointer move.
void BM_Draw_FrameFromCacheTwiceSize(benchmark::State& state)
{
    if (skipWithoutStudy(state))
        return;
    const QSize size(qRound(DrawW * PixelsPerTwip * 2), qRound(DrawH * PixelsPerTwip * 2));
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QImage window(size, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&window);
        painter.drawImage(0, 0, picture);
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
        painter.drawRect(QRectF(100, 100, 48, 48));
        painter.end();
        benchmark::DoNotOptimize(window.constBits());
    }
}
BENCHMARK(BM_Draw_FrameFromCacheTwiceSize)->Unit(benchmark::kMillisecond);
