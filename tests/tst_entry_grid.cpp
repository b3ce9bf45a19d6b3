// The data window's grid: its shape for a study, and the stored answers it shows.
#include "datastate.h"
#include "errorreport.h"
#include "globals.h"
#include "gridmodel.h"
#include "scriptedmessages.h"
#include "store.h"
#include "testdb.h"

#include <QAbstractItemModelTester>
#include <QtTest>
#include <memory>

class EntryGridTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    ChoiceGrid grid;

    int addStudy(int groupSize, int choices, int criterionType, const QString& name = "Class 4B")
    {
        return db->addStudy(name, groupSize, choices, QStringLiteral("Who would you sit with?"),
                            criterionType);
    }
    void addAnswer(int record, int type, QVariant individual, QVariant choice, QVariant answer)
    {
        QVERIFY(db->addAnswer(record, type, individual, choice, answer));
    }
    // The grid's choice cells, row by row, empty cells as ".".
    QStringList choiceCells() const
    {
        QStringList out;
        for (int r = 2; r < grid.Rows(); ++r) {
            QStringList row;
            for (int c = 1; c < grid.Cols(); ++c) {
                const QString t = grid.TextMatrix(r, c);
                row << (t.isEmpty() ? QStringLiteral(".") : t);
            }
            out << row.join(u' ');
        }
        return out;
    }
    void newStudy(int groupSize, int choices, int criterionType)
    {
        Global::NewProject = Global::True;
        Global::CurrentRecord = 0;
        Global::RefName = QStringLiteral("New class");
        Global::Question = QStringLiteral("Who?");
        Global::GroupSize = groupSize;
        Global::MaxChoices = choices;
        Global::CriterionType = criterionType;
    }

