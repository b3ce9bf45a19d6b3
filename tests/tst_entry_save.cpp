// Saving the grid and the data window's commands: what is written, when the user is
// asked, and what each answer does.
#include "datastate.h"
#include "errorreport.h"
#include "globals.h"
#include "scriptedmessages.h"
#include "store.h"
#include "testdb.h"

#include <QtTest>
#include <memory>

namespace {

const QString Saved = QStringLiteral("Changes Saved As Requested");
const QString QuitQuestion = QStringLiteral("Save Changes?");
const QString SwitchQuestion = QStringLiteral("Save Changes");
const QString PlotQuestion = QStringLiteral("You Must First Save Changes: Save Now?");

} // namespace

class EntrySaveTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    ChoiceGrid grid;

    int addStudy(int criterionType)
    {
        return db->addStudy(QStringLiteral("Stored"), 12, 3, QStringLiteral("Who?"), criterionType);
    }
    void addAnswer(int record, int type, int individual, int choice, double answer)
    {
        QVERIFY(db->addAnswer(record, type, individual, choice, answer));
    }
    // Stored answers of a study as "type:individual:choice=answer", in a fixed order.
    QStringList answers(int record)
    {
        QStringList out;
        for (const QVariantList& r :
             db->rows(QStringLiteral("SELECT ANSWERTYPE, INDIVIDUAL, CHOICE, ANSWER FROM SOCIDATA "
                                     "WHERE HEADER = ? ORDER BY ANSWERTYPE, INDIVIDUAL, CHOICE"),
                      {record}))
            out << QStringLiteral("%1:%2:%3=%4")
                       .arg(r[0].toInt())
                       .arg(r[1].toInt())
                       .arg(r[2].toInt())
                       .arg(r[3].toDouble());
        return out;
    }
    std::unique_ptr<DataState> openStored(int record)
    {
        Global::CurrentRecord = record;
        auto state = std::make_unique<DataState>(grid);
        state->FormLayout();
        return state;
    }
    std::unique_ptr<DataState> openNew(int criterionType)
    {
        Global::NewProject = Global::True;
        Global::CurrentRecord = 0;
        Global::RefName = QStringLiteral("Year 7");
        Global::Question = QStringLiteral("Who would you work with?");
        Global::GroupSize = 12;
        Global::MaxChoices = 3;
        Global::CriterionType = criterionType;
        auto state = std::make_unique<DataState>(grid);
        state->FormLayout();
        return state;
    }
    void key(int subject, int slot, const QString& text)
    {
        grid.setTextMatrix(subject + 1, slot, text);
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

    void firstSaveGivesTheStudyItsRecord()
    {
        addStudy(1); // record 1 belongs to another study
        auto state = openNew(1);
        key(1, 1, QStringLiteral("7"));
        key(12, 3, QStringLiteral("1"));
        ScriptedMessages messages;
        state->Save_Click();
        QCOMPARE(messages.texts(), QStringList{Saved});
        QCOMPARE(messages.shown()[0].icon, Icon::Information);
        QCOMPARE(messages.shown()[0].title, QStringLiteral("Help"));
        QCOMPARE(Global::CurrentRecord, 2);
        const auto header =
            db->rows(QStringLiteral("SELECT NAME, GROUPSIZE, CHOICES, QUESTION, "
                                    "CRITERIONTYPE FROM SOCIOMETRY WHERE RECORD = 2"));
        QCOMPARE(int(header.size()), 1);
        QCOMPARE(header[0], (QVariantList{"Year 7", 12, 3, "Who would you work with?", 1}));
        // Subject 1 is stored as the grid row 2.
        QCOMPARE(answers(2), (QStringList{"1:2:1=7", "1:13:3=1"}));
        // A second save rewrites the same row.
        key(1, 1, QString());
        state->Save_Click();
        QCOMPARE(Global::CurrentRecord, 2);
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM SOCIOMETRY")).toInt(), 2);
        QCOMPARE(answers(2), QStringList{"1:13:3=1"});
    }

    void onlyNumbersAboveZeroAreStored()
    {
        auto state = openNew(1);
        key(1, 1, QStringLiteral("0"));
        key(1, 2, QStringLiteral("-1"));
        key(1, 3, QStringLiteral("x"));
        key(2, 1, QStringLiteral("2.5"));
        key(2, 2, QStringLiteral("45")); // above the group size: stored as typed
        key(2, 3, QStringLiteral("2"));  // the subject's own number
        key(3, 1, QStringLiteral("3x"));
        ScriptedMessages messages;
        QVERIFY(state->SaveChanges(1));
        QCOMPARE(answers(Global::CurrentRecord),
                 (QStringList{"1:3:1=2.5", "1:3:2=45", "1:3:3=2", "1:4:1=3"}));
        QCOMPARE(messages.count(), 0);
    }

    void singleCriterionStudyReplacesAllAnswers()
    {
        const int record = addStudy(1);
        addAnswer(record, 1, 2, 1, 5);
        addAnswer(record, 2, 3, 1, 6); // of the other type: goes as well
        const int other = addStudy(1);
        addAnswer(other, 1, 2, 1, 9);
        auto state = openStored(record);
        QCOMPARE(grid.TextMatrix(2, 1), QStringLiteral("5"));
        key(4, 2, QStringLiteral("8"));
        QVERIFY(state->SaveChanges(state->answerTypeInView()));
        QCOMPARE(answers(record), (QStringList{"1:2:1=5", "1:5:2=8"}));
        QCOMPARE(answers(other), QStringList{"1:2:1=9"});
    }

    void bothStudyReplacesOnlyTheCriterionInView()
    {
        const int record = addStudy(3);
        addAnswer(record, 1, 2, 1, 4);
        addAnswer(record, 2, 5, 3, 6);
        auto state = openStored(record);
        QCOMPARE(state->answerTypeInView(), 1);
        key(2, 2, QStringLiteral("9"));
        state->GridChanged = true;
        ScriptedMessages messages;
        messages.answer({Answer::Yes});
        state->Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(messages.texts(), QStringList{SwitchQuestion});
        QCOMPARE(messages.shown()[0].buttons, Buttons::YesNoCancel);
        QCOMPARE(messages.shown()[0].icon, Icon::Question);
        // Saved as positive, then the grid shows the stored negative answers.
        QCOMPARE(answers(record), (QStringList{"1:2:1=4", "1:3:2=9", "2:5:3=6"}));
        QCOMPARE(Global::CurrentCriterion, 2);
        QCOMPARE(state->answerTypeInView(), 2);
        QCOMPARE(grid.TextMatrix(3, 2), QString());
        QCOMPARE(grid.TextMatrix(5, 3), QStringLiteral("6"));
        QVERIFY(!state->GridChanged);
        QVERIFY(state->critEnabled[0]);
        QVERIFY(!state->critEnabled[1]);
        QCOMPARE(state->criterionLine, QStringLiteral("Negative Criterion: Who?"));
        // Saving the negative grid leaves the positive answers alone.
        key(4, 3, QString());
        key(6, 1, QStringLiteral("2"));
        QVERIFY(state->SaveChanges(state->answerTypeInView()));
        QCOMPARE(answers(record), (QStringList{"1:2:1=4", "1:3:2=9", "2:7:1=2"}));
    }

    void switchWithoutSaving_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("criterion");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("flag");
        QTest::newRow("No drops the typed choices") << int(Answer::No) << 2 << "" << 0;
        QTest::newRow("Cancel keeps grid and flag") << int(Answer::Cancel) << 1 << "9" << -1;
    }
    void switchWithoutSaving()
    {
        QFETCH(int, answer);
        QFETCH(int, criterion);
        QFETCH(QString, cell);
        QFETCH(int, flag);
        const int record = addStudy(3);
        addAnswer(record, 1, 2, 1, 4);
        auto state = openStored(record);
        key(2, 2, QStringLiteral("9"));
        state->GridChanged = true;
        ScriptedMessages messages;
        messages.answer({Answer(answer)});
        state->Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(messages.texts(), QStringList{SwitchQuestion});
        QCOMPARE(Global::CurrentCriterion, criterion);
        QCOMPARE(grid.TextMatrix(3, 2), cell);
        QCOMPARE(state->GridChanged, flag != 0);
        QCOMPARE(answers(record), QStringList{"1:2:1=4"});
    }

    void switchWithoutChangesAsksNothing()
    {
        const int record = addStudy(3);
        addAnswer(record, 2, 2, 1, 4);
        auto state = openStored(record);
        ScriptedMessages messages;
        state->Crit_Click(DataState::CriterionItem::Negative);
        state->Crit_Click(DataState::CriterionItem::Positive);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(Global::CurrentCriterion, 1);
        QVERIFY(!state->critEnabled[0]);
        QVERIFY(state->critEnabled[1]);
    }

    void quitAsksOnlyAfterAGridClick()
    {
        auto state = openNew(1);
        ScriptedMessages messages;
        // Clearing the grid is not a click: Quit asks nothing.
        state->Clear_Click();
        QVERIFY(state->Quit_Click());
        QCOMPARE(messages.count(), 0);
        // A click that opened an entry (even one then cancelled) makes Quit ask.
        grid.setRow(3);
        grid.setCol(1);
        QVERIFY(state->gridClicked());
        messages.answer({Answer::Cancel});
        QVERIFY(!state->Quit_Click());
        QCOMPARE(messages.texts(), QStringList{QuitQuestion});
        QCOMPARE(messages.shown()[0].buttons, Buttons::YesNoCancel);
        QCOMPARE(messages.shown()[0].icon, Icon::Question);
        messages.answer({Answer::No});
        QVERIFY(state->Quit_Click());
        QCOMPARE(Global::CurrentRecord, 0);
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM SOCIOMETRY")).toInt(), 0);
    }

    void saveLeavesTheFlagSoQuitStillAsks()
    {
        auto state = openNew(1);
        grid.setRow(2);
        grid.setCol(1);
        state->gridClicked();
        key(1, 1, QStringLiteral("3"));
        ScriptedMessages messages;
        state->Save_Click();
        QVERIFY(state->GridChanged);
        int eventRuns = 0;
        QObject::connect(state.get(), &DataState::savedOnRequest, [&] { ++eventRuns; });
        messages.answer({Answer::Yes});
        QVERIFY(state->Quit_Click());
        QCOMPARE(messages.texts(), (QStringList{Saved, QuitQuestion}));
        QCOMPARE(eventRuns, 1);
        QCOMPARE(answers(Global::CurrentRecord), QStringList{"1:2:1=3"});
    }

    void clickOnTheHeaderRowDoesNothing()
    {
        auto state = openNew(1);
        grid.setRow(0);
        QVERIFY(!state->gridClicked());
        QVERIFY(!state->GridChanged);
    }

    void plotAsksForANeverSavedStudy()
    {
        auto state = openNew(1);
        ScriptedMessages messages;
        messages.answer({Answer::No});
        state->Plot_Click();
        QCOMPARE(messages.texts(), QStringList{PlotQuestion});
        QCOMPARE(messages.shown()[0].buttons, Buttons::YesNo);
        QCOMPARE(Global::CurrentRecord, 0);
        QVERIFY(!state->GridChanged);
        messages.answer({Answer::Yes});
        state->Plot_Click();
        QVERIFY(Global::CurrentRecord > 0);
        // Saved and unchanged: nothing to ask.
        state->Plot_Click();
        QCOMPARE(messages.count(), 2);
    }

    void analysisOffersToSaveButKeepsTheChangesMarked()
    {
        auto state = openNew(1);
        key(1, 1, QStringLiteral("4"));
        grid.setRow(2);
        state->gridClicked();
        ScriptedMessages messages;
        messages.answer({Answer::No});
        state->offerSaveBeforeAnalysis();
        QCOMPARE(messages.texts(), QStringList{PlotQuestion});
        QVERIFY(state->GridChanged);
        messages.answer({Answer::Cancel});
        QVERIFY(!state->Quit_Click()); // still asked: nothing was saved
        messages.answer({Answer::Yes});
        state->offerSaveBeforeAnalysis();
        QVERIFY(Global::CurrentRecord > 0);
        QCOMPARE(answers(Global::CurrentRecord), QStringList{"1:2:1=4"});
    }

    void plotAsksAfterAChangeAndClearsTheFlag()
    {
        auto state = openStored(addStudy(1));
        ScriptedMessages messages;
        state->Plot_Click();
        QCOMPARE(messages.count(), 0);
        grid.setRow(2);
        state->gridClicked();
        messages.answer({Answer::No});
        state->Plot_Click();
        QCOMPARE(messages.texts(), QStringList{PlotQuestion});
        QVERIFY(!state->GridChanged);
    }

    // Another program holds the file while the save runs: the save is abandoned as a
    // whole, the user hears that it was not saved, and nothing is reported as saved.
    void saveThatCannotCommitKeepsFileAndGrid()
    {
        const int record = addStudy(1);
        addAnswer(record, 1, 2, 1, 5);
        auto state = openStored(record);
        key(1, 1, QStringLiteral("6"));
        key(2, 1, QStringLiteral("7"));
        const QByteArray before = db->bytes();
        // A reader in the middle of a read keeps the writer from committing.
        QVERIFY(db->exec(QStringLiteral("BEGIN")));
        QVERIFY(!db->rows(QStringLiteral("SELECT * FROM SOCIDATA")).empty());
        ScriptedMessages messages;
        state->Save_Click();
        QVERIFY(db->exec(QStringLiteral("COMMIT")));
        const QStringList texts = messages.texts();
        QVERIFY(!texts.contains(Saved));
        QVERIFY2(texts.last().startsWith(QStringLiteral("The changes could not be saved")),
                 qPrintable(texts.join(u'|')));
        QCOMPARE(messages.shown().back().icon, Icon::Exclamation);
        QCOMPARE(answers(record), QStringList{"1:2:1=5"});
        QCOMPARE(db->bytes(), before);
        QCOMPARE(grid.TextMatrix(2, 1), QStringLiteral("6"));
        QCOMPARE(grid.TextMatrix(3, 1), QStringLiteral("7"));
        // Once the other program lets go, the same grid saves.
        messages.clear();
        state->Save_Click();
        QCOMPARE(messages.texts(), QStringList{Saved});
        QCOMPARE(answers(record), (QStringList{"1:2:1=6", "1:3:1=7"}));
    }

    void failedSaveStopsQuitAndSwitch()
    {
        const int record = addStudy(3);
        auto state = openStored(record);
        key(1, 1, QStringLiteral("6"));
        state->GridChanged = true;
        // A trigger stands for any failure of a step in the middle of the save.
        QVERIFY(db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON SOCIDATA "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        ScriptedMessages messages;
        messages.answer({Answer::Yes});
        QVERIFY(!state->Quit_Click());
        QVERIFY(state->GridChanged);
        messages.answer({Answer::Yes});
        state->Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(Global::CurrentCriterion, 1);
        QCOMPARE(grid.TextMatrix(2, 1), QStringLiteral("6"));
        QVERIFY(!state->critEnabled[0]);
        messages.answer({Answer::Yes});
        state->Plot_Click();
        QVERIFY(state->GridChanged);
        QCOMPARE(Global::CurrentRecord, record);
        QVERIFY(messages.texts().filter(QStringLiteral("DataForm:SaveChanges")).size() >= 3);
    }

    // The disk fills in the middle of writing the answers: the save is rolled back,
    // the user is told, and the grid keeps what was typed.
    void diskFullDuringASave()
    {
        const int record = addStudy(1);
        addAnswer(record, 1, 2, 1, 5);
        Global::GroupSize = 40;
        Global::MaxChoices = 10;
        auto state = std::make_unique<DataState>(grid);
        Global::CurrentRecord = record;
        state->SetGrid();
        for (int r = 2; r < grid.Rows(); ++r)
            for (int c = 1; c < grid.Cols(); ++c)
                grid.setTextMatrix(r, c, QString::number(1 + (r + c) % 40));
        const int pages = db->scalar(QStringLiteral("PRAGMA page_count")).toInt();
        const QByteArray before = db->bytes();
        Store::setPageLimit(pages);
        ScriptedMessages messages;
        const bool saved = state->SaveChanges(1);
        Store::setPageLimit(0);
        QVERIFY(!saved);
        QVERIFY2(messages.texts()
                         .filter(QStringLiteral("DataForm:SaveChanges, Error Number 3026"))
                         .size() == 1,
                 qPrintable(messages.texts().join(u'|')));
        QVERIFY(
            messages.texts().last().startsWith(QStringLiteral("The changes could not be saved")));
        QCOMPARE(db->bytes(), before);
        QCOMPARE(answers(record), QStringList{"1:2:1=5"});
        QCOMPARE(grid.TextMatrix(41, 10), QString::number(1 + 51 % 40));
        // With room again the same grid goes in whole.
        QVERIFY(state->SaveChanges(1));
        QCOMPARE(answers(record).size(), 400);
    }

    // Another program holds the file for longer than the quiet retries: the user is
    // asked, and Retry once the other program let go completes the save.
    void lockedFileRetriedByTheUser()
    {
        const int record = addStudy(1);
        auto state = openStored(record);
        key(1, 1, QStringLiteral("6"));
        QVERIFY(db->exec(QStringLiteral("BEGIN EXCLUSIVE")));
        ScriptedMessages messages;
        bool released = false;
        setMessageHandler([&](const Message& m) {
            if (m.buttons == Buttons::RetryCancel && !released) {
                released = db->exec(QStringLiteral("COMMIT"));
                return Answer::Retry;
            }
            return Answer::Ok;
        });
        state->Save_Click();
        QVERIFY(released);
        QCOMPARE(answers(record), QStringList{"1:2:1=6"});
    }

    void newStudyThatFailsToSaveKeepsRecordZero()
    {
        auto state = openNew(1);
        key(1, 1, QStringLiteral("6"));
        QVERIFY(db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON SOCIDATA "
                                        "BEGIN SELECT RAISE(ABORT, 'refused'); END")));
        ScriptedMessages messages;
        QVERIFY(!state->SaveChanges(1));
        QCOMPARE(Global::CurrentRecord, 0);
        QCOMPARE(db->scalar(QStringLiteral("SELECT count(*) FROM SOCIOMETRY")).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(EntrySaveTest)
#include "tst_entry_save.moc"
