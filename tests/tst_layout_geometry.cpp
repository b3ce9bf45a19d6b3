// The Circle, Square and Random layouts, ring snapping and the drop handler.
#include "errorreport.h"
#include "forms.h"
#include "globals.h"
#include "randomsource.h"
#include "scriptedmessages.h"
#include "sociogramstate.h"

#include "testdb.h"

#include <QtTest>
#include <cmath>
#include <deque>

namespace {

enum class Kind { Circle, Square, Random };

void runKind(SociogramState& state, Kind kind)
{
    switch (kind) {
    case Kind::Circle:
        state.CircleDraw();
        break;
    case Kind::Square:
        state.SquareDraw();
        break;
    case Kind::Random:
        state.RandomDraw();
        break;
    }
}

// Plays a fixed list of numbers, then fails the test if more are asked for.
Layout::RandomSource sequence(std::deque<float> values)
{
    return [values = std::move(values)]() mutable {
        if (values.empty()) {
            qWarning("random sequence ran out");
            return 0.0f;
        }
        const float v = values.front();
        values.pop_front();
        return v;
    };
}

bool overlaps(const SubjectLabel& a, const SubjectLabel& b)
{
    return std::fabs(a.Left - b.Left) < 360 && std::fabs(a.Top - b.Top) < 360;
}

} // namespace

class LayoutGeometryTest : public QObject {
    Q_OBJECT

    QString groupSizeText;

private Q_SLOTS:
    void init()
    {
        resetProgram();
        Layout::setRandomSource({});
        Global::NewProject = Global::True;
        groupSizeText.clear();
        Forms::InfoGroupSizeText = [this] { return groupSizeText; };
    }
    void cleanup()
    {
        Forms::InfoGroupSizeText = nullptr;
        Layout::setRandomSource({});
    }

