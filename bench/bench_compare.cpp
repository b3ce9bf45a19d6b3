// Two surveys of the largest study compared (40 subjects, 10 choices, both criteria): the
// comparison the window shows and the picture of the changes, beside the analysis of one
// survey that the comparison builds on.

#include "benchapp.h"
#include "changedraw.h"
#include "choiceset.h"
#include "codes.h"
#include "comparison.h"
#include "paint.h"
#include "sociometry.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <numeric>
#include <random>

namespace {

constexpr int Subjects = 40;
constexpr int Slots = 10;
constexpr qreal LabelSide = Codes::Geometry::LabelSide;
constexpr qreal PixelsPerTwip = 1.0 / 15; // the window at 96 DPI

// Each pupil keeps `keep` of the earlier survey's choices per criterion and draws the
// rest anew, so that every tie is kept, new or gone in about the share of real classes.
ChoiceSet survey(std::mt19937& random, const ChoiceSet* earlier, int keep)
{
    ChoiceSet set = emptyChoiceSet(Subjects, Slots, Codes::CriterionType::Both);
    std::vector<int> others(Subjects - 1);
    for (int chooser = 1; chooser <= Subjects; ++chooser) {
        std::iota(others.begin(), others.end(), 1);
        std::transform(others.begin(), others.end(), others.begin(),
                       [chooser](int s) { return s >= chooser ? s + 1 : s; });
        std::shuffle(others.begin(), others.end(), random);
        for (ChoiceKind kind : {ChoiceKind::Positive, ChoiceKind::Negative}) {
            std::vector<int> chosen;
            if (earlier)
                for (const Choice& c : earlier->of(kind))
                    if (c.chooser == chooser && static_cast<int>(chosen.size()) < keep)
                        chosen.push_back(c.chosen);
            for (int s : others) {
                if (static_cast<int>(chosen.size()) == Slots)
                    break;
                if (std::find(chosen.begin(), chosen.end(), s) == chosen.end())
                    chosen.push_back(s);
            }
            for (int slot = 1; slot <= Slots; ++slot)
                set.of(kind).push_back(
                    {chooser, chosen[static_cast<std::size_t>(slot - 1)], kind, slot});
        }
    }
    return set;
}

struct SurveyPair {
    ChoiceSet autumn, spring;
};

const SurveyPair& surveys()
{
    static const SurveyPair pair = [] {
        std::mt19937 random(1982);
        SurveyPair p;
        p.autumn = survey(random, nullptr, 0);
        p.spring = survey(random, &p.autumn, Slots / 2);
        return p;
    }();
    return pair;
}

PositionTable circleOfForty()
{
    PositionTable table{};
    for (int s = 1; s <= Subjects; ++s) {
        const double angle = 2 * Codes::Geometry::Pi * (s - 1) / Subjects;
        table[static_cast<std::size_t>(s)] = {
            static_cast<std::int16_t>(std::lround(4800 + 2500 * std::cos(angle) - 180)),
            static_cast<std::int16_t>(std::lround(3400 + 2500 * std::sin(angle) - 180))};
    }
    return table;
}

void BM_Compare_Baseline_AnalysisOfOne(benchmark::State& state)
{
    const ChoiceSet& set = surveys().spring;
    for (auto _ : state) {
        SociometricAnalysis a = analyseChoices(set);
        benchmark::DoNotOptimize(a.subjects.data());
    }
}
BENCHMARK(BM_Compare_Baseline_AnalysisOfOne);

// What "Compare With..." and "Show on Sociogram" compute between them: the comparison
// with its table and figures, then the picture of the changes painted on a window-sized
// image.
void BM_Compare_TwoSurveysAndPicture40x10(benchmark::State& state)
{
    ensureBenchApplication();
    const SurveyPair& pair = surveys();
    const PositionTable positions = circleOfForty();
    QImage image(qRound(9600 * PixelsPerTwip), qRound(6800 * PixelsPerTwip), QImage::Format_RGB32);
    for (auto _ : state) {
        const SurveyComparison c = compareSurveys(pair.autumn, pair.spring);
        const TextTable table = comparisonTable(c, StatusMethod::CoieDodgeCoppotelli);
        const std::vector<FigurePair> figures =
            comparisonFigures(c, StatusMethod::CoieDodgeCoppotelli);
        benchmark::DoNotOptimize(figures.data());
        const ChangePicture picture =
            changedTiePrimitives(c.ties, positions, QSizeF(LabelSide, LabelSide));
        image.fill(Qt::white);
        QPainter painter(&image);
        paintPrimitives(painter, picture.shapes, PixelsPerTwip);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_Compare_TwoSurveysAndPicture40x10)->Unit(benchmark::kMillisecond);

} // namespace
