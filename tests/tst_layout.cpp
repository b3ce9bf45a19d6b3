// The layouts as plain geometry and Tidy Labels with its picture score.
#include "cliques.h"
#include "geometry.h"
#include "picturescore.h"
#include "tidy.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <deque>
#include <random>

using namespace Layout;

namespace {

const QSizeF Label(360, 360);
const QSizeF Design(6915, 6630);
using Points = std::vector<QPointF>;
using Choices = std::vector<Choice>;
constexpr ChoiceKind Negative = ChoiceKind::Negative;

int kept(float v)
{
    return static_cast<int>(std::nearbyint(v));
}

RandomSource sequence(std::deque<float> values)
{
    return [values = std::move(values)]() mutable {
        const float v = values.empty() ? 0.0f : values.front();
        if (!values.empty())
            values.pop_front();
        return v;
    };
}

Points points(const std::vector<Place>& places)
{
    Points p(1);
    for (const Place& at : places)
        p.emplace_back(at.left, at.top);
    return p;
}

// `each` positive and `each` negative choices per subject, fixed by the seed.
Choices generatedClass(int n, int each, unsigned seed)
{
    std::mt19937 random(seed);
    Choices choices;
    for (int s = 1; s <= n; ++s) {
        std::vector<int> others;
        for (int t = 1; t <= n; ++t)
            if (t != s)
                others.push_back(t);
        std::shuffle(others.begin(), others.end(), random);
        for (int k = 0; k < std::min<int>(2 * each, n - 1); ++k)
            choices.push_back({s, others[k], k < each ? ChoiceKind::Positive : Negative});
    }
    return choices;
}

// Choices the picture never draws: they must change nothing.
Choices withStrayChoices(Choices choices, int n)
{
    choices.insert(choices.end(), {{0, 1}, {1, n + 1}, {2, 2, Negative}});
    return choices;
}

// Each label on the radius Tidy gave its ring, the rings in their designed order.
bool onTheirRings(const RingsTidied& tidy, const std::vector<float>& radius)
{
    for (std::size_t r = 1; r < tidy.rings.size(); ++r)
        if (!(tidy.rings[r - 1].used < tidy.rings[r].used))
            return false;
    const Points& at = tidy.leftTop;
    for (std::size_t s = 1; s < at.size(); ++s)
        if (std::abs(std::hypot(at[s].x() + 180 - Design.width() / 2,
                                at[s].y() + 180 - Design.height() / 2) -
                     tidy.usedRadius(radius[s])) > 0.5)
            return false;
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(Choices)

class LayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void layoutPlaces_data()
    {
        QTest::addColumn<int>("type"); // Circle, Square or Target
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("received"); // Target: by subjects 1, 2, ...
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        const int Circle = Codes::SociogramType::Circle, Square = Codes::SociogramType::Square,
                  Target = Codes::SociogramType::Target;
        QTest::newRow("circle 6: 1 at the top") << Circle << 6 << QList<int>{} << 1 << 3278 << 635;
        QTest::newRow("circle 8: 7 at the left") << Circle << 8 << QList<int>{} << 7 << 778 << 3135;
        QTest::newRow("square 6: 3 bottom") << Square << 6 << QList<int>{} << 3 << 4380 << 5607;
        QTest::newRow("square 6: 5 top, second slot")
            << Square << 6 << QList<int>{} << 5 << 4380 << 663;
        const QList<int> few{3, 2, 1};
        QTest::newRow("target: 3 received, alone, odd ring")
            << Target << 6 << few << 1 << 3548 << 2865;
        QTest::newRow("target: 2 received, alone, even ring")
            << Target << 6 << few << 2 << 3278 << 1988;
        QTest::newRow("target: none, third of three") << Target << 6 << few << 6 << 961 << 4473;
        QTest::newRow("target: ring 1 empty, ring 0 still third")
            << Target << 6 << QList<int>{2} << 2 << 3278 << 587;
        // 22 on the inner ring, 18 on the outer: subject 39 shows whether the angle was
        // summed step by step in single precision (1804) or recomputed as index x step.
        QTest::newRow("target 40: 39 on the outer ring")
            << Target << 40 << QList<int>(22, 1) << 39 << 1804 << 1378;
    }
    void layoutPlaces()
    {
        QFETCH(int, type);
        QFETCH(int, n);
        QFETCH(QList<int>, received);
        QFETCH(int, subject);
        std::vector<Place> at;
        if (type == Codes::SociogramType::Target) {
            std::vector<long> got(n + 1, 0);
            std::copy(received.begin(), received.end(), got.begin() + 1);
            const auto rings =
                targetRings(got, n, *std::max_element(got.begin(), got.end()), {}, {});
            QVERIFY(rings);
            at.resize(n);
            for (const Ring& ring : *rings)
                for (std::size_t e = 0; e < ring.members.size(); ++e)
                    at[std::size_t(ring.members[e] - 1)] = ring.places[e];
        } else {
            at = type == Codes::SociogramType::Square
                     ? squarePlaces(n, {}, {}, *squareSpacing(n, {}))
                     : circlePlaces(n, {}, {});
        }
        QCOMPARE(int(at.size()), n);
        const Place p = at[std::size_t(subject - 1)];
        QTEST(kept(p.left), "left");
        QTEST(kept(p.top), "top");
    }

    void noSubjectsPlaceNothing()
    {
        QVERIFY(circlePlaces(0, {}, {}).empty());
        QVERIFY(squarePlaces(0, {}, {}, *squareSpacing(0, {})).empty());
        QVERIFY(!squareSpacing(-4, {})); // k + 1 would divide by zero
    }

    void random()
    {
        PositionTable placed{};
        // The first try falls within 360 of the template's corner, the second does not.
        const auto place = randomPlace(sequence({0.01f, 0.01f, 0.5f, 0.5f}), placed, 1, {});
        QVERIFY(place);
        QCOMPARE(place->left, 0.5f * (6915 - 360));
        placed[1] = {std::int16_t(kept(place->left)), std::int16_t(kept(place->top))};
        QVERIFY(!collidesWithEarlier(placed, 2, placed[1][0] + 360.0f, placed[1][1]));
        QVERIFY(collidesWithEarlier(placed, 2, placed[1][0] + 359.0f, placed[1][1]));
        QVERIFY(!randomPlace(sequence({}), placed, 1, {361, 361}));
    }

    void snapping_data()
    {
        QTest::addColumn<float>("dropX");
        QTest::addColumn<float>("dropY");
        QTest::addColumn<double>("snapX");
        QTest::addColumn<double>("snapY");
        QTest::newRow("far above") << 3457.5f << 315.0f << 3457.5 << 2315.0;
        QTest::newRow("left, inside the ring") << 3157.5f << 3315.0f << 2457.5 << 3315.0;
        QTest::newRow("right and below") << 4457.5f << 4315.0f << 4164.6 << 4022.1;
    }
    void snapping()
    {
        QFETCH(float, dropX);
        QFETCH(float, dropY);
        QFETCH(double, snapX);
        QFETCH(double, snapY);
        SnapWork w;
        alignSquare(w, dropX, dropY, {}, 1000.0f);
        QVERIFY(std::fabs(w.snapX - snapX) < 0.1);
        QVERIFY(std::fabs(w.snapY - snapY) < 0.1);
    }

    void failedStepsKeepThePreviousSnap()
    {
        SnapWork w;
        alignSquare(w, 4457.5f, 3315.0f, {}, 1000.0f); // 1000 right of the centre
        alignSquare(w, 5457.5f, 3315.0f, {}, 0.0f);    // no ring: the last ratio serves
        QCOMPARE(w.scaledDx, 2000.0f);
        alignSquare(w, 3457.5f, 3315.0f, {}, 1000.0f); // on the centre: nothing to scale
        QCOMPARE(w.snapX, 3457.5f - 2000.0f);          // and counts as a left drop
    }

    void score_data()
    {
        QTest::addColumn<Points>("at");
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<QList<int>>("expected"); // overlaps, lines, markers, crossings
        const auto row = [](const char* tag, const Points& at, const Choices& c, QList<int> e) {
            QTest::newRow(tag) << at << c << e;
        };
        const Points corners{{}, {0, 0}, {2000, 0}, {2000, 2000}, {0, 2000}};
        row("a mutual pair is one line, diagonals cross", corners,
            {{1, 3}, {3, 1}, {2, 4}, {2, 4, Negative}}, {0, 0, 0, 1});
        row("line behind the label between", {{}, {0, 0}, {1000, 0}, {2000, 0}}, {{1, 3}},
            {0, 1, 0, 0});
        row("line grazing a label's edge is clear", {{}, {0, 0}, {1000, 140}, {2000, 0}}, {{1, 3}},
            {0, 0, 0, 0});
        row("line just past the graze", {{}, {0, 0}, {1000, 139}, {2000, 0}}, {{1, 3}},
            {0, 1, 0, 0});
        const Choices triangle{{1, 2}, {2, 1}, {1, 3}, {3, 1}, {2, 3}, {3, 2}};
        row("line behind a clique mate of both ends", {{}, {0, 0}, {1000, 0}, {2000, 0}}, triangle,
            {0, 0, 0, 0});
        row("line behind a pupil who chose both ends one way", {{}, {0, 0}, {1000, 0}, {2000, 0}},
            {{1, 3}, {3, 1}, {2, 1}, {2, 3}}, {0, 1, 0, 0});
        row("marker of each criterion under the chooser's label", {{}, {0, 0}, {0, 400}},
            {{2, 1}, {2, 1, Negative}}, {0, 0, 2, 0});
        // Tidy must judge a marker where the drawing puts it, a quarter from the chooser.
        row("label over the drawn marker", {{}, {0, 0}, {2000, 0}, {400, 0}}, {{1, 2}},
            {0, 1, 1, 0});
        row("label a third along, clear of it", {{}, {0, 0}, {2000, 0}, {700, 0}}, {{1, 2}},
            {0, 1, 0, 0});
        row("labels one on another", {{}, {0, 0}, {359, 300}, {718, 0}}, {}, {2, 0, 0, 0});
        row("labels edge to edge, stray choices", {{}, {0, 0}, {360, 0}}, withStrayChoices({}, 2),
            {0, 0, 0, 0});
    }
    void score()
    {
        QFETCH(Points, at);
        QFETCH(Choices, choices);
        QFETCH(QList<int>, expected);
        const PictureScore s = scorePicture(at, static_cast<int>(at.size()) - 1, choices, Label);
        QCOMPARE((QList<int>{s.overlaps, s.linesUnderLabels, s.markersUnderLabels, s.crossings}),
                 expected);
    }

    // Circle and Square: each slot taken once, the picture no worse than the layout's.
    void onSlots_data()
    {
        QTest::addColumn<bool>("square");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("each");
        QTest::newRow("circle 40, 10 + 10 each") << false << 40 << 10;
        QTest::newRow("square 23") << true << 23 << 3;
    }
    void onSlots()
    {
        QFETCH(bool, square);
        QFETCH(int, n);
        QFETCH(int, each);
        const Choices choices = generatedClass(n, each, 7u * n);
        const Points given = points(square ? squarePlaces(n, {}, {}, *squareSpacing(n, {}))
                                           : circlePlaces(n, {}, {}));
        const Points tidy = tidyOnSlots(given, n, choices, Label);
        QVERIFY(tidyOnSlots(given, n, withStrayChoices(choices, n), Label) == tidy);
        QVERIFY(scorePicture(tidy, n, choices, Label) <= scorePicture(given, n, choices, Label));
        std::vector<int> nearest;
        for (int s = 1; s <= n; ++s) {
            const auto far = [&](QPointF slot) { return QLineF(slot, tidy[s]).length(); };
            nearest.push_back(
                int(std::min_element(given.begin() + 1, given.end(),
                                     [&](QPointF a, QPointF b) { return far(a) < far(b); }) -
                    given.begin()));
        }
        std::sort(nearest.begin(), nearest.end());
        QVERIFY(std::adjacent_find(nearest.begin(), nearest.end()) == nearest.end());
    }

    // A clique planted in a random class, its members dealt apart, ends on neighbouring
    // places: consecutive round the frame, within a third of the Target, or each nearer a
    // mate than anyone else in the Random layout.
    void plantedCliqueKeptTogether_data()
    {
        QTest::addColumn<int>("layout");
        QTest::newRow("circle") << 0;
        QTest::newRow("square") << 1;
        QTest::newRow("target") << 2;
        QTest::newRow("random") << 3;
    }
    void plantedCliqueKeptTogether()
    {
        QFETCH(int, layout);
        const int n = 24;
        const std::vector<int> clique{3, 9, 15, 21};
        Choices choices = generatedClass(n, 3, 5);
        for (int a : clique)
            for (int b : clique)
                if (a != b)
                    choices.push_back({a, b});
        Points given = points(layout == 1 ? squarePlaces(n, {}, {}, *squareSpacing(n, {}))
                                          : circlePlaces(n, {}, {}));
        const QPointF centre(Design.width() / 2 - 180, Design.height() / 2 - 180);
        Points tidy;
        if (layout < 2) {
            tidy = tidyOnSlots(given, n, choices, Label);
        } else if (layout == 2) {
            std::vector<float> radius(n + 1, 2500);
            for (int s = 1; s <= n; s += 4)
                radius[s] = 1200;
            tidy = tidyOnRings(radius, given, n, choices, Design, Label).leftTop;
        } else {
            tidy = tidyFree(given, n, choices, Design, Label);
        }
        std::vector<double> angle;
        for (int m : clique) {
            if (layout == 3) {
                const auto nearest = [&](bool mates) {
                    double d = 1e9;
                    for (int t = 1; t <= n; ++t)
                        if (t != m &&
                            (std::find(clique.begin(), clique.end(), t) != clique.end()) == mates)
                            d = std::min(d, QLineF(tidy[t], tidy[m]).length());
                    return d;
                };
                QVERIFY(nearest(true) < nearest(false));
            }
            angle.push_back(std::atan2(tidy[m].x() - centre.x(), centre.y() - tidy[m].y()));
        }
        std::sort(angle.begin(), angle.end());
        double gap = angle.front() + 2 * Codes::Geometry::Pi - angle.back();
        for (std::size_t k = 1; k < angle.size(); ++k)
            gap = std::max(gap, angle[k] - angle[k - 1]);
        // Four neighbours of 24 round the frame span three steps of about 15 degrees.
        QVERIFY(2 * Codes::Geometry::Pi - gap <=
                (layout < 2 ? 3.5 * 2 * Codes::Geometry::Pi / n : 2 * Codes::Geometry::Pi / 3));
    }

    void cliques_data()
    {
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<QList<QList<int>>>("expected");
        Choices mutual;
        for (const auto& [a, b] : {std::pair(1, 2),
                                   {1, 3},
                                   {1, 4},
                                   {2, 3},
                                   {2, 4},
                                   {3, 4},
                                   {4, 5},
                                   {4, 6},
                                   {5, 6},
                                   {6, 7}})
            mutual.insert(mutual.end(), {{a, b}, {b, a}});
        QTest::newRow("four and three sharing one, a pair left out")
            << mutual << QList<QList<int>>{{1, 2, 3, 4}, {4, 5, 6}};
        Choices oneWay = mutual;
        oneWay.erase(oneWay.begin() + 1); // 2 no longer chose 1
        oneWay.push_back({7, 5, Negative});
        oneWay.push_back({5, 7, Negative});
        QTest::newRow("a choice one way, a mutual rejection")
            << oneWay << QList<QList<int>>{{1, 3, 4}, {2, 3, 4}, {4, 5, 6}};
    }
    void cliques()
    {
        QFETCH(Choices, choices);
        QFETCH(QList<QList<int>>, expected);
        QList<QList<int>> found;
        for (const std::vector<int>& clique : Shared::maximalCliques(7, choices))
            found.append(QList<int>(clique.begin(), clique.end()));
        QCOMPARE(found, expected);
    }

    void rings_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("each");
        QTest::addColumn<bool>("room");
        QTest::newRow("6") << 6 << 1 << true;
        QTest::newRow("40 with no choices, one crowded ring") << 40 << 0 << false;
        QTest::newRow("40, 10 + 10 each") << 40 << 10 << false;
    }
    void rings()
    {
        QFETCH(int, n);
        QFETCH(int, each);
        QFETCH(bool, room);
        const Choices choices = generatedClass(n, each, 11u * n);
        std::vector<long> received(n + 1, 0);
        for (const Choice& c : choices)
            received[c.chosen] += c.positive();
        const long most = *std::max_element(received.begin(), received.end());
        std::vector<float> radius(n + 1, 0);
        Points drawn(n + 1);
        const auto rings = targetRings(received, n, most, {}, {});
        for (const Ring& ring : *rings)
            for (std::size_t e = 0; e < ring.members.size(); ++e) {
                radius[ring.members[e]] = ring.radius;
                drawn[ring.members[e]] = {ring.places[e].left, ring.places[e].top};
            }
        const RingsTidied tidied = tidyOnRings(radius, drawn, n, choices, Design, Label);
        const Points& tidy = tidied.leftTop;
        QVERIFY(
            tidyOnRings(radius, drawn, n, withStrayChoices(choices, n), Design, Label).leftTop ==
            tidy);
        const PictureScore after = scorePicture(tidy, n, choices, Label);
        QVERIFY(after <= scorePicture(drawn, n, choices, Label));
        if (room)
            QCOMPARE(after.overlaps, 0);
        QVERIFY(onTheirRings(tidied, radius));
    }