    void circle_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("subject");
        QTest::addColumn<double>("centreX");
        QTest::addColumn<double>("centreY");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("6: 1 at the top") << 6 << 1 << 3457.5 << 815.0 << 3278 << 635;
        QTest::newRow("6: 2") << 6 << 2 << 5622.6 << 2065.0 << 5443 << 1885;
        QTest::newRow("6: 3") << 6 << 3 << 5622.6 << 4565.0 << 5443 << 4385;
        QTest::newRow("6: 4 at the bottom") << 6 << 4 << 3457.5 << 5815.0 << 3278 << 5635;
        QTest::newRow("6: 5") << 6 << 5 << 1292.4 << 4565.0 << 1112 << 4385;
        QTest::newRow("6: 6") << 6 << 6 << 1292.4 << 2065.0 << 1112 << 1885;
        QTest::newRow("8: 1 at the top") << 8 << 1 << 3457.5 << 815.0 << 3278 << 635;
        QTest::newRow("8: 3 at the right") << 8 << 3 << 5957.5 << 3315.0 << 5778 << 3135;
        QTest::newRow("8: 7 at the left") << 8 << 7 << 957.5 << 3315.0 << 778 << 3135;
    }
    void circle()
    {
        QFETCH(int, n);
        QFETCH(int, subject);
        QFETCH(double, centreX);
        QFETCH(double, centreY);
        QFETCH(int, left);
        QFETCH(int, top);
        groupSizeText = QString::number(n);
        SociogramState state;
        int cleared = 0;
        state.clearDrawing = [&] { ++cleared; };
        state.CircleDraw();
        QCOMPARE(cleared, 1);
        QCOMPARE(state.labels.highestIndex(), n);
        const SubjectLabel* label = state.labels.get(subject);
        QVERIFY(label);
        QVERIFY(std::fabs(label->Left + 180 - centreX) < 0.1);
        QVERIFY(std::fabs(label->Top + 180 - centreY) < 0.1);
        QCOMPARE(Global::LabelPos[subject][0], left);
        QCOMPARE(Global::LabelPos[subject][1], top);
    }

    void circleFollowsTheAreaButKeepsItsRadius()
    {
        groupSizeText = QStringLiteral("6");
        SociogramState state;
        state.W = 9000;
        state.H = 8000;
        state.CircleDraw();
        const SubjectLabel* first = state.labels.get(1);
        const SubjectLabel* fourth = state.labels.get(4);
        QCOMPARE(first->Left + 180, 4500.0f);
        QVERIFY(std::fabs(first->Top + 180 - 1500) < 0.01);
        QVERIFY(std::fabs(fourth->Top + 180 - 6500) < 0.01);
    }

    void square_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("6: 1 top") << 6 << 1 << 2536 << 663;
        QTest::newRow("6: 2 right") << 6 << 2 << 5864 << 2431;
        QTest::newRow("6: 3 bottom") << 6 << 3 << 4380 << 5607;
        QTest::newRow("6: 4 left") << 6 << 4 << 692 << 4199;
        QTest::newRow("6: 5 top") << 6 << 5 << 4380 << 663;
        QTest::newRow("6: 6 right") << 6 << 6 << 5864 << 4199;
        QTest::newRow("8: 7 bottom, second slot") << 8 << 7 << 2536 << 5607;
        QTest::newRow("8: 8 left, second slot") << 8 << 8 << 692 << 2431;
    }
    void square()
    {
        QFETCH(int, n);
        QFETCH(int, subject);
        QFETCH(int, left);
        QFETCH(int, top);
        groupSizeText = QString::number(n);
        SociogramState state;
        state.SquareDraw();
        QCOMPARE(state.labels.highestIndex(), n);
        QCOMPARE(Global::LabelPos[subject][0], left);
        QCOMPARE(Global::LabelPos[subject][1], top);
        // The label keeps the exact value that LabelPos holds rounded.
        QCOMPARE(std::nearbyint(state.labels.get(subject)->Left), double(left));
    }

    // Properties every layout must have for every group size.
    void everyGroupSize_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("circle") << int(Kind::Circle);
        QTest::newRow("square") << int(Kind::Square);
        QTest::newRow("random") << int(Kind::Random);
    }
    void everyGroupSize()
    {
        QFETCH(int, kind);
        for (int n = 6; n <= 40; ++n) {
            Global::LabelPos = {};
            groupSizeText = QString::number(n);
            SociogramState state;
            runKind(state, Kind(kind));
            QCOMPARE(state.labels.highestIndex(), n);
            QCOMPARE(Global::LabelPos[0][0], 0);
            QCOMPARE(Global::LabelPos[0][1], 0);
            for (int i = 1; i <= n; ++i) {
                const SubjectLabel* a = state.labels.get(i);
                QVERIFY(a && a->Visible);
                QCOMPARE(a->Caption, QString::number(i));
                QCOMPARE(double(Global::LabelPos[i][0]), std::nearbyint(a->Left));
                QCOMPARE(double(Global::LabelPos[i][1]), std::nearbyint(a->Top));
                QVERIFY2(a->Left >= 0 && a->Left <= state.W - 360, qPrintable(QString::number(n)));
                QVERIFY(a->Top >= 0 && a->Top <= state.H - 360);
                if (Kind(kind) == Kind::Random)
                    QVERIFY(Global::LabelPos[i][0] >= 360 || Global::LabelPos[i][1] >= 360);
                const QString pair = QStringLiteral("%1: label %2").arg(n).arg(i);
                for (int j = 1; j < i; ++j) {
                    const SubjectLabel& b = *state.labels.get(j);
                    switch (Kind(kind)) {
                    case Kind::Random: {
                        const auto& p = Global::LabelPos;
                        QVERIFY(std::abs(p[i][0] - p[j][0]) >= 360 ||
                                std::abs(p[i][1] - p[j][1]) >= 360);
                        break;
                    }
                    case Kind::Square:
                        // Labels of one side never touch; near the corners two sides
                        // may meet once the sides grow long.
                        if (i % 4 == j % 4)
                            QVERIFY2(!overlaps(*a, b), qPrintable(pair));
                        break;
                    case Kind::Circle:
                        if (j == i - 1)
                            QVERIFY2(std::hypot(a->Left - b.Left, a->Top - b.Top) > 360,
                                     qPrintable(pair));
                        break;
                    }
                }
            }
        }
    }

    void groupSizeIsTheLeadingNumberRounded_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("labels");
        QTest::newRow("plain") << QStringLiteral("7") << 7;
        QTest::newRow("trailing text") << QStringLiteral("9 pupils") << 9;
        QTest::newRow("half to even down") << QStringLiteral("6.5") << 6;
        QTest::newRow("half to even up") << QStringLiteral("7.5") << 8;
    }
    void groupSizeIsTheLeadingNumberRounded()
    {
        QFETCH(QString, text);
        QFETCH(int, labels);
        groupSizeText = text;
        SociogramState state;
        state.SquareDraw();
        QCOMPARE(state.labels.highestIndex(), labels);
    }

    void emptyGroupSizeIsADivisionByZeroInTheCircleOnly()
    {
        ScriptedMessages messages;
        SociogramState circle;
        int pointerResets = 0;
        circle.setBusyPointer = [&](bool busy) { pointerResets += busy ? 0 : 1; };
        circle.CircleDraw();
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral("Unexpected Error In - DrawForm:CircleDraw, Error "
                                            "Number 11, Division by zero")});
        QCOMPARE(circle.labels.highestIndex(), 0);
        QCOMPARE(pointerResets, 1);

        SociogramState square;
        square.SquareDraw();
        SociogramState random;
        random.RandomDraw();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(square.labels.highestIndex(), 0);
        QCOMPARE(random.labels.highestIndex(), 0);
    }

    void groupsBeyondFortyAreReportedOnce()
    {
        groupSizeText = QStringLiteral("45");
        ScriptedMessages messages;
        SociogramState state;
        state.CircleDraw();
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.texts().first().contains(QStringLiteral("Error Number 9,")));
        QCOMPARE(state.labels.highestIndex(), 40);
    }

    void existingLabelIsReportedByCircleButNotByRandom()
    {
        groupSizeText = QStringLiteral("6");
        ScriptedMessages messages;
        SociogramState circle;
        QVERIFY(!circle.labels.load(3));
        circle.CircleDraw();
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral("Unexpected Error In - DrawForm:CircleDraw, Error "
                                            "Number 360, Object already loaded")});
        // It is still moved to its place.
        QCOMPARE(double(Global::LabelPos[3][1]), std::nearbyint(circle.labels.get(3)->Top));
        QCOMPARE(Global::LabelPos[3][1], 4385);

        messages.clear();
        SociogramState random;
        QVERIFY(!random.labels.load(3));
        random.RandomDraw();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(random.labels.highestIndex(), 6);
        QCOMPARE(double(Global::LabelPos[3][0]), std::nearbyint(random.labels.get(3)->Left));
    }

    // An area of 8192 + 360 makes every candidate exact: X = r * 8192.
    void randomCollisionTestIsStrict()
    {
        groupSizeText = QStringLiteral("4");
        const float s = 1.0f / 8192;
        Layout::setRandomSource(sequence({
            0.01f, 0.01f,       // 1: inside the free top-left square, retried
            0.5f, 0.5f,         // 1: (4096, 4096)
            4456 * s, 4096 * s, // 2: touches 1 on its right: accepted
            4455 * s, 4096 * s, // 3: overlaps 1 by one twip: retried
            0, 360 * s,         // 3: left edge, just below the free square: accepted
            359 * s, 0,         // 4: overlaps the free square: retried
            0.25f, 0.75f,       // 4: (2048, 6144)
        }));
        SociogramState state;
        state.W = 8552;
        state.H = 8552;
        state.RandomDraw();
        QCOMPARE(state.labels.highestIndex(), 4);
        const Global::LabelTable& p = Global::LabelPos;
        QCOMPARE(p[1], (std::array<Global::Integer, 2>{4096, 4096}));
        QCOMPARE(p[2], (std::array<Global::Integer, 2>{4456, 4096}));
        QCOMPARE(p[3], (std::array<Global::Integer, 2>{0, 360}));
        QCOMPARE(p[4], (std::array<Global::Integer, 2>{2048, 6144}));
        QCOMPARE(state.labels.get(2)->Left, 4456.0f);
    }

    void randomComparesWithTheRoundedPositions()
    {
        groupSizeText = QStringLiteral("2");
        // Label 1 at 1000.4 is stored as 1000; a candidate at 1360.2 clears the stored
        // value though it lies within 360 of the exact one.
        const float range = 6555; // 6915 - 360
        Layout::setRandomSource(sequence({1000.4f / range, 0.5f, 1360.2f / range, 0.5f}));
        SociogramState state;
        state.RandomDraw();
        QCOMPARE(state.labels.highestIndex(), 2);
        QCOMPARE(Global::LabelPos[1][0], 1000);
        QCOMPARE(Global::LabelPos[2][0], 1360);
    }

    void randomRunsDiffer()
    {
        groupSizeText = QStringLiteral("20");
        SociogramState state;
        state.RandomDraw();
        const Global::LabelTable first = Global::LabelPos;
        state.labels.unloadAll();
        state.RandomDraw();
        QVERIFY(first != Global::LabelPos);
    }

    void randomGivesUpOnATooSmallArea()
    {
        groupSizeText = QStringLiteral("6");
        ScriptedMessages messages;
        SociogramState state;
        state.W = 500; // every candidate falls in the free top-left square
        state.H = 500;
        int pointerResets = 0;
        state.setBusyPointer = [&](bool busy) { pointerResets += busy ? 0 : 1; };
        state.RandomDraw();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.shown().front().title, QStringLiteral("Help"));
        QCOMPARE(messages.shown().front().buttons, Buttons::Ok);
        QCOMPARE(state.labels.highestIndex(), 0);
        QCOMPARE(pointerResets, 1);
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
        SociogramState state;
        QVERIFY(!state.labels.load(5));
        state.labels.get(5)->Tag = QStringLiteral("1000");
        state.DragIndex = 5;
        state.DropX = dropX;
        state.DropY = dropY;
        state.AlignSquare();
        QVERIFY2(std::fabs(state.SnapX - snapX) < 0.1, qPrintable(QString::number(state.SnapX)));
        QVERIFY2(std::fabs(state.SnapY - snapY) < 0.1, qPrintable(QString::number(state.SnapY)));
    }

    void failedSnapStepsKeepThePreviousValues()
    {
        SociogramState state;
        QVERIFY(!state.labels.load(1));
        QVERIFY(!state.labels.load(2));
        state.labels.get(1)->Tag = QStringLiteral("1000");
        state.DragIndex = 1;
        state.DropX = 5457.5f; // ratio 2, offsets (1000, 0)
        state.DropY = 3315;
        state.AlignSquare();
        QCOMPARE(state.Ratio, 2.0f);

        // Label 2 has no tag: the ratio of the last snap stays, so 4000 becomes 2000.
        state.DragIndex = 2;
        state.DropX = 7457.5f;
        state.AlignSquare();
        QCOMPARE(state.Ratio, 2.0f);
        QCOMPARE(state.SnapX, 5457.5f);

        // On the centre the distance is 0: the offsets of the last snap stay.
        state.DragIndex = 1;
        state.DropX = 3457.5f;
        state.DropY = 3315;
        state.AlignSquare();
        QCOMPARE(state.Distance, 0.0f);
        QCOMPARE(state.ScaledDx, 2000.0f);
        QCOMPARE(state.SnapX, 1457.5f);
        QCOMPARE(state.SnapY, 3315.0f);
    }

    void dropOutsideTarget_data()
    {
        QTest::addColumn<float>("grabX");
        QTest::addColumn<float>("grabY");
        QTest::addColumn<float>("x");
        QTest::addColumn<float>("y");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("by the bottom-right corner")
            << 359.0f << 359.0f << 1000.0f << 2000.0f << 641 << 1641;
        QTest::newRow("halves to even") << 0.5f << 0.0f << 181.0f << 181.5f << 180 << 182;
        QTest::newRow("partly outside") << 10.0f << 10.0f << 6900.0f << 5.0f << 6890 << -5;
    }
    void dropOutsideTarget()
    {
        QFETCH(float, grabX);
        QFETCH(float, grabY);
        QFETCH(float, x);
        QFETCH(float, y);
        QFETCH(int, left);
        QFETCH(int, top);
        Global::SociogramType = 2;
        SociogramState state;
        state.PositionsSaved = Global::True;
        int drawn = 0;
        state.lineDraw = [&] { ++drawn; };
        QVERIFY(!state.labels.load(4));
        state.beginDrag(4, grabX, grabY);
        state.dropOnBackground(x, y);
        QCOMPARE(state.labels.get(4)->Left, x - grabX);
        QCOMPARE(state.labels.get(4)->Top, y - grabY);
        QCOMPARE(Global::LabelPos[4][0], left);
        QCOMPARE(Global::LabelPos[4][1], top);
        QCOMPARE(state.PositionsSaved, Global::False);
        QCOMPARE(drawn, 1);
    }

    void targetDropLandsCentredOnTheRing()
    {
        Global::SociogramType = 3;
        SociogramState state;
        QVERIFY(!state.labels.load(2));
        state.labels.get(2)->Tag = QStringLiteral("1000");
        state.beginDrag(2, 300, 20); // the grab point plays no part here
        state.dropOnBackground(3457.5f, 315);
        QCOMPARE(state.labels.get(2)->Left, 3277.5f);
        QCOMPARE(state.labels.get(2)->Top, 2135.0f);
        QCOMPARE(Global::LabelPos[2][0], 3278);
        QCOMPARE(Global::LabelPos[2][1], 2135);
    }

    void dropsNeverWriteOutsideTheTable()
    {
        Global::SociogramType = 0;
        SociogramState state;
        QVERIFY(!state.labels.load(1));
        Global::LabelPos[1] = {100, 200};
        state.beginDrag(0, 0, 0);
        state.dropOnBackground(500, 500);
        state.beginDrag(41, 0, 0);
        state.dropOnBackground(500, 500);
        QCOMPARE(Global::LabelPos[0], (std::array<Global::Integer, 2>{0, 0}));
        // A position beyond 16 bits leaves that entry; the label still moves.
        state.beginDrag(1, 0, 0);
        state.dropOnBackground(40000, 700);
        QCOMPARE(Global::LabelPos[1], (std::array<Global::Integer, 2>{100, 700}));
        QCOMPARE(state.labels.get(1)->Left, 40000.0f);
    }
};

QTEST_GUILESS_MAIN(LayoutGeometryTest)
#include "tst_layout_geometry.moc"
