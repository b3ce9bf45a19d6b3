// The layouts as plain geometry: where each layout puts a label, and where a dropped
// label snaps. No database, grid or window.
#include "geometry.h"

#include <QtTest>
#include <cmath>
#include <deque>

using namespace Layout;

namespace {

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

} // namespace

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
        QTest::newRow("circle 6: 4 at the bottom") << false << 6 << 4 << 3278 << 5635;
        QTest::newRow("circle 6: 6") << false << 6 << 6 << 1112 << 1885;
        QTest::newRow("circle 8: 3 at the right") << false << 8 << 3 << 5778 << 3135;
        QTest::newRow("circle 8: 7 at the left") << false << 8 << 7 << 778 << 3135;
        QTest::newRow("square 6: 1 top") << true << 6 << 1 << 2536 << 663;
        QTest::newRow("square 6: 2 right") << true << 6 << 2 << 5864 << 2431;
        QTest::newRow("square 6: 3 bottom") << true << 6 << 3 << 4380 << 5607;
        QTest::newRow("square 6: 4 left") << true << 6 << 4 << 692 << 4199;
        QTest::newRow("square 6: 5 top, second slot") << true << 6 << 5 << 4380 << 663;
        QTest::newRow("square 8: 8 left, second slot") << true << 8 << 8 << 692 << 2431;
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

    void fortyNeverOverlapOnTheCircleAndTheCircleKeepsItsRadius()
    {
        const std::vector<Place> big = circlePlaces(40, {10000, 8000}, {});
        for (std::size_t i = 0; i < big.size(); ++i) {
            const Place a = big[i], b = big[(i + 1) % big.size()];
            QVERIFY(std::hypot(a.left - b.left, a.top - b.top) > 360);
            QCOMPARE(qRound(std::hypot(a.left + 180 - 5000, a.top + 180 - 4000)), 2500);
        }
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
        QTest::newRow("1 received") << 3 << 1910.9375 << Pi / 4;
        QTest::newRow("none, first of three") << 4 << 2675.3125 << 0.0;
        QTest::newRow("none, third") << 6 << 2675.3125 << 4 * Pi / 3;
    }
    void targetRingPlaces()
    {
        QFETCH(int, subject);
        QFETCH(double, radius);
        QFETCH(double, angle);
        const std::vector<long> received = {0, 3, 2, 1, 0, 0, 0};
        const auto rings = Layout::targetRings(received, 6, 3, {}, {});
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
        for (int s = 1; s <= 22; ++s)
            received[std::size_t(s)] = 1;
        const auto rings = Layout::targetRings(received, 40, 1, {}, {});
        QVERIFY(rings);
        const Ring& outer = rings->back();
        QCOMPARE(outer.members[16], 39L);
        QCOMPARE(kept(outer.places[16].left), 1804);
        QCOMPARE(kept(outer.places[16].top), 1378);
    }

    void emptyRingKeepsItsPlace()
    {
        // Nobody received 1: ring "1" is empty, yet ring "0" stays the third ring.
        const std::vector<long> received = {0, 2, 0, 0, 0, 0, 0};
        const auto rings = Layout::targetRings(received, 6, 2, {}, {});
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
        QTest::newRow("far right") << 5457.5f << 3315.0f << 4457.5 << 3315.0;
        QTest::newRow("right and below") << 4457.5f << 4315.0f << 4164.6 << 4022.1;
        QTest::newRow("left, inside the ring") << 3157.5f << 3315.0f << 2457.5 << 3315.0;
        QTest::newRow("vertical line, below") << 3457.5f << 6000.0f << 3457.5 << 4315.0;
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
        QCOMPARE(w.ratio, 1.0f);
        alignSquare(w, 5457.5f, 3315.0f, {}, 0.0f); // no ring: the last ratio serves
        QCOMPARE(w.ratio, 1.0f);
        QCOMPARE(w.scaledDx, 2000.0f);
        alignSquare(w, 5457.5f, 3315.0f, {}, std::nullopt); // no label: radius kept
        QCOMPARE(w.ringRadius, 0.0f);
        alignSquare(w, 3457.5f, 3315.0f, {}, 1000.0f); // on the centre: nothing to scale
        QCOMPARE(w.scaledDx, 2000.0f);
        QCOMPARE(w.snapX, 3457.5f - 2000.0f); // counts as a left drop
    }
};

QTEST_GUILESS_MAIN(LayoutTest)
#include "tst_layout.moc"
