// The layouts as plain geometry and Tidy Labels with its picture score.
#include "belonging.h"
#include "cliques.h"
#include "cyclicorder.h"
#include "geometry.h"
#include "lineroutes.h"
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

// Read as stored, without a pass through a narrower type.
int kept(double v)
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

enum TidySearch { Order, Slots, SlotsRound, Outside, Rings, Free };

constexpr int Circle = Codes::SociogramType::Circle, Square = Codes::SociogramType::Square,
              Target = Codes::SociogramType::Target, Random = Codes::SociogramType::Random;

// Tidy as the window calls it for the layout; the Target's rings from `radius`.
RingsTidied tidyAs(int layout, const Points& given, const std::vector<float>& radius, int n,
                   const Choices& choices, QSizeF area)
{
    if (layout == Target)
        return tidyOnRings(radius, given, n, choices, area, Label);
    return {layout == Random ? tidyFree(given, n, choices, area, Label)
                             : tidyOnSlots(given, n, choices, area, Label),
            {}};
}

// The designed picture of the Circle, the Square or the Target for the class, the Target's
// rings in `radius`.
Points designedPicture(int layout, int n, const Choices& choices, std::vector<float>& radius)
{
    radius.assign(n + 1, 0);
    if (layout != Target)
        return points(layout == Square ? squarePlaces(n, {}, {}, *squareSpacing(n, {}))
                                       : circlePlaces(n, {}, {}));
    std::vector<long> received(n + 1, 0);
    for (const Choice& c : choices)
        received[c.chosen] += c.positive();
    const long most = *std::max_element(received.begin(), received.end());
    Points given(n + 1);
    const auto rings = targetRings(received, n, most, {}, {});
    for (const Ring& ring : *rings)
        for (std::size_t e = 0; e < ring.members.size(); ++e) {
            radius[ring.members[e]] = ring.radius;
            given[ring.members[e]] = {ring.places[e].left, ring.places[e].top};
        }
    return given;
}