    // Rings of four closer than a label is high: however the rings turn, an even
    // spread leaves labels on each other, so some must slide along their ring; an
    // innermost ring smaller than a label must widen.
    void ringsCloserThanALabel_data()
    {
        QTest::addColumn<int>("inner"); // members of the innermost ring
        QTest::addColumn<float>("innerRadius");
        QTest::newRow("one in the centre") << 1 << 0.0f;
        QTest::newRow("the two most chosen share a ring smaller than a label") << 2 << 120.0f;
    }
    void ringsCloserThanALabel()
    {
        QFETCH(int, inner);
        QFETCH(float, innerRadius);
        const int n = 24;
        std::vector<float> radius(inner + 1, innerRadius);
        for (int s = inner + 1; s <= n; ++s)
            radius.push_back(float(1300 + 95 * ((s - inner - 1) / 4)));
        Points drawn(n + 1);
        for (int s = 1; s <= n; ++s) {
            const double a = s <= inner ? Codes::Geometry::Pi / 2 * s
                                        : Codes::Geometry::Pi / 2 * ((s - inner - 1) % 4);
            drawn[s] = QPointF(Design.width() / 2 + radius[s] * std::sin(a) - Label.width() / 2,
                               Design.height() / 2 - radius[s] * std::cos(a) - Label.height() / 2);
        }
        const Choices choices = generatedClass(n, 3, 7);
        const RingsTidied tidy = tidyOnRings(radius, drawn, n, choices, Design, Label);
        QCOMPARE(scorePicture(tidy.leftTop, n, choices, Label).overlaps, 0);
        QVERIFY(onTheirRings(tidy, radius));
    }

