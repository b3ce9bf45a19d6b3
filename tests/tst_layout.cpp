// The layouts as plain geometry (where each layout puts a label, where a dropped label
// snaps) and Tidy Labels with its picture score. No database, grid or window.
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
using Choices = std::vector<TidyChoice>;

// What the program keeps of a position: whole twips, ties to even.
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

// Each subject names `each` others under the positive criterion and `each` more under
// the negative one; a fixed seed keeps the class the same from run to run.
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
            choices.push_back({s, others[k], k < each});
    }
    return choices;
}

// Choices the picture never draws: they must change nothing.
Choices withStrayChoices(Choices choices, int n)
{
    choices.insert(choices.end(), {{0, 1, true}, {1, n + 1, true}, {2, 2, false}});
    return choices;
}

double distanceFromCentre(QPointF leftTop)
{
    return std::hypot(leftTop.x() + 180 - Design.width() / 2,
                      leftTop.y() + 180 - Design.height() / 2);
}

} // namespace

Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(Choices)

class LayoutTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void circleAndSquare_data()
    {
        QTest::addColumn<bool>("square");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("circle 6: 1 at the top") << false << 6 << 1 << 3278 << 635;
        QTest::newRow("circle 6: 2") << false << 6 << 2 << 5443 << 1885;
        QTest::newRow("circle 8: 7 at the left") << false << 8 << 7 << 778 << 3135;
        QTest::newRow("square 6: 2 right") << true << 6 << 2 << 5864 << 2431;
        QTest::newRow("square 6: 3 bottom") << true << 6 << 3 << 4380 << 5607;
        QTest::newRow("square 6: 5 top, second slot") << true << 6 << 5 << 4380 << 663;
    }
    void circleAndSquare()
    {
        QFETCH(bool, square);
        QFETCH(int, n);
        QFETCH(int, subject);
        const std::vector<Place> places =
            square ? squarePlaces(n, {}, {}, *squareSpacing(n, {})) : circlePlaces(n, {}, {});
        QCOMPARE(int(places.size()), n);
        const Place p = places[std::size_t(subject - 1)];
        QTEST(kept(p.left), "left");
        QTEST(kept(p.top), "top");
    }

    void noSubjectsPlaceNothing()
    {
        QVERIFY(circlePlaces(0, {}, {}).empty());
        QVERIFY(squarePlaces(0, {}, {}, *squareSpacing(0, {})).empty());
        QVERIFY(!squareSpacing(-4, {})); // k + 1 would divide by zero
    }

    void targetRingPlaces_data()
    {
        // Subjects 1 to 6: 1 received 3, 2 received 2, 3 received 1, the rest none.
        QTest::addColumn<int>("subject");
        QTest::addColumn<double>("radius");
        QTest::addColumn<double>("angle");
        const double Pi = Codes::Geometry::Pi;
        QTest::newRow("3 received, alone, odd ring: 45 degrees") << 1 << 382.1875 << Pi / 4;
        QTest::newRow("2 received, alone, even ring: on top") << 2 << 1146.5625 << 0.0;
        QTest::newRow("none, third of three") << 6 << 2675.3125 << 4 * Pi / 3;
    }
    void targetRingPlaces()
    {
        QFETCH(int, subject);
        QFETCH(double, radius);
        QFETCH(double, angle);
        const auto rings = targetRings({0, 3, 2, 1, 0, 0, 0}, 6, 3, {}, {});
        QVERIFY(rings);
        QCOMPARE(rings->size(), std::size_t(4));
        for (const Ring& ring : *rings)
            for (std::size_t e = 0; e < ring.members.size(); ++e)
                if (ring.members[e] == subject) {
                    QCOMPARE(double(ring.radius), radius);
                    const Place want = polarPlace({}, ring.radius, float(angle), {});
                    QVERIFY(std::fabs(ring.places[e].left - want.left) < 0.01);
                    QVERIFY(std::fabs(ring.places[e].top - want.top) < 0.01);
                    return;
                }
        QFAIL("subject on no ring");
    }

    void targetAnglesAccumulateInSinglePrecision()
    {
        // 22 subjects on the inner ring, 18 on the outer: subject 39 shows whether the
        // angle was summed step by step (1804) or recomputed as index x step (1803).
        std::vector<long> received(41, 0);
        std::fill(received.begin() + 1, received.begin() + 23, 1);
        const auto rings = targetRings(received, 40, 1, {}, {});
        QVERIFY(rings);
        const Ring& outer = rings->back();
        QCOMPARE(outer.members[16], 39L);
        QCOMPARE(kept(outer.places[16].left), 1804);
        QCOMPARE(kept(outer.places[16].top), 1378);
    }

    void emptyRingKeepsItsPlace()
    {
        // Nobody received 1: ring "1" is empty, yet ring "0" stays the third ring.
        const auto rings = targetRings({0, 2, 0, 0, 0, 0, 0}, 6, 2, {}, {});
        QCOMPARE(rings->size(), std::size_t(3));
        QVERIFY((*rings)[1].members.empty());
        QCOMPARE((*rings)[2].radius,
                 float(Codes::Geometry::labelRingRadius(Codes::Geometry::DesignWidth, 3, 3)));
    }

    void random()
    {
        PositionTable placed{};
        // The first try falls within 360 of the template's corner (0, 0), the second
        // does not.
        const auto place = randomPlace(sequence({0.01f, 0.01f, 0.5f, 0.5f}), placed, 1, {});
        QVERIFY(place);
        QCOMPARE(place->left, 0.5f * (6915 - 360));
        placed[1] = {Position::value_type(kept(place->left)),
                     Position::value_type(kept(place->top))};
        // Exactly 360 away is no overlap: the test is strict.
        QVERIFY(!collidesWithEarlier(placed, 2, placed[1][0] + 360.0f, placed[1][1]));
        QVERIFY(collidesWithEarlier(placed, 2, placed[1][0] + 359.0f, placed[1][1]));
        // An area barely larger than a label has no room beside the corner: give up.
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
        QTest::newRow("left and above") << 1457.5f << 1315.0f << 2750.4 << 2607.9;
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
        QCOMPARE(w.ratio, 1.0f);
        QCOMPARE(w.scaledDx, 2000.0f);
        alignSquare(w, 3457.5f, 3315.0f, {}, 1000.0f); // on the centre: nothing to scale
        QCOMPARE(w.scaledDx, 2000.0f);
        QCOMPARE(w.snapX, 3457.5f - 2000.0f); // counts as a left drop
    }

    void score_data()
    {
        QTest::addColumn<Points>("at");
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<QList<int>>("expected"); // overlaps, lines, markers, crossings
        const Points corners{{}, {0, 0}, {2000, 0}, {2000, 2000}, {0, 2000}};
        const Points row{{}, {0, 0}, {1000, 0}, {2000, 0}};
        QTest::newRow("a mutual pair is one line, diagonals cross")
            << corners << Choices{{1, 3, true}, {3, 1, true}, {2, 4, true}, {2, 4, false}}
            << QList<int>{0, 0, 0, 1};
        QTest::newRow("lines meeting at a label do not cross")
            << corners << Choices{{1, 3, true}, {1, 2, true}, {1, 4, true}}
            << QList<int>{0, 0, 0, 0};
        QTest::newRow("line behind the label between")
            << row << Choices{{1, 3, true}} << QList<int>{0, 1, 0, 0};
        QTest::newRow("line along a label's edge is clear")
            << Points{{}, {0, 0}, {1000, 180}, {2000, 0}} << Choices{{1, 3, true}}
            << QList<int>{0, 0, 0, 0};
        QTest::newRow("line just inside a label's edge")
            << Points{{}, {0, 0}, {1000, 179}, {2000, 0}} << Choices{{1, 3, true}}
            << QList<int>{0, 1, 0, 0};
        QTest::newRow("marker of each criterion under the chooser's label")
            << Points{{}, {0, 0}, {0, 400}} << Choices{{2, 1, true}, {2, 1, false}}
            << QList<int>{0, 0, 2, 0};
        QTest::newRow("labels one on another")
            << Points{{}, {0, 0}, {359, 300}, {718, 0}} << Choices{} << QList<int>{2, 0, 0, 0};
        QTest::newRow("labels edge to edge, stray choices")
            << Points{{}, {0, 0}, {360, 0}} << withStrayChoices({}, 2) << QList<int>{0, 0, 0, 0};
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

    // Circle and Square: the labels keep to the layout's slots, each slot taken once,
    // and the picture is no worse than the layout's. The same input, the same picture.
    void onSlots_data()
    {
        QTest::addColumn<bool>("square");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("each");
        QTest::newRow("circle 6, no choices") << false << 6 << 0;
        QTest::newRow("circle 40, 10 + 10 each") << false << 40 << 10;
        QTest::newRow("square 6") << true << 6 << 2;
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
        const auto order = [](QPointF a, QPointF b) {
            return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
        };
        Points slots(given.begin() + 1, given.end()), used(tidy.begin() + 1, tidy.end());
        std::sort(slots.begin(), slots.end(), order);
        std::sort(used.begin(), used.end(), order);
        QCOMPARE(used, slots);
    }

    // Two cliques dealt alternately round the circle come out as two unbroken arcs.
    void cliquesBecomeArcs()
    {
        const int n = 12;
        Choices choices;
        for (int s = 1; s <= n; ++s)
            for (int t = s % 2 ? 1 : 2; t <= n; t += 2)
                if (t != s)
                    choices.push_back({s, t, true});
        const Points given = points(circlePlaces(n, {}, {}));
        const Points tidy = tidyOnSlots(given, n, choices, Label);
        std::vector<int> cliqueAtSlot(n);
        for (int s = 1; s <= n; ++s)
            cliqueAtSlot[std::find(given.begin() + 1, given.end(), tidy[s]) - given.begin() - 1] =
                s % 2;
        int changes = 0;
        for (int k = 0; k < n; ++k)
            changes += cliqueAtSlot[k] != cliqueAtSlot[(k + 1) % n];
        QCOMPARE(changes, 2);
    }

    // Target: each label stays on its ring.
    void rings_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("each"); // -1: every pupil chosen once
        QTest::addColumn<bool>("room");
        QTest::newRow("6") << 6 << 1 << true;
        QTest::newRow("12") << 12 << 2 << false;
        QTest::newRow("40 with no choices, one crowded ring") << 40 << 0 << false;
        QTest::newRow("40, every pupil chosen once") << 40 << -1 << false;
        QTest::newRow("40, 10 + 10 each") << 40 << 10 << false;
    }
    void rings()
    {
        QFETCH(int, n);
        QFETCH(int, each);
        QFETCH(bool, room);
        Choices choices = generatedClass(n, std::max(each, 0), 11u * n);
        if (each < 0)
            for (int s = 1; s <= n; ++s)
                choices.push_back({s, s % n + 1, true});
        std::vector<long> received(n + 1, 0);
        for (const TidyChoice& c : choices)
            received[c.chosen] += c.positive;
        const long most = *std::max_element(received.begin(), received.end());
        std::vector<float> radius(n + 1, 0);
        Points drawn(n + 1);
        const auto rings = targetRings(received, n, most, {}, {});
        for (const Ring& ring : *rings)
            for (std::size_t e = 0; e < ring.members.size(); ++e) {
                radius[ring.members[e]] = ring.radius;
                drawn[ring.members[e]] = {ring.places[e].left, ring.places[e].top};
            }
        const Points tidy = tidyOnRings(radius, drawn, n, choices, Design, Label);
        QVERIFY(tidyOnRings(radius, drawn, n, withStrayChoices(choices, n), Design, Label) == tidy);
        const PictureScore after = scorePicture(tidy, n, choices, Label);
        QVERIFY(after <= scorePicture(drawn, n, choices, Label));
        if (room)
            QCOMPARE(after.overlaps, 0);
        for (int s = 1; s <= n; ++s)
            QVERIFY(std::abs(distanceFromCentre(tidy[s]) - radius[s]) <= 0.5);
    }

    // Rings of four closer than a label is high: however the rings turn, an even
    // spread leaves labels on each other, so some must slide along their ring.
    void ringsCloserThanALabel()
    {
        const int n = 24;
        std::vector<float> radius{0, 0};
        for (int s = 2; s <= n; ++s)
            radius.push_back(float(1300 + 95 * ((s - 2) / 4)));
        Points drawn(n + 1);
        for (int s = 1; s <= n; ++s) {
            const int k = s < 2 ? 0 : (s - 2) % 4;
            const double a = 2 * M_PI * k / 4;
            drawn[s] = QPointF(Design.width() / 2 + radius[s] * std::sin(a) - Label.width() / 2,
                               Design.height() / 2 - radius[s] * std::cos(a) - Label.height() / 2);
        }
        const Choices choices = generatedClass(n, 3, 7);
        const Points tidy = tidyOnRings(radius, drawn, n, choices, Design, Label);
        QCOMPARE(scorePicture(tidy, n, choices, Label).overlaps, 0);
        for (int s = 1; s <= n; ++s)
            QVERIFY(std::abs(distanceFromCentre(tidy[s]) - radius[s]) <= 0.5);
    }

    // Random: every label inside the area and none on another, wherever they start.
    void anywhere_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("each");
        QTest::addColumn<QSizeF>("area");
        QTest::addColumn<QPointF>("shift"); // the start is a random picture moved by this
        QTest::newRow("6") << 6 << 2 << Design << QPointF();
        QTest::newRow("24 spilling out right and below")
            << 24 << 3 << Design << QPointF(3000, 2500);
        QTest::newRow("40 stored well outside") << 40 << 4 << Design << QPointF(-9000, -500);
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