// Points where two drawn paths cross, away from an end they share.
int pathCrossings(const Path& x, const Path& y)
{
    const auto side = [](QPointF a, QPointF b, QPointF c) {
        return (b.x() - a.x()) * (c.y() - a.y()) - (b.y() - a.y()) * (c.x() - a.x());
    };
    int count = 0;
    for (std::size_t i = 0; i + 1 < x.size(); ++i)
        for (std::size_t j = 0; j + 1 < y.size(); ++j) {
            const QPointF a = x[i], b = x[i + 1], c = y[j], d = y[j + 1];
            count += side(a, b, c) * side(a, b, d) < 0 && side(c, d, a) * side(c, d, b) < 0;
        }
    return count;
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
        QTest::newRow("circle 6: 1 at the top") << Circle << 6 << QList<int>{} << 1 << 3278 << 635;
        QTest::newRow("circle 8: 7 at the left") << Circle << 8 << QList<int>{} << 7 << 778 << 3135;
        // The centre is a single-precision value: from a double, 3 would come to 5777.
        QTest::newRow("circle 8: 3 at the right")
            << Circle << 8 << QList<int>{} << 3 << 5778 << 3135;
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

    // A drop snaps to its ring (radius 1000 here) after one right of the centre; a step
    // that cannot be done (no ring, a drop on the centre) keeps what that one left.
    void snapping_data()
    {
        QTest::addColumn<float>("dropX");
        QTest::addColumn<float>("dropY");
        QTest::addColumn<float>("radius");
        QTest::addColumn<double>("snapX");
        QTest::addColumn<double>("snapY");
        QTest::newRow("far above") << 3457.5f << 315.0f << 1000.f << 3457.5 << 2315.0;
        QTest::newRow("left, inside the ring") << 3157.5f << 3315.0f << 1000.f << 2457.5 << 3315.0;
        QTest::newRow("right and below") << 4457.5f << 4315.0f << 1000.f << 4164.6 << 4022.1;
        QTest::newRow("no ring: the last ratio") << 5457.5f << 3315.0f << 0.f << 5457.5 << 3315.0;
        QTest::newRow("on the centre: a left drop")
            << 3457.5f << 3315.0f << 1000.f << 2457.5 << 3315.0;
    }
    void snapping()
    {
        QFETCH(float, dropX);
        QFETCH(float, dropY);
        QFETCH(float, radius);
        QFETCH(double, snapX);
        QFETCH(double, snapY);
        SnapWork w;
        alignSquare(w, 4457.5f, 3315.0f, {}, 1000.0f);
        alignSquare(w, dropX, dropY, {}, radius);
        QVERIFY(std::fabs(w.snapX - snapX) < 0.1);
        QVERIFY(std::fabs(w.snapY - snapY) < 0.1);
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
        const Points inRow{{}, {0, 0}, {1000, 0}, {2000, 0}};
        row("a mutual pair is one line, diagonals cross", corners,
            {{1, 3}, {3, 1}, {2, 4}, {2, 4, Negative}}, {0, 0, 0, 1});
        row("line behind the label between", inRow, {{1, 3}}, {0, 1, 0, 0});
        row("line grazing a label's edge is clear", {{}, {0, 0}, {1000, 140}, {2000, 0}}, {{1, 3}},
            {0, 0, 0, 0});
        row("line just past the graze", {{}, {0, 0}, {1000, 139}, {2000, 0}}, {{1, 3}},
            {0, 1, 0, 0});
        const Choices triangle{{1, 2}, {2, 1}, {1, 3}, {3, 1}, {2, 3}, {3, 2}};
        row("line behind a clique mate of both ends", inRow, triangle, {0, 0, 0, 0});
        row("line behind a pupil who chose both ends one way", inRow,
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

    // Every Tidy keeps its layout's idea (a slot each, each label on its ring, every label
    // inside the area) and a planted clique together, passes over choices it does not
    // draw, never leaves a picture worse and, where there is room, no label on another. Target rows
    // with an inner ring made by hand have rings of four closer than a label is high, so that some
    // labels must slide along their ring, and an innermost ring that must widen.
    void tidyKeepsTheLayout_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("each");
        QTest::addColumn<int>("inner");         // Target: members of the hand-made ring
        QTest::addColumn<float>("innerRadius"); // and its radius
        QTest::addColumn<QSizeF>("area");
        QTest::addColumn<QPointF>("shift"); // Random, designed Target: labels start this far off
        QTest::addColumn<bool>("room");
        const auto row = [](const char* tag, int layout, int n, int each, bool room, int inner = 0,
                            float innerRadius = 0, QSizeF area = Design, QPointF shift = {}) {
            QTest::newRow(tag) << layout << n << each << inner << innerRadius << area << shift
                               << room;
        };
        row("circle 40, 10 + 10 each", Circle, 40, 10, false);
        row("square 23", Square, 23, 3, false);
        row("square 24", Square, 24, 3, false);
        row("target 6", Target, 6, 1, true);
        row("target 40 with no choices, one crowded ring", Target, 40, 0, false);
        row("target 40, 10 + 10 each", Target, 40, 10, true);
        row("target: one in the centre", Target, 24, 3, true, 1);
        // As with the status marks shown: the area Tidy fills smaller than the one designed.
        row("target 40 in an area smaller than its outer ring", Target, 40, 5, true, 0, 0,
            Design - QSizeF(0, 2600), {0, -1300});
        row("target: the two most chosen share a ring smaller than a label", Target, 24, 3, true, 2,
            120);
        row("random 24 spilling out right and below", Random, 24, 3, true, 0, 0, Design,
            {3000, 2500});
        row("random 40, 10 + 10 each", Random, 40, 10, true);
        row("random 12 in an area too small", Random, 12, 2, false, 0, 0, {1000, 900});
    }
    void tidyKeepsTheLayout()
    {
        QFETCH(int, layout);
        QFETCH(int, n);
        QFETCH(int, each);
        QFETCH(int, inner);
        QFETCH(float, innerRadius);
        QFETCH(QSizeF, area);
        QFETCH(QPointF, shift);
        QFETCH(bool, room);
        Choices choices = generatedClass(n, each, 7u * n + inner);
        const std::vector<int> clique{3, 9, 15, 21}; // planted in a class of choices, dealt apart
        const bool planted = n > 21 && each > 0;
        for (int a : clique)
            for (int b : clique)
                if (planted && a != b)
                    choices.push_back({a, b});
        std::vector<float> radius(n + 1, 0);
        Points given(n + 1);
        if (layout == Circle || layout == Square || (layout == Target && inner == 0)) {
            given = designedPicture(layout, n, choices, radius);
            for (std::size_t s = 1; layout == Target && s < given.size(); ++s)
                given[s] += shift;
        } else if (layout == Target) {
            for (int s = 1; s <= n; ++s) {
                radius[s] = s <= inner ? innerRadius : float(1300 + 95 * ((s - inner - 1) / 4));
                const double a = Codes::Geometry::Pi / 2 * (s <= inner ? s : (s - inner - 1) % 4);
                given[s] = QPointF(Design.width() / 2 + radius[s] * std::sin(a) - 180,
                                   Design.height() / 2 - radius[s] * std::cos(a) - 180);
            }
        } else {
            std::mt19937 random(n);
            for (int s = 1; s <= n; ++s)
                given[s] = shift + QPointF(random() % int(area.width() - 360),
                                           random() % int(area.height() - 360));
        }
        const RingsTidied tidied = tidyAs(layout, given, radius, n, choices, area);
        const Points& tidy = tidied.leftTop;
        QVERIFY(tidyAs(layout, given, radius, n, withStrayChoices(choices, n), area).leftTop ==
                tidy);
        const PictureScore after = scorePicture(tidy, n, choices, Label);
        if (shift.isNull())
            QVERIFY(after <= scorePicture(given, n, choices, Label));
        if (room)
            QCOMPARE(after.overlaps, 0);
        // Each Target label on the radius Tidy gave its ring, the rings in their order.
        const QPointF centre(area.width() / 2 - 180, area.height() / 2 - 180);
        for (std::size_t r = 1; layout == Target && r < tidied.rings.size(); ++r)
            QVERIFY(tidied.rings[r - 1].used < tidied.rings[r].used);
        for (int s = 1; s <= n && layout == Target; ++s)
            QVERIFY(std::abs(QLineF(centre, tidy[s]).length() - tidied.usedRadius(radius[s])) <=
                    0.5);
        for (int s = 1; s <= n && (layout == Random || layout == Target); ++s) {
            QVERIFY(tidy[s].x() >= 0 && tidy[s].x() + 360 <= std::max(area.width(), 360.0));
            QVERIFY(tidy[s].y() >= 0 && tidy[s].y() + 360 <= std::max(area.height(), 360.0));
        }
        // The clique ends on neighbouring places: consecutive round the frame (four of 24
        // span three steps of about 15 degrees), within a third of the Target, or each
        // nearer a mate than anyone else in the Random layout.
        const bool frame = layout == Circle || layout == Square;
        std::vector<double> angle;
        for (int m = 1; m <= n && planted; ++m) {
            double mate = 1e9, other = 1e9;
            const bool member = std::find(clique.begin(), clique.end(), m) != clique.end();
            for (int t = 1; t <= n && member; ++t) {
                double& d =
                    std::find(clique.begin(), clique.end(), t) != clique.end() ? mate : other;
                d = t == m ? d : std::min(d, QLineF(tidy[t], tidy[m]).length());
            }
            QVERIFY(!member || layout != Random || mate < other);
            if (member)
                angle.push_back(std::atan2(tidy[m].x() - centre.x(), centre.y() - tidy[m].y()));
        }
        std::sort(angle.begin(), angle.end());
        const double Pi = Codes::Geometry::Pi;
        double gap = angle.empty() ? 2 * Pi : angle.front() + 2 * Pi - angle.back();
        for (std::size_t k = 1; k < angle.size(); ++k)
            gap = std::max(gap, angle[k] - angle[k - 1]);
        QVERIFY(2 * Pi - gap <= (frame ? 3.5 * 2 * Pi / n : 2 * Pi / 3));
        if (!frame)
            return;
        std::vector<int> nearest; // the slot nearest each label: each slot once
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

    // The frame's places for lines round labels: every label centre on one circle (or one
    // square frame), no two labels (with the room their status marks ask) overlapping, every
    // label with that room inside the area.
    void frameSlotsStandClear_data()
    {
        QTest::addColumn<bool>("square");
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("marked"); // the slots whose labels carry a mark
        QTest::addColumn<bool>("marksApart");   // two marks side by side clear each other too
        const auto run = [](int from, int count, QList<int> more = {}) {
            for (int s = from; s < from + count; ++s)
                more << s;
            return more;
        };
        for (const int n : {24, 40}) {
            QTest::addRow("circle of %d", n) << false << n << QList<int>{} << true;
            QTest::addRow("square of %d", n) << true << n << QList<int>{} << true;
        }
        QTest::addRow("square of 30") << true << 30 << QList<int>{} << true; // every corner taken
        QTest::addRow("circle of 40, every tenth marked")
            << false << 40 << QList<int>{1, 11, 21, 31} << true;
        // Both marks of a pair cannot stand apart there: each keeps clear of the
        // neighbouring label instead, and the unmarked keep their spacing.
        QTest::addRow("circle of 40, ten in a row marked") << false << 40 << run(1, 10) << false;
        QTest::addRow("square of 40, seven marked on a short side")
            << true << 40 << run(12, 7) << false;
        // The marks want more rim than the area's height leaves; none at the top or bottom,
        // the circle goes out towards the sides.
        QTest::addRow("circle of 40, eight marked at each side")
            << false << 40 << run(8, 8, run(28, 8)) << false;
    }
    void frameSlotsStandClear()
    {
        QFETCH(bool, square);
        QFETCH(int, n);
        QFETCH(QList<int>, marked);
        QFETCH(bool, marksApart);
        std::vector<double> room(n + 1, 0);
        for (int s : marked)
            room[s] = 142;
        const QSizeF radius = square ? QSizeF(2586, 2472) : QSizeF(2500, 2500);
        const Points at = frameSlots(square, n, Design, Label, radius, nullptr, room);
        const auto withRoom = [&](int s) {
            return QRectF(at[s], Label).adjusted(-room[s], -room[s], room[s], room[s]);
        };
        const QPointF centre(Design.width() / 2, Design.height() / 2);
        const auto offFrame = [&](QPointF leftTop) {
            const QPointF d = QRectF(leftTop, Label).center() - centre;
            return square ? std::min(std::abs(std::abs(d.x()) - radius.width()),
                                     std::abs(std::abs(d.y()) - radius.height()))
                          : std::abs(std::hypot(d.x(), d.y()) -
                                     std::hypot(at[1].x() + 180 - centre.x(),
                                                at[1].y() + 180 - centre.y()));
        };
        for (int s = 1; s <= n; ++s) {
            QVERIFY(offFrame(at[s]) < 1);
            QVERIFY(QRectF(QPointF(0, 0), Design).contains(withRoom(s)));
            for (int t = s + 1; t <= n; ++t) {
                const QRectF plainT(at[t], Label), plainS(at[s], Label);
                const bool clear =
                    marksApart ? !withRoom(s).intersects(withRoom(t))
                               : !withRoom(s).intersects(plainT) && !withRoom(t).intersects(plainS);
                QVERIFY2(clear && !plainS.intersects(plainT),
                         qPrintable(QStringLiteral("%1 and %2").arg(s).arg(t)));
            }
        }
    }

    // A frame too flat for its corners' labels still gives one slot each, inside the area.
    void frameSlotsOfAFlatSquare()
    {
        const Points at = frameSlots(true, 5, Design, Label, {2586, 0.5});
        QCOMPARE(int(at.size()), 6);
        for (int s = 1; s <= 5; ++s)
            QVERIFY(QRectF(QPointF(0, 0), Design).contains(QRectF(at[s], Label)));
    }

    // With groups shown, Tidy seats each group together: consecutive places on the frame,
    // one sector of the Target's rings, one cluster in the Random layout.
    void tidySeatsEachGroupTogether_data()
    {
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("groups");
        QTest::newRow("circle") << Circle << 24 << 4;
        QTest::newRow("target") << Target << 24 << 4;
        QTest::newRow("target of 40") << Target << 40 << 6; // crowded rings slide labels apart
        QTest::newRow("random") << Random << 24 << 4;
    }
    void tidySeatsEachGroupTogether()
    {
        QFETCH(int, layout);
        QFETCH(int, n);
        QFETCH(int, groups);
        const Choices choices = generatedClass(n, n / 8, 5);
        std::vector<int> groupOf(n + 1, -1);
        for (int s = 1; s <= n; ++s)
            groupOf[s] = (s * 7) % groups; // each group spread round the designed picture
        std::vector<float> radius;
        const Points given = designedPicture(layout, n, choices, radius);
        const Points tidied =
            layout == Circle ? tidyOnSlots(frameSlots(false, n, Design, Label, {2500, 2500}), n,
                                           choices, Design, Label, nullptr, true, groupOf)
            : layout == Target
                ? tidyOnRings(radius, given, n, choices, Design, Label, groupOf).leftTop
                : tidyFree(given, n, choices, Design, Label, groupOf);
        const QPointF centre(Design.width() / 2 - 180, Design.height() / 2 - 180);
        QCOMPARE(layout == Random ? groupsInClusters(tidied, groupOf)
                                  : groupsInSectors(tidied, groupOf, centre),
                 groups);
        QCOMPARE(scorePicture(tidied, n, choices, Label).overlaps, 0);
        // Groups that cut across the friendships cost crossings, but the groups' order round
        // the centre keeps the picture about as crossed as the designed one, not worse.
        QVERIFY(scorePicture(tidied, n, choices, Label).crossings * 100 <=
                scorePicture(given, n, choices, Label).crossings * 105);
    }

    // Lines round labels: no drawn line runs under a label (but a clique mate of both ends),
    // nested lines outside the frame never cross, lines whose ends interleave cross at most
    // once, and a line inside never crosses one outside. A bent line clears the label it goes
    // round.
    void linesRoundLabels_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<Points>("leftTop");
        QTest::addColumn<Choices>("choices");
        const Area area;
        const LabelSize label;
        // 1-3 and 40-4 run under 2 (and 1, 2, 3): nested; 2-4 interleaves with 1-3.
        QTest::newRow("circle, nested and interleaved")
            << int(Codes::SociogramType::Circle) << points(circlePlaces(40, area, label))
            << Choices{{1, 3}, {40, 4}, {2, 4}, {5, 9}, {6, 7}, {20, 30}};
        const Points circle40 = points(circlePlaces(40, area, label));
        QTest::newRow("circle of 40")
            << int(Codes::SociogramType::Circle) << circle40 << generatedClass(40, 5, 3);

        const Points square = points(squarePlaces(40, area, label, *squareSpacing(40, area)));
        QTest::newRow("square of 40")
            << int(Codes::SociogramType::Square) << square << generatedClass(40, 5, 4);
        QTest::newRow("random, a label in the way")
            << int(Codes::SociogramType::Random)
            << Points{{}, {1000, 3000}, {2000, 3000}, {3000, 3000}, {2000, 2200}}
            << Choices{{1, 3}, {4, 2}};
    }
    void linesRoundLabels()
    {
        QFETCH(int, type);
        QFETCH(Points, leftTop);
        QFETCH(Choices, choices);
        const bool onFrame = type != int(Codes::SociogramType::Random);
        const LineRoutes routes = routeLines(type, leftTop, choices, Design, Label);
        QVERIFY(!routes.paths.empty());
        std::vector<std::pair<std::pair<int, int>, Path>> drawn;
        const auto centre = [&](int s) { return QRectF(leftTop[s], Label).center(); };
        for (const Choice& c : choices) {
            const int a = std::min(c.chooser, c.chosen), b = std::max(c.chooser, c.chosen);
            Path path = routes.between(a, b);
            if (path.empty())
                path = {centre(a), centre(b)};
            QCOMPARE(path.front(), centre(a));
            QCOMPARE(path.back(), centre(b));
            // On the free layout the bend keeps a margin.
            const double grow = onFrame ? 0 : 80;
            // A label that overlaps an end hides the line's start whatever way it runs.
            const auto overlapsEnd = [&](int k) {
                const QRectF square(leftTop[k], Label);
                return square.intersects(QRectF(leftTop[a], Label)) ||
                       square.intersects(QRectF(leftTop[b], Label));
            };
            for (int k = 1; k < int(leftTop.size()); ++k)
                QVERIFY2(
                    k == a || k == b || overlapsEnd(k) ||
                        !pathUnderLabel(
                            path, QRectF(leftTop[k], Label).adjusted(-grow, -grow, grow, grow)),
                    qPrintable(QStringLiteral("%1-%2 under %3").arg(a).arg(b).arg(k)));
            for (const QPointF& inside : path)
                QVERIFY(QRectF(QPointF(0, 0), Design).contains(inside));
            drawn.push_back({{a, b}, path});
        }
        if (!onFrame)
            return;
        // The order round the frame: a pair of lines with four ends interleaves or not.
        const QPointF middle(Design.width() / 2, Design.height() / 2);
        const auto angle = [&](int s) {
            return std::atan2(centre(s).y() - middle.y(), centre(s).x() - middle.x());
        };
        const auto between = [&](int s, std::pair<int, int> e) {
            const double lo = std::min(angle(e.first), angle(e.second));
            const double hi = std::max(angle(e.first), angle(e.second));
            return lo < angle(s) && angle(s) < hi;
        };
        for (const auto& [x, xPath] : drawn)
            for (const auto& [y, yPath] : drawn) {
                if (x.first == y.first || x.first == y.second || x.second == y.first ||
                    x.second == y.second)
                    continue;
                const bool interleave = between(y.first, x) != between(y.second, x);
                const bool xOut = xPath.size() > 2, yOut = yPath.size() > 2;
                const int crossings = pathCrossings(xPath, yPath);
                if (xOut != yOut || !interleave)
                    QVERIFY2(crossings == 0, qPrintable(QStringLiteral("%1-%2 and %3-%4")
                                                            .arg(x.first)
                                                            .arg(x.second)
                                                            .arg(y.first)
                                                            .arg(y.second)));
                else if (xOut)
                    QVERIFY(crossings <= 1);
            }
    }

    // A line with a column of labels in its way has no gap to bend through: the labels step
    // until it has one, none on another, on the Target each at its distance from the centre.
    void roomToBendClearsTheWay_data()
    {
        QTest::addColumn<bool>("onRings");
        QTest::newRow("random") << false;
        QTest::newRow("target") << true;
    }
    void roomToBendClearsTheWay()
    {
        QFETCH(bool, onRings);
        const Points given{{},           {1000, 3000}, {5400, 3000},
                           {3000, 3000}, {3000, 2600}, {3000, 3400}};
        const Choices choices{{1, 2}};
        const int type = onRings ? Codes::SociogramType::Target : Codes::SociogramType::Random;
        const auto under = [&](const Points& at) {
            return countDrawn(routeLines(type, at, choices, Design, Label), at, choices, Label)
                .linesUnder;
        };
        QVERIFY(under(given) > 0);
        const Points after = roomToBend(given, choices, Design, Label, {Label, {}}, onRings);
        QCOMPARE(under(after), 0);
        QCOMPARE(scorePicture(after, 5, choices, Label).overlaps, 0);
        const QPointF middle(Design.width() / 2, Design.height() / 2);
        const auto fromMiddle = [&](const Points& at, int s) {
            return QLineF(QRectF(at[s], Label).center(), middle).length();
        };
        for (int s = 1; s <= 5; ++s)
            QVERIFY(!onRings || std::abs(fromMiddle(after, s) - fromMiddle(given, s)) < 1);
    }

    // Two labels five twips apart, the first marked: one steps until the mark has its room,
    // on the Target along its ring; with both marked, until both marks keep apart.
    void roomToBendGivesMarksRoom_data()
    {
        QTest::addColumn<bool>("onRings");
        QTest::addColumn<double>("second"); // the second label's mark, reaching
        QTest::newRow("random") << false << 0.0;
        QTest::newRow("target") << true << 0.0;
        QTest::newRow("random, both marked") << false << 50.0;
        QTest::newRow("target, both marked") << true << 50.0;
    }
    void roomToBendGivesMarksRoom()
    {
        QFETCH(bool, onRings);
        QFETCH(double, second);
        const Points given{{}, {3000, 1000}, {3365, 1000}, {3000, 5000}};
        const Choices choices{{1, 3}, {2, 3}};
        const LabelRoom room{Label, {}, {0, 66, second, 0}, 10};
        const Points after = roomToBend(given, choices, Design, Label, room, onRings);
        const QRectF a(after[1], Label), b(after[2], Label);
        QVERIFY(std::max({b.left() - a.right(), a.left() - b.right(), b.top() - a.bottom(),
                          a.top() - b.bottom()}) >= 76 + second);
        const QPointF middle(Design.width() / 2, Design.height() / 2);
        for (int s = 1; onRings && s <= 3; ++s)
            QCOMPARE(qRound(QLineF(QRectF(after[s], Label).center(), middle).length()),
                     qRound(QLineF(QRectF(given[s], Label).center(), middle).length()));
    }

    // What each of Tidy's searches reaches on one class, against the designed picture: a
    // search made useless, one that hands back what it was given, fails its row.
    void tidyReaches_data()
    {
        QTest::addColumn<int>("search");
        QTest::addColumn<int>("crossingsPercent"); // at most, of the designed picture's
        QTest::addColumn<int>("linesUnder");       // at most
        QTest::addColumn<int>("pairsSide");        // at least, of the 5 pairs who chose each other
        // The cyclic order aims at crossings alone; the slots' search holds them under its cap
        // and clears most lines under labels; lines routed outside cross less as drawn. The
        // order seats pupils who chose each other side by side, and the search keeps most.
        QTest::newRow("cyclic order on the circle") << int(Order) << 72 << 40 << 3;
        QTest::newRow("slots of the circle") << int(Slots) << 80 << 5 << 0;
        QTest::newRow("slots with lines round labels") << int(SlotsRound) << 32 << 0 << 2;
        QTest::newRow("lines routed outside the circle") << int(Outside) << 40 << 0 << 0;
        QTest::newRow("target rings") << int(Rings) << 80 << 20 << 0;
        QTest::newRow("random layout") << int(Free) << 58 << 3 << 0;
    }
    void tidyReaches()
    {
        QFETCH(int, search);
        QFETCH(int, crossingsPercent);
        QFETCH(int, linesUnder);
        QFETCH(int, pairsSide);
        const int n = 24;
        const Choices choices = generatedClass(n, 3, 11);
        const int layout = search == Rings ? Target : Circle;
        std::vector<float> radius;
        Points given = designedPicture(layout, n, choices, radius);
        if (search == Free) {
            std::mt19937 random(n);
            for (int s = 1; s <= n; ++s)
                given[s] = QPointF(random() % int(Design.width() - 360),
                                   random() % int(Design.height() - 360));
        }
        const PictureScore designed = scorePicture(given, n, choices, Label);
        Points tidy = given;
        if (search == Order) {
            const std::vector<int> order = cyclicOrder(TidySupport::ChoiceGraph(n, choices),
                                                       Shared::maximalCliques(n, choices));
            for (int k = 0; k < n; ++k)
                tidy[order[k]] = given[k + 1];
        } else if (search == Slots || search == SlotsRound) {
            tidy = tidyOnSlots(given, n, choices, Design, Label, nullptr, search == SlotsRound);
        } else if (search == Rings) {
            tidy = tidyOnRings(radius, given, n, choices, Design, Label).leftTop;
        } else if (search == Free) {
            tidy = tidyFree(given, n, choices, Design, Label);
        }
        PictureScore reached = scorePicture(tidy, n, choices, Label);
        if (search == SlotsRound || search == Outside) {
            const DrawnCount drawn =
                countDrawn(routeLines(Circle, tidy, choices, Design, Label), tidy, choices, Label);
            reached.linesUnderLabels = drawn.linesUnder;
            reached.crossings = drawn.crossings;
        }
        QVERIFY(reached.crossings * 100 <= designed.crossings * crossingsPercent);
        QVERIFY(reached.linesUnderLabels <= linesUnder);
        QVERIFY(pairsSideBySide(tidy, mutualPairs(n, choices), Label) >= pairsSide);
    }

    void cliques_data()
    {
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<QList<QList<int>>>("expected");
        Choices mutual;
        for (const QString& pair : QStringLiteral("12 13 14 23 24 34 45 46 56 67").split(u' '))
            mutual.insert(mutual.end(), {{pair[0].digitValue(), pair[1].digitValue()},
                                         {pair[1].digitValue(), pair[0].digitValue()}});
        QTest::newRow("four and three sharing one, a pair left out")
            << mutual << QList<QList<int>>{{1, 2, 3, 4}, {4, 5, 6}};
        Choices oneWay = mutual;
        oneWay.erase(oneWay.begin() + 1); // 2 no longer chose 1
        oneWay.insert(oneWay.end(), {{7, 5, Negative}, {5, 7, Negative}});
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
};

QTEST_GUILESS_MAIN(LayoutTest)
#include "tst_layout.moc"
