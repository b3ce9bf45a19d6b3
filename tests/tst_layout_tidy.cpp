// Tidy Labels and the picture score: hand-built pictures with known faults, then
// generated classes from 6 to 40 on every layout kind.
#include "picturescore.h"
#include "tidy.h"

#include <QtTest>
#include <algorithm>
#include <cmath>
#include <random>

using namespace Layout;

namespace {

const QSizeF Label(360, 360);
const QSizeF Area(6915, 6630);
constexpr double Pi = 3.14159265358979323846;
using Points = std::vector<QPointF>;
using Choices = std::vector<TidyChoice>;

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
        for (size_t i = others.size() - 1; i > 0; --i)
            std::swap(others[i], others[random() % (i + 1)]);
        for (int k = 0; k < std::min<int>(2 * each, static_cast<int>(others.size())); ++k)
            choices.push_back({s, others[k], k < each});
    }
    return choices;
}

Points onCircle(int n, double radius)
{
    Points p(n + 1);
    for (int s = 1; s <= n; ++s) {
        const double a = 2 * Pi * (s - 1) / n;
        p[s] = {Area.width() / 2 + radius * std::sin(a) - 180,
                Area.height() / 2 - radius * std::cos(a) - 180};
    }
    return p;
}

// Dealt round the frame a side at a time, as the Square layout does.
Points onSquare(int n)
{
    const double w = Area.width(), h = Area.height();
    const int k = (n + 3) / 4;
    const double across = w * 4 / 5 / (k + 1), down = h * 4 / 5 / (k + 1);
    Points p(n + 1);
    for (int s = 1; s <= n; ++s) {
        const int j = (s - 1) / 4 + 1;
        const QPointF at[4] = {{w / 10 + across * j, h / 10},
                               {w * 9 / 10 - 360, h / 10 + down * j},
                               {w * 9 / 10 - across * j, h * 9 / 10 - 360},
                               {w / 10, h * 9 / 10 - down * j}};
        p[s] = at[(s - 1) % 4];
    }
    return p;
}

double distanceFromCentre(QPointF leftTop)
{
    return std::hypot(leftTop.x() + 180 - Area.width() / 2, leftTop.y() + 180 - Area.height() / 2);
}

// The Target rings from the positive choices received: the most chosen innermost.
std::vector<float> targetRadii(int n, const Choices& choices)
{
    std::vector<int> received(n + 1, 0);
    for (const TidyChoice& c : choices)
        if (c.positive && c.chosen >= 1 && c.chosen <= n)
            ++received[c.chosen];
    const int most = *std::max_element(received.begin() + 1, received.end());
    std::vector<float> radius(n + 1, 0);
    for (int s = 1; s <= n; ++s)
        radius[s] = float((Area.width() / 2 - 400) / (most + 1) * (most - received[s] + 0.5));
    return radius;
}

// Each ring's labels evenly spread from twelve o'clock, in subject order.
Points spreadOnRings(const std::vector<float>& radius)
{
    const int n = static_cast<int>(radius.size()) - 1;
    Points p(n + 1);
    for (int s = 1; s <= n; ++s) {
        const int before =
            static_cast<int>(std::count(radius.begin() + 1, radius.begin() + s, radius[s]));
        const int all = static_cast<int>(std::count(radius.begin() + 1, radius.end(), radius[s]));
        const double a = 2 * Pi * before / all;
        p[s] = {Area.width() / 2 + radius[s] * std::sin(a) - 180,
                Area.height() / 2 - radius[s] * std::cos(a) - 180};
    }
    return p;
}

// Choices the picture never draws: they must change nothing.
Choices withStrayChoices(Choices choices, int n)
{
    choices.push_back({0, 1, true});
    choices.push_back({1, n + 1, true});
    choices.push_back({2, 2, false});
    choices.push_back({-3, n + 7, false});
    return choices;
}

} // namespace

Q_DECLARE_METATYPE(Points)
Q_DECLARE_METATYPE(Choices)
Q_DECLARE_METATYPE(std::vector<float>)

class LayoutTidyTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void score_data()
    {
        QTest::addColumn<Points>("at");
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<QList<int>>("expected"); // overlaps, lines, markers, crossings
        const Points corners{{}, {0, 0}, {2000, 0}, {2000, 2000}, {0, 2000}};
        const Points row{{}, {0, 0}, {1000, 0}, {2000, 0}};
        QTest::newRow("diagonals cross")
            << corners << Choices{{1, 3, true}, {2, 4, false}} << QList<int>{0, 0, 0, 1};
        QTest::newRow("a mutual pair is one line")
            << corners << Choices{{1, 3, true}, {3, 1, true}, {2, 4, true}, {2, 4, false}}
            << QList<int>{0, 0, 0, 1};
        QTest::newRow("lines meeting at a label do not cross")
            << corners << Choices{{1, 3, true}, {1, 2, true}, {1, 4, true}}
            << QList<int>{0, 0, 0, 0};
        QTest::newRow("a line ending on another does not cross it")
            << Points{{}, {0, 0}, {2000, 0}, {1000, 0}, {1000, 2000}}
            << Choices{{1, 2, true}, {3, 4, true}} << QList<int>{0, 1, 0, 0};
        QTest::newRow("line behind the label between")
            << row << Choices{{1, 3, true}} << QList<int>{0, 1, 0, 0};
        QTest::newRow("line along a label's edge is clear")
            << Points{{}, {0, 0}, {1000, 180}, {2000, 0}} << Choices{{1, 3, true}}
            << QList<int>{0, 0, 0, 0};
        QTest::newRow("line just inside a label's edge")
            << Points{{}, {0, 0}, {1000, 179}, {2000, 0}} << Choices{{1, 3, true}}
            << QList<int>{0, 1, 0, 0};
        QTest::newRow("marker under its chooser's label, close by")
            << Points{{}, {0, 0}, {0, 400}} << Choices{{2, 1, true}} << QList<int>{0, 0, 1, 0};
        QTest::newRow("marker of each criterion counts")
            << Points{{}, {0, 0}, {0, 400}} << Choices{{2, 1, true}, {2, 1, false}}
            << QList<int>{0, 0, 2, 0};
        QTest::newRow("labels one on another")
            << Points{{}, {0, 0}, {359, 300}, {718, 0}} << Choices{} << QList<int>{2, 0, 0, 0};
        QTest::newRow("labels edge to edge do not overlap")
            << Points{{}, {0, 0}, {360, 0}} << Choices{} << QList<int>{0, 0, 0, 0};
        QTest::newRow("choices outside the group are not drawn")
            << row << withStrayChoices({}, 3) << QList<int>{0, 0, 0, 0};
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

    void onSlots_data()
    {
        QTest::addColumn<bool>("square");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("each");
        QTest::newRow("circle 6, no choices") << false << 6 << 0;
        QTest::newRow("circle 17") << false << 17 << 3;
        QTest::newRow("circle 40, 10 + 10 each") << false << 40 << 10;
        QTest::newRow("square 6") << true << 6 << 2;
        QTest::newRow("square 23") << true << 23 << 3;
        QTest::newRow("square 40, 10 + 10 each") << true << 40 << 10;
    }
    void onSlots()
    {
        QFETCH(bool, square);
        QFETCH(int, n);
        QFETCH(int, each);
        const Choices choices = generatedClass(n, each, 7u * n);
        const Points given = square ? onSquare(n) : onCircle(n, 2500);
        const Points tidy = tidyOnSlots(given, n, choices, Label);
        QVERIFY(tidyOnSlots(given, n, withStrayChoices(choices, n), Label) == tidy);
        QVERIFY(scorePicture(tidy, n, choices, Label) <= scorePicture(given, n, choices, Label));
        const auto order = [](QPointF a, QPointF b) {
            return std::pair(a.x(), a.y()) < std::pair(b.x(), b.y());
        };
        Points sortedGiven(given.begin() + 1, given.end()),
            sortedTidy(tidy.begin() + 1, tidy.end());
        std::sort(sortedGiven.begin(), sortedGiven.end(), order);
        std::sort(sortedTidy.begin(), sortedTidy.end(), order);
        QCOMPARE(sortedTidy, sortedGiven); // each slot taken exactly once
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
        const Points given = onCircle(n, 2500);
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

    // A chain of choices that runs back and forth across the frame: the only picture with
    // no line behind a label and no crossing follows the frame, so every chosen pair,
    // those on one side included, ends up side by side.
    void chainFollowsTheFrame()
    {
        const int n = 16;
        Choices choices;
        for (int s = 1; s <= n; ++s)
            choices.push_back({s, s % n + 1, true});
        const Points given = onSquare(n);
        const Points tidy = tidyOnSlots(given, n, choices, Label);
        std::vector<QPointF> frame; // the slots in order round the frame
        for (int side = 0; side < 4; ++side)
            for (int j = 0; j < n / 4; ++j)
                frame.push_back(given[1 + side + 4 * j]);
        const auto place = [&](int s) {
            return std::find(frame.begin(), frame.end(), tidy[s]) - frame.begin();
        };
        for (const TidyChoice& c : choices) {
            const auto apart = std::abs(place(c.chooser) - place(c.chosen));
            QVERIFY2(apart == 1 || apart == n - 1, qPrintable(QString::number(c.chooser)));
        }
    }

    void rings_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<Choices>("choices");
        QTest::addColumn<std::vector<float>>("radius"); // none: from the choices received
        QTest::addColumn<bool>("room");
        QTest::newRow("close rings with room if turned")
            << 8 << generatedClass(8, 2, 3)
            << std::vector<float>{0, 300, 650, 650, 650, 1000, 1000, 1000, 1000} << true;
        QTest::newRow("40 with no choices, one crowded ring")
            << 40 << Choices{} << std::vector<float>{} << false;
        std::vector<float> close{0, 0}; // six rings of four, closer than a label is high
        for (int s = 2; s <= 24; ++s)
            close.push_back(float(1300 + 95 * ((s - 2) / 4)));
        QTest::newRow("24 on rings closer than a label")
            << 24 << generatedClass(24, 3, 7) << close << true;
        QTest::newRow("12") << 12 << generatedClass(12, 2, 5) << std::vector<float>{} << true;
        QTest::newRow("24") << 24 << generatedClass(24, 3, 11) << std::vector<float>{} << true;
        QTest::newRow("40, 10 + 10 each")
            << 40 << generatedClass(40, 10, 1982) << std::vector<float>{} << false;
    }
    void rings()
    {
        QFETCH(int, n);
        QFETCH(Choices, choices);
        QFETCH(std::vector<float>, radius);
        QFETCH(bool, room);
        if (radius.empty())
            radius = targetRadii(n, choices);
        const Points drawn = spreadOnRings(radius);
        const Points tidy = tidyOnRings(radius, drawn, n, choices, Area, Label);
        QVERIFY(tidyOnRings(radius, drawn, n, withStrayChoices(choices, n), Area, Label) == tidy);
        const PictureScore after = scorePicture(tidy, n, choices, Label);
        QVERIFY(after <= scorePicture(drawn, n, choices, Label));
        if (room)
            QCOMPARE(after.overlaps, 0);
        for (int s = 1; s <= n; ++s)
            QVERIFY(std::abs(distanceFromCentre(tidy[s]) - radius[s]) <= 0.5);
    }

    void anywhere_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("each");
        QTest::addColumn<QSizeF>("area");
        QTest::addColumn<QPointF>("shift"); // the start is a random picture moved by this
        QTest::addColumn<bool>("room");
        QTest::newRow("6") << 6 << 2 << Area << QPointF() << true;
        QTest::newRow("24 spilling out right and below")
            << 24 << 3 << Area << QPointF(3000, 2500) << true;
        QTest::newRow("40 well outside, up and left")
            << 40 << 4 << Area << QPointF(-9000, -500) << true;
        QTest::newRow("40, 10 + 10 each") << 40 << 10 << Area << QPointF() << true;
        QTest::newRow("12 in an area too small")
            << 12 << 2 << QSizeF(1000, 900) << QPointF() << false;
    }
    void anywhere()
    {
        QFETCH(int, n);
        QFETCH(int, each);
        QFETCH(QSizeF, area);
        QFETCH(QPointF, shift);
        QFETCH(bool, room);
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
        if (room)
            QCOMPARE(after.overlaps, 0);
        if (shift.isNull())
            QVERIFY(after <= scorePicture(given, n, choices, Label));
    }
};

QTEST_GUILESS_MAIN(LayoutTidyTest)
#include "tst_layout_tidy.moc"