    // Random: every label inside the area and none on another.
    void anywhere_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("each");
        QTest::addColumn<QSizeF>("area");
        QTest::addColumn<QPointF>("shift");
        QTest::newRow("24 spilling out right and below")
            << 24 << 3 << Design << QPointF(3000, 2500);
        QTest::newRow("40, 10 + 10 each") << 40 << 10 << Design << QPointF();
        QTest::newRow("12 in an area too small") << 12 << 2 << QSizeF(1000, 900) << QPointF();
    }
    void anywhere()
    {
        QFETCH(int, n);
        QFETCH(int, each);
        QFETCH(QSizeF, area);
        QFETCH(QPointF, shift);
        const Choices choices = generatedClass(n, each, 3u * n);
        std::mt19937 random(n);
        Points given(n + 1);
        for (int s = 1; s <= n; ++s)
            given[s] = shift + QPointF(random() % int(area.width() - 360),
                                       random() % int(area.height() - 360));
        const Points tidy = tidyFree(given, n, choices, area, Label);
        QVERIFY(tidyFree(given, n, withStrayChoices(choices, n), area, Label) == tidy);
        for (int s = 1; s <= n; ++s) {
            QVERIFY(tidy[s].x() >= 0 && tidy[s].x() + 360 <= std::max(area.width(), 360.0));
            QVERIFY(tidy[s].y() >= 0 && tidy[s].y() + 360 <= std::max(area.height(), 360.0));
        }
        const PictureScore after = scorePicture(tidy, n, choices, Label);
        if (area == Design)
            QCOMPARE(after.overlaps, 0);
        if (shift.isNull())
            QVERIFY(after <= scorePicture(given, n, choices, Label));
    }
};

QTEST_GUILESS_MAIN(LayoutTest)
#include "tst_layout.moc"
