// The Target layout: counting the choices in the grid, the rings and their tags.
#include "choicegrid.h"
#include "errorreport.h"
#include "globals.h"
#include "numbers.h"
#include "scriptedmessages.h"
#include "sociogramstate.h"

#include "testdb.h"

#include <QtTest>
#include <cmath>
#include <random>

namespace {

constexpr double Pi = 3.14159;

// Shapes the data grid for n subjects and fills their choices, one list per subject.
void fillGrid(int n, int slots, const std::vector<std::vector<QString>>& choices)
{
    ChoiceGrid& grid = DataGrid();
    grid.setShape(0, 0);
    grid.setShape(n + 2, slots + 1);
    for (int s = 1; s <= n; ++s) {
        grid.setTextMatrix(s + 1, 0, QString::number(s));
        if (s - 1 < int(choices.size()))
            for (int c = 0; c < int(choices[s - 1].size()); ++c)
                grid.setTextMatrix(s + 1, c + 1, choices[s - 1][c]);
    }
}

QPointF centreOf(const SubjectLabel& l)
{
    return {l.Left + l.Width / 2, l.Top + l.Height / 2};
}

double distanceFromCentre(const SociogramState& state, int s)
{
    const QPointF c = centreOf(*state.labels.get(s));
    return std::hypot(c.x() - state.W / 2, c.y() - state.H / 2);
}

// Clockwise from twelve o'clock, in [0, 2 pi).
double angleOf(const SociogramState& state, int s)
{
    const QPointF c = centreOf(*state.labels.get(s));
    double a = std::atan2(c.x() - state.W / 2, state.H / 2 - c.y());
    return a < -1e-6 ? a + 2 * M_PI : a;
}

} // namespace

class LayoutTargetTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetProgram();
        Global::CriterionType = 1;
        Global::CurrentCriterion = 1;
        // Subject 1 is chosen 3 times, 2 twice, 3 once, 4 to 6 never.
        fillGrid(6, 2, {{"2", "3"}, {"1"}, {"1"}, {"1"}, {"2"}, {}});
    }

    void rings_data()
    {
        QTest::addColumn<int>("subject");
        QTest::addColumn<int>("received");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<double>("angle");
        QTest::newRow("3 received, alone, odd: 45 degrees") << 1 << 3 << "382.1875" << Pi / 4;
        QTest::newRow("2 received, alone, even: on top") << 2 << 2 << "1146.5625" << 0.0;
        QTest::newRow("1 received") << 3 << 1 << "1910.9375" << Pi / 4;
        QTest::newRow("none, first of three") << 4 << 0 << "2675.3125" << 0.0;
        QTest::newRow("none, second") << 5 << 0 << "2675.3125" << 2 * Pi / 3;
        QTest::newRow("none, third") << 6 << 0 << "2675.3125" << 4 * Pi / 3;
    }
    void rings()
    {
        QFETCH(int, subject);
        QFETCH(int, received);
        QFETCH(QString, tag);
        QFETCH(double, angle);
        SociogramState state;
        int cleared = 0;
        state.clearDrawing = [&] { ++cleared; };
        state.TargetDraw();
        QCOMPARE(cleared, 1);
        QCOMPARE(Global::MaxReceived, 3);
        QCOMPARE(Global::ChoicesReceived[subject], received);
        QCOMPARE(state.labels.highestIndex(), 6);
        const SubjectLabel* label = state.labels.get(subject);
        QCOMPARE(label->Tag, tag);
        QCOMPARE(label->Caption, QString::number(subject));
        QVERIFY(std::fabs(distanceFromCentre(state, subject) - tag.toDouble()) < 0.01);
        QVERIFY2(std::fabs(angleOf(state, subject) - angle) < 1e-4,
                 qPrintable(QString::number(angleOf(state, subject))));
        QCOMPARE(double(Global::LabelPos[subject][0]), std::nearbyint(label->Left));
        QCOMPARE(double(Global::LabelPos[subject][1]), std::nearbyint(label->Top));
    }

    void ringListsAndCurrentCell()
    {
        fillGrid(12, 1, {{"12"}, {"3"}, {"12"}, {"7"}, {"3"}});
        SociogramState state;
        state.TargetDraw();
        QCOMPARE(Global::RingMembers[2], QStringLiteral("0312"));
        QCOMPARE(Global::RingMembers[1], QStringLiteral("07"));
        QCOMPARE(Global::RingMembers[0], QStringLiteral("010204050608091011"));
        QCOMPARE(Global::ChoicesReceived[0], 0);
        QCOMPARE(DataGrid().Row(), 13);
        QCOMPARE(DataGrid().Col(), 1);
    }

    void nobodyChosenIsOneRing()
    {
        fillGrid(8, 3, {});
        SociogramState state;
        state.TargetDraw();
        QCOMPARE(Global::MaxReceived, 0);
        for (int s = 1; s <= 8; ++s) {
            QCOMPARE(state.labels.get(s)->Tag, QStringLiteral("1528.75"));
            QVERIFY(std::fabs(angleOf(state, s) - (s - 1) * 2 * Pi / 8) < 1e-4);
        }
        QCOMPARE(Global::LabelPos[1][1], Global::Integer(std::nearbyint(3315 - 1528.75 - 180)));
    }

    void anEmptyRingValueLeavesAGap()
    {
        // Subjects 1 and 2 are chosen twice each, nobody once.
        fillGrid(6, 2, {{"2"}, {"1"}, {"1", "2"}});
        SociogramState state;
        state.TargetDraw();
        QCOMPARE(Global::MaxReceived, 2);
        QVERIFY(Global::RingMembers[1].isEmpty());
        const double unit = (6915.0 / 2 - 400) / 3;
        const double outer = Numbers::leadingValue(state.labels.get(3)->Tag);
        QVERIFY(std::fabs(outer - unit * 2.5) < 0.001);
        QVERIFY(std::fabs(Numbers::leadingValue(state.labels.get(1)->Tag) - unit * 0.5) < 0.001);
        // Its text reads back as the very Single the layout used.
        QCOMPARE(float(outer), float(unit * 2.5));
    }

    void everyLabelStandsOnItsRing()
    {
        std::mt19937 random(7);
        for (int n = 6; n <= 40; ++n) {
            const int slots = 1 + int(random() % 10);
            std::vector<std::vector<QString>> choices(n);
            for (auto& row : choices)
                for (int c = 0; c < slots; ++c)
                    if (random() % 3 != 0)
                        row.push_back(QString::number(1 + random() % n));
            fillGrid(n, slots, choices);
            Global::LabelPos = {};
            SociogramState state;
            state.TargetDraw();
            QCOMPARE(state.labels.highestIndex(), n);
            const double unit = (6915.0 / 2 - 400) / (Global::MaxReceived + 1);
            for (int s = 1; s <= n; ++s) {
                const double ring = unit * (Global::MaxReceived - Global::ChoicesReceived[s] + 0.5);
                const double tag = Numbers::leadingValue(state.labels.get(s)->Tag);
                QVERIFY2(std::fabs(tag - ring) < 0.001,
                         qPrintable(QStringLiteral("%1/%2").arg(n).arg(s)));
                QVERIFY(std::fabs(distanceFromCentre(state, s) - ring) < 0.01);
            }
            QCOMPARE(Global::LabelPos[0], (std::array<Global::Integer, 2>{0, 0}));
        }
    }

    void ringsOnlyRewritesTagsAlone()
    {
        SociogramState state;
        state.TargetDraw();
        state.labels.get(4)->Tag = QStringLiteral("stale");
        state.labels.move(4, 100, 200);
        Global::LabelPos[4] = {100, 200};
        const Global::LabelTable before = Global::LabelPos;
        // Subject 4 is now the most chosen one.
        fillGrid(6, 2, {{"4"}, {"4"}, {"4"}});
        state.RingsOnly = Global::True;
        ScriptedMessages messages;
        state.TargetDraw();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(Global::LabelPos, before);
        QCOMPARE(state.labels.get(4)->Left, 100.0f);
        QCOMPARE(state.labels.get(4)->Tag, QStringLiteral("382.1875"));
        QCOMPARE(state.labels.get(1)->Tag, QStringLiteral("2675.3125"));
        QCOMPARE(state.labels.highestIndex(), 6);
    }

    void ringsOnlyReportsALabelThatIsMissing()
    {
        SociogramState state;
        QVERIFY(!state.labels.load(1));
        state.RingsOnly = Global::True;
        ScriptedMessages messages;
        state.TargetDraw();
        QCOMPARE(messages.count(), 5);
        QVERIFY(messages.texts().first().startsWith(
            QStringLiteral("Unexpected Error In - DrawForm:TargetDraw, Error Number 340")));
        QCOMPARE(state.labels.get(1)->Tag, QStringLiteral("382.1875"));
    }

    void negativeCriterionOfABothStudyKeepsTheLastCounts()
    {
        SociogramState first;
        first.TargetDraw();
        Global::CriterionType = 3;
        Global::CurrentCriterion = 2;
        fillGrid(6, 2, {{"6"}, {"6"}});
        DataGrid().setRow(0);
        SociogramState second;
        second.TargetDraw();
        QCOMPARE(Global::MaxReceived, 3);
        QCOMPARE(Global::ChoicesReceived[6], 0);
        QCOMPARE(second.labels.get(1)->Tag, QStringLiteral("382.1875"));
        QCOMPARE(DataGrid().Row(), 0); // the grid was not read

        Global::CurrentCriterion = 1;
        SociogramState third;
        third.TargetDraw();
        QCOMPARE(Global::MaxReceived, 2);
        QCOMPARE(Global::ChoicesReceived[1], 0);
    }

    void atProgramStartEveryoneIsOnRingZero()
    {
        Global::CriterionType = 3;
        Global::CurrentCriterion = 2;
        SociogramState state;
        state.TargetDraw();
        QCOMPARE(Global::RingMembers[0], QStringLiteral("010203040506"));
        QCOMPARE(state.labels.get(6)->Tag, QStringLiteral("1528.75"));
    }

    void aCellThatIsNoNumberIsReported()
    {
        fillGrid(6, 2, {{"2", "x"}, {"1"}, {"2"}});
        ScriptedMessages messages;
        SociogramState state;
        state.TargetDraw();
        // Compared once for each of the six subjects.
        QCOMPARE(messages.count(), 6);
        QCOMPARE(messages.texts().first(),
                 QStringLiteral("Unexpected Error In - DrawForm:TargetDraw, Error Number 13, "
                                "Type mismatch"));
        QCOMPARE(Global::ChoicesReceived[2], 2);
        QCOMPARE(Global::ChoicesReceived[1], 1);
        QCOMPARE(state.labels.highestIndex(), 6);
    }

    void aSubjectNumberBeyondTheTableIsReported()
    {
        fillGrid(6, 2, {{"41"}, {"41"}, {"1"}});
        DataGrid().setTextMatrix(7, 0, QStringLiteral("41"));
        ScriptedMessages messages;
        SociogramState state;
        state.TargetDraw();
        QCOMPARE(messages.count(), 2);
        QVERIFY(messages.texts().first().contains(QStringLiteral("Error Number 9,")));
        QCOMPARE(Global::ChoicesReceived[1], 1);
        QCOMPARE(Global::ChoicesReceived[6], 0);
        QCOMPARE(state.labels.highestIndex(), 6);
    }

    void aDraggedLabelSnapsToItsRing()
    {
        Global::SociogramType = 3;
        SociogramState state;
        state.TargetDraw();
        state.beginDrag(5, 0, 0);
        state.dropOnBackground(6000, 6000);
        QVERIFY(std::fabs(distanceFromCentre(state, 5) - 2675.3125) < 0.01);
        const SubjectLabel* label = state.labels.get(5);
        QCOMPARE(double(Global::LabelPos[5][0]), std::nearbyint(label->Left));
        QVERIFY(label->Left > 3457.5 && label->Top > 3315);
    }
};

QTEST_GUILESS_MAIN(LayoutTargetTest)
#include "tst_layout_target.moc"
