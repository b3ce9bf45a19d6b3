// Saved arrangements: building the picture from the file or a layout, and storing it.
#include "choicegrid.h"
#include "errorreport.h"
#include "globals.h"
#include "scriptedmessages.h"
#include "sociogramstate.h"
#include "store.h"
#include "testdb.h"

#include <QtTest>
#include <memory>

namespace {

using Pos = std::array<Global::Integer, 2>;

void shapeGrid(int n)
{
    ChoiceGrid& grid = DataGrid();
    grid.setShape(0, 0);
    grid.setShape(n + 2, 3);
    for (int s = 1; s <= n; ++s)
        grid.setTextMatrix(s + 1, 0, QString::number(s));
}

} // namespace

class LayoutSavedTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    int lineDraws = 0;

    int addStudy(int groupSize)
    {
        return db->addStudy(QStringLiteral("Class"), groupSize, 2, QStringLiteral("Who?"), 1);
    }
    void addPosition(int record, int type, const QVariant& label, const QVariant& x,
                     const QVariant& y)
    {
        QVERIFY(db->exec(QStringLiteral("INSERT INTO POSITION (HEADER, SOCIOGRAM, LABEL, X, Y) "
                                        "VALUES (?, ?, ?, ?, ?)"),
                         {record, type, label, x, y}));
    }
    std::vector<QVariantList> stored(int record, int type)
    {
        return db->rows(QStringLiteral("SELECT LABEL, X, Y FROM POSITION WHERE HEADER = ? AND "
                                       "SOCIOGRAM = ? ORDER BY rowid"),
                        {record, type});
    }
    std::unique_ptr<SociogramState> window()
    {
        auto state = std::make_unique<SociogramState>();
        QObject::connect(state.get(), &SociogramState::drawingChanged, [this] { ++lineDraws; });
        return state;
    }
    // A stored study of six subjects opened from the project list.
    void openStudy(int type)
    {
        Global::CurrentRecord = addStudy(6);
        Global::SociogramType = Global::Integer(type);
        shapeGrid(6);
    }