private Q_SLOTS:
    void init()
    {
        resetProgram();
        grid.setShape(0, 0);
        db = std::make_unique<TestDatabase>();
        QVERIFY(db->isValid());
    }
    void cleanup() { db.reset(); }

    void shapeAndWidths_data()
    {
        QTest::addColumn<int>("groupSize");
        QTest::addColumn<int>("choices");
        QTest::addColumn<int>("width");
        QTest::newRow("6 x 1: 3577.5 to the even 3578") << 6 << 1 << 3578;
        QTest::newRow("12 x 3: 1773.75") << 12 << 3 << 1774;
        QTest::newRow("12 x 5: 1172.5 to the even 1172") << 12 << 5 << 1172;
        QTest::newRow("40 x 10: 625.9") << 40 << 10 << 626;
    }
    void shapeAndWidths()
    {
        QFETCH(int, groupSize);
        QFETCH(int, choices);
        QFETCH(int, width);
        newStudy(groupSize, choices, 1);
        DataState state(grid);
        state.SetGrid();
        QCOMPARE(grid.Rows(), groupSize + 2);
        QCOMPARE(grid.Cols(), choices + 1);
        for (int c = 0; c < grid.Cols(); ++c) {
            QCOMPARE(grid.ColWidth(c), width);
            QCOMPARE(grid.ColAlignment(c), 1);
            QCOMPARE(grid.FixedAlignment(c), 1);
        }
        QCOMPARE(grid.TextMatrix(0, 0), QStringLiteral("Subject"));
        QCOMPARE(grid.TextMatrix(1, 0), QStringLiteral("Number"));
        for (int c = 1; c <= choices; ++c) {
            QCOMPARE(grid.TextMatrix(0, c), QStringLiteral("Choice"));
            QCOMPARE(grid.TextMatrix(1, c), QString::number(c));
        }
        for (int s = 1; s <= groupSize; ++s)
            QCOMPARE(grid.TextMatrix(s + 1, 0), QString::number(s));
        QVERIFY(choiceCells().join(u' ').remove(u'.').remove(u' ').isEmpty());
    }

    void modelFollowsTheGrid()
    {
        newStudy(8, 3, 1);
        DataState state(grid);
        GridModel model(grid);
        QAbstractItemModelTester tester(&model,
                                        QAbstractItemModelTester::FailureReportingMode::QtTest);
        state.SetGrid();
        QCOMPARE(model.rowCount(), 8);
        QCOMPARE(model.columnCount(), 3);
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Choice\n1"));
        QCOMPARE(model.headerData(7, Qt::Vertical, Qt::DisplayRole).toString(),
                 QStringLiteral("8"));
        QCOMPARE(model.cornerText(), QStringLiteral("Subject\nNumber"));
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
        grid.setTextMatrix(3, 2, QStringLiteral("5"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.data(model.index(1, 1)).toString(), QStringLiteral("5"));
        newStudy(6, 1, 1);
        state.SetGrid();
        QCOMPARE(model.rowCount(), 6);
        QCOMPARE(model.columnCount(), 1);
    }

    void opensOnTheCriterionOfItsType_data()
    {
        QTest::addColumn<int>("criterionType");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("firstRow");
        QTest::addColumn<bool>("negativeItem");
        QTest::newRow("positive") << 1 << "Positive Criterion: " << 1 << "4 2.5 ." << false;
        QTest::newRow("negative") << 2 << "Negative Criterion: " << 2 << ". . 6" << false;
        QTest::newRow("both") << 3 << "Positive Criterion: " << 1 << "4 2.5 ." << true;
    }
    void opensOnTheCriterionOfItsType()
    {
        QFETCH(int, criterionType);
        QFETCH(QString, line);
        QFETCH(int, current);
        QFETCH(QString, firstRow);
        QFETCH(bool, negativeItem);
        const int record = addStudy(12, 3, criterionType);
        addAnswer(record, 1, 2, 1, 4);
        addAnswer(record, 1, 2, 2, 2.5);
        addAnswer(record, 2, 2, 3, 6);
        addAnswer(record + 1, 1, 3, 1, 9); // another study's answer
        Global::CurrentRecord = record;
        ScriptedMessages messages;
        DataState state(grid);
        state.FormLayout();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(Global::RefName, QStringLiteral("Class 4B"));
        QCOMPARE(Global::GroupSize, 12);
        QCOMPARE(state.title, QStringLiteral("Class 4B"));
        QCOMPARE(state.criterionLine, line + QStringLiteral("Who would you sit with?"));
        QCOMPARE(Global::CurrentCriterion, current);
        QVERIFY(!state.critEnabled[0]);
        QCOMPARE(state.critEnabled[1], negativeItem);
        const QStringList cells = choiceCells();
        QCOMPARE(cells.size(), 12);
        QCOMPARE(cells[0], firstRow);
        QCOMPARE(cells[1], QStringLiteral(". . ."));
    }

    void newStudyOpensEmptyWithTheTypedHeader()
    {
        addStudy(6, 1, 1); // record 1 exists, but a new study looks for record 0
        newStudy(9, 2, 2);
        DataState state(grid);
        state.FormLayout();
        QCOMPARE(grid.Rows(), 11);
        QCOMPARE(grid.Cols(), 3);
        QCOMPARE(Global::RefName, QStringLiteral("New class"));
        QCOMPARE(state.criterionLine, QStringLiteral("Negative Criterion: Who?"));
        QCOMPARE(choiceCells().join(u' ').count(u'.'), 18);
    }

    void bothStudyWithOnlyNegativeAnswersOpensEmpty()
    {
        const int record = addStudy(6, 2, 3);
        addAnswer(record, 2, 4, 1, 5);
        Global::CurrentRecord = record;
        DataState state(grid);
        state.FormLayout();
        QCOMPARE(choiceCells().join(u' ').count(u'.'), 12);
        state.Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(grid.TextMatrix(4, 1), QStringLiteral("5"));
        QCOMPARE(state.criterionLine,
                 QStringLiteral("Negative Criterion: Who would you sit with?"));
    }

    // A damaged row is reported under the procedure's label and passed over; the
    // rows after it still appear.
    void badStoredRowsAreReportedAndPassedOver_data()
    {
        QTest::addColumn<QVariant>("individual");
        QTest::addColumn<QVariant>("choice");
        QTest::addColumn<QVariant>("answer");
        QTest::addColumn<QString>("number");
        QTest::newRow("row below the grid") << QVariant(20) << QVariant(1) << QVariant(3) << "9";
        QTest::newRow("column beyond the grid") << QVariant(3) << QVariant(4) << QVariant(3) << "9";
        QTest::newRow("a header row") << QVariant(1) << QVariant(1) << QVariant(3) << "9";
        QTest::newRow("the subject column") << QVariant(3) << QVariant(0) << QVariant(3) << "9";
        QTest::newRow("empty answer") << QVariant(3) << QVariant(1) << QVariant() << "94";
        QTest::newRow("text answer") << QVariant(3) << QVariant(1) << QVariant("x") << "13";
    }
    void badStoredRowsAreReportedAndPassedOver()
    {
        QFETCH(QVariant, individual);
        QFETCH(QVariant, choice);
        QFETCH(QVariant, answer);
        QFETCH(QString, number);
        const int record = addStudy(6, 3, 1);
        addAnswer(record, 1, individual, choice, answer);
        addAnswer(record, 1, 7, 3, 2);
        Global::CurrentRecord = record;
        ScriptedMessages messages;
        DataState state(grid);
        state.FormLayout();
        QCOMPARE(messages.count(), 1);
        QVERIFY2(
            messages.texts()[0].startsWith(
                QStringLiteral("Unexpected Error In - DataForm:LoadData, Error Number ") + number),
            qPrintable(messages.texts()[0]));
        QCOMPARE(grid.TextMatrix(7, 3), QStringLiteral("2"));
        QCOMPARE(grid.TextMatrix(0, 0), QStringLiteral("Subject"));
        QCOMPARE(grid.TextMatrix(1, 1), QStringLiteral("1"));
        QCOMPARE(grid.TextMatrix(3, 0), QStringLiteral("2"));
    }

    void headerWithImpossibleSizesIsRefused()
    {
        const int record = addStudy(500, 3, 1, QStringLiteral("Damaged"));
        Global::CurrentRecord = record;
        Global::GroupSize = 10;
        Global::MaxChoices = 2;
        ScriptedMessages messages;
        DataState state(grid);
        state.FormLayout();
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.texts()[0].contains(QStringLiteral("DataForm:LoadGrid")));
        QVERIFY(messages.texts()[0].contains(QStringLiteral("group size in the file (500)")));
        QCOMPARE(Global::GroupSize, 10);
        QCOMPARE(grid.Rows(), 12);
        QCOMPARE(grid.Cols(), 4); // the number of choices was fine
        // Sizes that are not the study's are never written over it.
        const QByteArray before = db->bytes();
        messages.clear();
        QVERIFY(!state.SaveChanges(1));
        QCOMPARE(messages.count(), 1);
        QVERIFY(messages.texts()[0].startsWith(
            QStringLiteral("This study's details could not be read")));
        QCOMPARE(db->bytes(), before);
    }

    void missingDatabaseIsReported()
    {
        QVERIFY(QFile::remove(db->path()));
        newStudy(6, 1, 1);
        Global::CurrentRecord = 3;
        ScriptedMessages messages;
        DataState state(grid);
        std::vector<bool> pointer;
        QObject::connect(&state, &DataState::busyChanged,
                         [&](bool busy) { pointer.push_back(busy); });
        state.FormLayout();
        QVERIFY(messages.count() >= 2);
        QVERIFY(messages.texts()[0].contains(QStringLiteral("DataForm:LoadGrid")));
        QVERIFY(messages.texts().last().contains(QStringLiteral("DataForm:LoadData")));
        QVERIFY(!QFile::exists(db->path()));
        QCOMPARE(grid.Rows(), 8); // laid out from the globals all the same
        QCOMPARE(std::count(pointer.begin(), pointer.end(), true),
                 std::count(pointer.begin(), pointer.end(), false));
    }

    void clearGridKeepsHeadersAndFlag()
    {
        newStudy(6, 2, 1);
        DataState state(grid);
        state.SetGrid();
        grid.setTextMatrix(2, 1, QStringLiteral("3"));
        grid.setTextMatrix(7, 2, QStringLiteral("x"));
        state.GridChanged = true;
        state.Clear_Click();
        QCOMPARE(choiceCells().join(u' ').count(u'.'), 12);
        QCOMPARE(grid.TextMatrix(7, 0), QStringLiteral("6"));
        QCOMPARE(grid.TextMatrix(1, 2), QStringLiteral("2"));
        QVERIFY(state.GridChanged);
    }
};

QTEST_GUILESS_MAIN(EntryGridTest)
#include "tst_entry_grid.moc"