private Q_SLOTS:
    void init()
    {
        resetProgram();
        db = std::make_unique<TestDatabase>();
        QVERIFY(db->isValid());
        lineDraws = 0;
    }
    void cleanup() { db.reset(); }

    void withoutArrangementTheLayoutRuns_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("circle") << 0;
        QTest::newRow("random") << 1;
        QTest::newRow("square") << 2;
        QTest::newRow("target") << 3;
    }
    void withoutArrangementTheLayoutRuns()
    {
        QFETCH(int, type);
        openStudy(type);
        addPosition(Global::CurrentRecord, (type + 1) % 4, 1, 500, 500);
        ScriptedMessages messages;
        auto state = window();
        std::vector<bool> pointer;
        QObject::connect(state.get(), &SociogramState::busyChanged,
                         [&](bool busy) { pointer.push_back(busy); });
        state->DoWork();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(state->labels.highestIndex(), 6);
        QCOMPARE(state->PositionsSaved, Global::True);
        QVERIFY(!state->viewDefaultEnabled);
        QVERIFY(!state->viewSavedEnabled);
        QCOMPARE(lineDraws, 1);
        QVERIFY(!pointer.empty() && pointer.front() && !pointer.back());
        QCOMPARE(state->RingsOnly, type == 3);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(double(Global::LabelPos[i][0]), std::nearbyint(state->labels.get(i)->Left));
    }

    void saveThenRestore_data()
    {
        QTest::addColumn<int>("type");
        QTest::newRow("circle") << 0;
        QTest::newRow("square") << 2;
        QTest::newRow("target") << 3;
    }
    void saveThenRestore()
    {
        QFETCH(int, type);
        openStudy(type);
        auto first = window();
        first->DoWork();
        first->beginDrag(2, 10, 10);
        first->dropOnBackground(1010, 6010);
        QCOMPARE(first->PositionsSaved, Global::False);
        const Global::LabelTable saved = Global::LabelPos;
        first->SavePositions();
        QCOMPARE(first->PositionsSaved, Global::True);
        const auto rows = stored(Global::CurrentRecord, type);
        QCOMPARE(int(rows.size()), 6);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(rows[i - 1], (QVariantList{i, saved[i][0], saved[i][1]}));

        Global::LabelPos = {};
        auto second = window();
        second->DoWork();
        QCOMPARE(Global::LabelPos, saved);
        QVERIFY(second->viewDefaultEnabled);
        QVERIFY(!second->viewSavedEnabled);
        QCOMPARE(second->PositionsSaved, Global::True);
        QCOMPARE(second->labels.get(2)->Left, float(saved[2][0]));
        QCOMPARE(second->labels.get(2)->Top, float(saved[2][1]));
        if (type == 3) {
            // Restored where it was saved, yet its tag names its ring.
            QCOMPARE(second->labels.get(2)->Tag, first->labels.get(2)->Tag);
        }
    }

    void savingReplacesOnlyThisStudyAndLayout()
    {
        openStudy(2);
        const int other = addStudy(6);
        addPosition(Global::CurrentRecord, 0, 1, 11, 12);
        addPosition(Global::CurrentRecord, 2, 1, 21, 22);
        addPosition(other, 2, 1, 31, 32);
        auto state = window();
        state->DoWork();
        state->SavePositions();
        state->SavePositions();
        QCOMPARE(int(stored(Global::CurrentRecord, 2).size()), 6);
        QCOMPARE(stored(Global::CurrentRecord, 0), (std::vector<QVariantList>{{1, 11, 12}}));
        QCOMPARE(stored(other, 2), (std::vector<QVariantList>{{1, 31, 32}}));
    }

    void savingWritesEverySubjectRowAsItStands()
    {
        openStudy(0);
        shapeGrid(8); // two more subjects in the grid than have labels
        Global::LabelPos[7] = {-5, 40};
        auto state = window();
        state->SavePositions();
        const auto rows = stored(Global::CurrentRecord, 0);
        QCOMPARE(int(rows.size()), 8);
        QCOMPARE(rows[6], (QVariantList{7, -5, 40}));
        QCOMPARE(rows[7], (QVariantList{8, 0, 0}));
    }

    void aStudyNeverStoredSavesNothing()
    {
        openStudy(0);
        addPosition(0, 0, 1, 5, 5); // left over under record 0
        Global::CurrentRecord = 0;
        auto state = window();
        state->SavePositions();
        QVERIFY(stored(0, 0).empty());
        QCOMPARE(state->PositionsSaved, Global::True);
    }

    void aFailedSaveKeepsTheOldArrangement()
    {
        openStudy(0);
        for (int i = 1; i <= 6; ++i)
            addPosition(Global::CurrentRecord, 0, i, 100 * i, 200 * i);
        auto state = window();
        state->DoWork();
        state->beginDrag(1, 0, 0);
        state->dropOnBackground(3000, 3000);
        const auto before = stored(Global::CurrentRecord, 0);

        QVERIFY(db->exec(QStringLiteral("BEGIN IMMEDIATE")));
        ScriptedMessages messages;
        messages.answer({Answer::Cancel});
        state->SavePositions();
        QVERIFY(db->exec(QStringLiteral("ROLLBACK")));

        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.shown().front().buttons, Buttons::RetryCancel);
        QVERIFY(messages.texts().first().startsWith(
            QStringLiteral("The Program Is Having Trouble Accessing The Database")));
        QCOMPARE(stored(Global::CurrentRecord, 0), before);
        // Not stored, so Quit must still ask.
        QCOMPARE(state->PositionsSaved, Global::False);

        // Once the lock is gone the same save goes through.
        state->SavePositions();
        QCOMPARE(state->PositionsSaved, Global::True);
        QCOMPARE(stored(Global::CurrentRecord, 0).front(), (QVariantList{1, 3000, 3000}));
    }

    void aSaveFailingHalfwayChangesNothing()
    {
        openStudy(0);
        addPosition(Global::CurrentRecord, 0, 3, 33, 34);
        // A grid of more subjects than labels cannot be written whole.
        shapeGrid(41);
        ScriptedMessages messages;
        auto state = window();
        state->SavePositions();
        QCOMPARE(messages.count(), 1);
        QCOMPARE(messages.texts().first(),
                 QStringLiteral("Unexpected Error In - DrawForm:SavePositions, Error Number 9, "
                                "Subscript out of range"));
        QCOMPARE(stored(Global::CurrentRecord, 0), (std::vector<QVariantList>{{3, 33, 34}}));
        QCOMPARE(state->PositionsSaved, Global::False);
    }

    void badRowsArePassedOver_data()
    {
        QTest::addColumn<QVariant>("label");
        QTest::addColumn<QVariant>("x");
        QTest::addColumn<QVariant>("y");
        QTest::addColumn<int>("error");
        QTest::newRow("label 41") << QVariant(41) << QVariant(1) << QVariant(1) << 9;
        QTest::newRow("label 0, the template") << QVariant(0) << QVariant(1) << QVariant(1) << 9;
        QTest::newRow("negative label") << QVariant(-3) << QVariant(1) << QVariant(1) << 9;
        QTest::newRow("X beyond 16 bits") << QVariant(2) << QVariant(40000) << QVariant(1) << 6;
        QTest::newRow("Y beyond 16 bits") << QVariant(2) << QVariant(1) << QVariant(-32769) << 6;
        QTest::newRow("empty Y") << QVariant(2) << QVariant(1) << QVariant() << 94;
        QTest::newRow("label as text")
            << QVariant(QStringLiteral("two")) << QVariant(1) << QVariant(1) << 13;
    }
    void badRowsArePassedOver()
    {
        QFETCH(QVariant, label);
        QFETCH(QVariant, x);
        QFETCH(QVariant, y);
        QFETCH(int, error);
        openStudy(1);
        addPosition(Global::CurrentRecord, 1, label, x, y);
        addPosition(Global::CurrentRecord, 1, 5, 700, 800);
        Global::LabelPos[2] = {7, 7};
        ScriptedMessages messages;
        auto state = window();
        state->DoWork();
        QCOMPARE(messages.count(), 1);
        QVERIFY2(messages.texts().first().startsWith(
                     QStringLiteral("Unexpected Error In - DrawForm:DoWork, Error Number %1,")
                         .arg(error)),
                 qPrintable(messages.texts().first()));
        QCOMPARE(state->labels.highestIndex(), 5);
        QVERIFY(!state->labels.exists(2));
        QCOMPARE(Global::LabelPos[5], (Pos{700, 800}));
        QCOMPARE(Global::LabelPos[2], (Pos{7, 7}));
        QCOMPARE(Global::LabelPos[0], (Pos{0, 0}));
    }

    void aLabelStoredTwiceTakesItsLastRowSilently()
    {
        openStudy(0);
        addPosition(Global::CurrentRecord, 0, 4, 100, 100);
        addPosition(Global::CurrentRecord, 0, 4, 900, 950);
        ScriptedMessages messages;
        auto state = window();
        state->DoWork();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(state->labels.get(4)->Left, 900.0f);
        QCOMPARE(Global::LabelPos[4], (Pos{900, 950}));
        QVERIFY(!state->labels.exists(1)); // only stored labels appear
    }

    void viewCommands()
    {
        openStudy(3);
        for (int i = 1; i <= 6; ++i)
            addPosition(Global::CurrentRecord, 3, i, 400 * i, 300);
        auto state = window();
        state->DoWork();
        QCOMPARE(state->RingsOnly, true);
        state->beginDrag(1, 0, 0);
        state->dropOnBackground(10, 10);
        lineDraws = 0;

        state->DefaultDistribution();
        QCOMPARE(state->PositionsSaved, Global::False); // left alone
        QVERIFY(!state->viewDefaultEnabled);
        QVERIFY(state->viewSavedEnabled);
        QCOMPARE(state->RingsOnly, false);
        QCOMPARE(state->labels.highestIndex(), 6);
        QVERIFY(Global::LabelPos[1] != (Pos{400, 300}));
        QCOMPARE(lineDraws, 1);

        state->SavedDistribution();
        QVERIFY(state->viewDefaultEnabled);
        QVERIFY(!state->viewSavedEnabled);
        QCOMPARE(state->PositionsSaved, Global::True);
        QCOMPARE(Global::LabelPos[1], (Pos{400, 300}));
        QCOMPARE(state->labels.get(6)->Left, 2400.0f);
    }

    void savedDistributionAfterTheRowsWentComputesWholeLabels()
    {
        openStudy(3);
        addPosition(Global::CurrentRecord, 3, 1, 10, 10);
        auto state = window();
        state->DoWork();
        db->exec(QStringLiteral("DELETE FROM POSITION"));
        state->SavedDistribution();
        QCOMPARE(state->labels.highestIndex(), 6);
        for (int i = 1; i <= 6; ++i)
            QVERIFY(state->labels.exists(i));
    }

    void groupSizeComesFromTheStoredHeader()
    {
        Global::CurrentRecord = addStudy(9);
        Global::SociogramType = 2;
        auto state = window();
        state->DoWork();
        QCOMPARE(state->labels.highestIndex(), 9);
    }

    void aHeaderThatIsNotStoredIsReported()
    {
        Global::CurrentRecord = 77;
        ScriptedMessages messages;
        SociogramState state;
        state.SquareDraw();
        QCOMPARE(messages.texts(),
                 QStringList{QStringLiteral("Unexpected Error In - DrawForm:SquareDraw, Error "
                                            "Number 3021, No current record.")});
        QCOMPARE(state.labels.highestIndex(), 0);
    }
};

QTEST_GUILESS_MAIN(LayoutSavedTest)
#include "tst_layout_saved.moc"
