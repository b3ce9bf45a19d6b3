// Choice entry: the check of a typed choice, what the data window's grid loads and
// stores, and the questions its commands ask.
#include "datastate.h"
#include "entrycheck.h"
#include "exampleclass.h"
#include "globals.h"
#include "gridfill.h"
#include "kioskanswer.h"
#include "scriptedmessages.h"
#include "testdb.h"

#include <QtTest>
#include <memory>

namespace {

const QString Saved = QStringLiteral("Changes Saved As Requested");
const QString QuitQuestion = QStringLiteral("Save Changes?");
const QString PlotQuestion = QStringLiteral("You Must First Save Changes: Save Now?");

} // namespace

class EntryTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    ChoiceGrid& grid = DataGrid();

    int addStudy(int criterionType, int groupSize = 12, int choices = 3)
    {
        return db->addStudy("Stored", groupSize, choices, "Who?", criterionType);
    }
    void addAnswer(int record, int type, QVariant individual, QVariant choice, QVariant answer)
    {
        QVERIFY(db->addAnswer(record, type, individual, choice, answer));
    }
    std::unique_ptr<DataState> open(int record)
    {
        Global::CurrentRecord = record;
        auto state = std::make_unique<DataState>(grid);
        state->FormLayout();
        return state;
    }
    std::unique_ptr<DataState> openNew(int criterionType)
    {
        openStudy(*db, 12, 3, criterionType, false);
        return open(0);
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

    void kioskProblems_data()
    {
        // Subject 2 of 6 with 2 choices answers: positive, negative, the sentence.
        QTest::addColumn<QList<int>>("positive");
        QTest::addColumn<QList<int>>("negative");
        QTest::addColumn<QString>("problem");
        QTest::newRow("nobody is an answer") << QList<int>{1, 3} << QList<int>{} << QString();
        QTest::newRow("themselves") << QList<int>{2} << QList<int>{}
                                    << u"A pupil cannot "
                                       "choose themselves."_qs;
        QTest::newRow("too many") << QList<int>{} << QList<int>{1, 3, 4}
                                  << u"More classmates are chosen than the study allows (2)."_qs;
        QTest::newRow("twice") << QList<int>{3, 3} << QList<int>{} << u"3 is chosen twice."_qs;
        QTest::newRow("outside") << QList<int>{7} << QList<int>{}
                                 << u"7 is not a subject number from 1 to 6."_qs;
    }
    void kioskProblems()
    {
        QFETCH(QList<int>, positive);
        QFETCH(QList<int>, negative);
        const KioskAnswer answer{
            2, {positive.begin(), positive.end()}, {negative.begin(), negative.end()}};
        QTEST(kioskProblem(answer, 6, 2), "problem");
    }
    // An answer replaces the pupil's own stored rows only, all at once or not at all.
    void kioskAnswerStoredInOneTransaction()
    {
        auto state = open(addStudy(3, 6, 2));
        addAnswer(Global::CurrentRecord, 2, 3, 1, 4);
        addAnswer(Global::CurrentRecord, 1, 4, 1, 5);
        QVERIFY(storeKioskAnswer({2, {1, 3}, {}}, grid));
        QVERIFY(storeKioskAnswer({2, {4}, {6}}, grid));
        const QString stored = u"1:3:1=4 1:4:1=5 2:3:1=6"_qs;
        QCOMPARE(db->answers(Global::CurrentRecord), stored);
        QCOMPARE(grid.TextMatrix(3, 1), u"4"_qs);
        QCOMPARE(grid.TextMatrix(3, 2), QString());
        ScriptedMessages messages;
        messages.answer({Answer::Cancel});
        QVERIFY(db->failOn(u"SOCIDATA"_qs, u"INSERT"_qs));
        QVERIFY(!storeKioskAnswer({2, {1}, {}}, grid));
        QCOMPARE(db->answers(Global::CurrentRecord), stored);
    }

    // Subject 3's row holds 5 in slot 1 and 2.5, left by an earlier program, in slot 3;
    // the choice is typed in slot 2.
    void check_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // none: accepted
        QTest::addColumn<QString>("written");
        const QString tooLarge = QStringLiteral("Choice Cannot Be Greater Than 12");
        const QString tooSmall = QStringLiteral("Choice Cannot Be Less Than 1");
        const QString self = QStringLiteral("Subjects Cannot Choose Themselves ");
        QTest::newRow("the last subject") << u"12"_qs << QString() << u"12"_qs;
        QTest::newRow("a leading zero") << u"07"_qs << QString() << u"7"_qs;
        QTest::newRow("empty clears") << u" "_qs << QString() << QString();
        QTest::newRow("the cell's own choice again") << u"9"_qs << QString() << u"9"_qs;
        QTest::newRow("a fraction left in the row is nobody") << u"2"_qs << QString() << u"2"_qs;
        QTest::newRow("above the group") << u"13"_qs << tooLarge << QString();
        QTest::newRow("zero") << u"0"_qs << tooSmall << QString();
        QTest::newRow("negative") << u"-3"_qs << tooSmall << QString();
        QTest::newRow("fraction") << u"3.5"_qs << u"Choice Must Be A Whole Number"_qs << QString();
        QTest::newRow("exponent") << u"1e1"_qs << u"Choice Must Be Written In Digits Only"_qs
                                  << QString();
        QTest::newRow("oneself") << u"3"_qs << self << QString();
        QTest::newRow("oneself written 03") << u"03"_qs << self << QString();
        QTest::newRow("chosen in another slot")
            << u"05"_qs << u"Subject 5 Is Already Chosen As Choice 1"_qs << QString();
        QTest::newRow("digits then letter")
            << u"3x"_qs << u"Choice Must Be A Subject Number"_qs << QString();
    }
    void check()
    {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        const RowChoices row{QString(), u"5"_qs, u"9"_qs, u"2.5"_qs};
        ScriptedMessages messages;
        QCOMPARE(ValidateChoice(typed, 3, 2, row, 12), message.isEmpty());
        QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (message.isEmpty())
            QTEST(choiceText(typed), "written");
    }

    // The example's answers are ones the entry window would take, and are stored as
    // two ordinary studies of both criteria.
    void exampleClassIsSoundAndStoredAsStudies()
    {
        ScriptedMessages messages;
        for (const ExampleSurvey& survey : ExampleClass::surveys()) {
            for (const auto* criterion : {&survey.positive, &survey.negative}) {
                QCOMPARE(int(criterion->size()), ExampleClass::GroupSize + 1);
                for (int s = 1; s <= ExampleClass::GroupSize; ++s) {
                    const auto& row = (*criterion)[std::size_t(s)];
                    RowChoices cells{QString()};
                    for (int chosen : row)
                        cells.push_back(chosen ? QString::number(chosen) : QString());
                    for (int slot = 1; slot <= ExampleClass::Choices; ++slot)
                        QVERIFY2(
                            choiceRefusal(cells[std::size_t(slot)], s, slot, cells, 24).isEmpty(),
                            qPrintable(u"%1 subject %2"_qs.arg(survey.name).arg(s)));
                }
            }
            const long record = storeExampleSurvey(survey);
            QVERIFY(record > 0);
            const QStringList stored = db->answers(int(record)).split(u' ');
            QCOMPARE(stored.filter(QRegularExpression(u"^1:"_qs)).size(), 72); // every slot
            QVERIFY(stored.filter(QRegularExpression(u"^2:"_qs)).size() > 24);
        }
        QCOMPARE(messages.count(), 0);
        QCOMPARE(db->scalar("SELECT count(*) FROM SOCIOMETRY WHERE CRITERIONTYPE = 3").toInt(), 2);
    }

    void opensOnTheCriterionOfItsType_data()
    {
        QTest::addColumn<int>("criterionType");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("negativeItem");
        QTest::newRow("positive") << 1 << 1 << false;
        QTest::newRow("negative") << 2 << 2 << false;
        QTest::newRow("both") << 3 << 1 << true;
        QTest::newRow("unknown type: as negative") << 0 << 2 << false;
    }
    void opensOnTheCriterionOfItsType()
    {
        QFETCH(int, criterionType);
        QFETCH(int, current);
        const int record = addStudy(criterionType);
        addAnswer(record, 1, 2, 1, 4);
        addAnswer(record, 1, 2, 2, 2.5);
        addAnswer(record, 2, 2, 3, 6);
        addAnswer(record + 1, 1, 3, 1, 9); // another study's answer
        ScriptedMessages messages;
        auto state = open(record);
        QCOMPARE(messages.count(), 0);
        QCOMPARE(int(Global::CurrentCriterion), current);
        QCOMPARE(state->criterionLine().startsWith(u"Positive"_qs), current == 1);
        QVERIFY(!state->critEnabled(0));
        QTEST(state->critEnabled(1), "negativeItem");
        QCOMPARE(choiceCells(grid).mid(0, 2),
                 (QStringList{current == 1 ? u"4 2.5 ."_qs : u". . 6"_qs, u". . ."_qs}));
        QCOMPARE(choiceCells(grid).size(), 12);
    }

    void missingDatabaseIsReported()
    {
        QVERIFY(QFile::remove(db->path()));
        openStudy(*db, 6, 1, 1, false);
        Global::CurrentRecord = 3;
        ScriptedMessages messages;
        DataState state(grid);
        std::vector<bool> pointer;
        QObject::connect(&state, &DataState::busyChanged, &state,
                         [&](bool busy) { pointer.push_back(busy); });
        state.FormLayout();
        QVERIFY(messages.texts()[0].contains(QStringLiteral("DataForm:LoadGrid")));
        QVERIFY(messages.texts().last().contains(QStringLiteral("DataForm:LoadData")));
        QVERIFY(!QFile::exists(db->path()));
        QCOMPARE(grid.Rows(), 8); // laid out from the globals all the same
        QCOMPARE(std::count(pointer.begin(), pointer.end(), true),
                 std::count(pointer.begin(), pointer.end(), false));
    }

    void firstSaveGivesTheStudyItsRecordAndStoresNumbersAboveZero()
    {
        addStudy(1); // record 1 belongs to another study
        auto state = openNew(1);
        key(1, 1, "0");
        key(1, 2, "-1");
        key(1, 3, "x");
        key(2, 1, "2.5");
        key(2, 2, "45"); // above the group size: stored as typed
        key(3, 1, "3x");
        key(12, 3, "1");
        ScriptedMessages messages;
        state->Save_Click();
        QCOMPARE(messages.texts(), QStringList{Saved});
        QCOMPARE(Global::CurrentRecord, 2);
        QCOMPARE(db->rows("SELECT NAME, GROUPSIZE, CHOICES, QUESTION, CRITERIONTYPE "
                          "FROM SOCIOMETRY WHERE RECORD = 2"),
                 (std::vector<QVariantList>{{"Class", 12, 3, "Who?", 1}}));
        QCOMPARE(db->answers(2), u"1:3:1=2.5 1:3:2=45 1:4:1=3 1:13:3=1"_qs); // subject 1 is row 2
        key(2, 1, QString());
        state->Save_Click(); // a second save rewrites the same study
        QCOMPARE(Global::CurrentRecord, 2);
        QCOMPARE(db->scalar("SELECT count(*) FROM SOCIOMETRY").toInt(), 2);
        QCOMPARE(db->answers(2), u"1:3:2=45 1:4:1=3 1:13:3=1"_qs);
    }

    // A study of one criterion replaces all its answers; one of both criteria only
    // those of the criterion in view.
    void saveReplacesTheAnswersOfItsCriterion_data()
    {
        QTest::addColumn<int>("criterionType");
        QTest::addColumn<bool>("negativeInView");
        QTest::addColumn<QString>("stored");
        QTest::newRow("one criterion") << 1 << false << u"1:2:1=5 1:5:2=8"_qs;
        QTest::newRow("both, positive") << 3 << false << u"1:2:1=5 1:5:2=8 2:3:1=6"_qs;
        QTest::newRow("both, negative") << 3 << true << u"1:2:1=5 2:3:1=6 2:5:2=8"_qs;
        QTest::newRow("unknown type: as negative") << 0 << false << u"1:2:1=5 2:3:1=6 2:5:2=8"_qs;
    }
    void saveReplacesTheAnswersOfItsCriterion()
    {
        QFETCH(bool, negativeInView);
        QFETCH(int, criterionType);
        const int record = addStudy(criterionType);
        addAnswer(record, 1, 2, 1, 5);
        addAnswer(record, 2, 3, 1, 6);
        const int other = addStudy(1);
        addAnswer(other, 1, 2, 1, 9);
        auto state = open(record);
        ScriptedMessages messages;
        if (negativeInView)
            state->Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(messages.count(), 0); // unchanged: the switch asks nothing
        key(4, 2, "8");
        QVERIFY(state->SaveChanges(state->answerTypeInView()));
        QTEST(db->answers(record), "stored");
        QCOMPARE(db->answers(other), u"1:2:1=9"_qs);
    }

    // Switching the criterion of a changed grid: Yes saves it as the criterion it
    // holds, No drops it, Cancel keeps everything.
    void switchCriterion_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<int>("criterion");
        QTest::addColumn<QString>("cell"); // subject 2, slot 2, where 9 was typed
        QTest::addColumn<QString>("stored");
        QTest::newRow("Yes") << int(Answer::Yes) << 2 << u""_qs << u"1:2:1=4 1:3:2=9 2:5:3=6"_qs;
        QTest::newRow("No") << int(Answer::No) << 2 << u""_qs << u"1:2:1=4 2:5:3=6"_qs;
        QTest::newRow("Cancel") << int(Answer::Cancel) << 1 << u"9"_qs << u"1:2:1=4 2:5:3=6"_qs;
    }
    void switchCriterion()
    {
        QFETCH(int, answer);
        QFETCH(int, criterion);
        const int record = addStudy(3);
        addAnswer(record, 1, 2, 1, 4);
        addAnswer(record, 2, 5, 3, 6);
        auto state = open(record);
        key(2, 2, "9");
        state->setGridChanged(true);
        ScriptedMessages messages;
        messages.answer({Answer(answer)});
        state->Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(messages.texts(), QStringList{"Save Changes"});
        QCOMPARE(int(Global::CurrentCriterion), criterion);
        QTEST(grid.TextMatrix(3, 2), "cell");
        QCOMPARE(grid.TextMatrix(5, 3), criterion == 2 ? u"6"_qs : QString());
        QCOMPARE(state->gridChanged(), criterion == 1);
        QCOMPARE(state->critEnabled(0), criterion == 2);
        QTEST(db->answers(record), "stored");
    }

    // What an import gave the criterion not in view is saved with the grid (Yes), or shown
    // when that criterion is switched to (No), still to be saved.
    void otherCriterionHeldUntilSavedOrShown_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("stored");
        QTest::newRow("Yes") << int(Answer::Yes) << u"2:4:1=7 2:5:3=6"_qs;
        QTest::newRow("No") << int(Answer::No) << u"2:5:3=6"_qs;
    }
    void otherCriterionHeldUntilSavedOrShown()
    {
        QFETCH(int, answer);
        const int record = addStudy(3);
        addAnswer(record, 2, 5, 3, 6);
        auto state = open(record);
        QCOMPARE(state->otherCriterion().TextMatrix(5, 3), u"6"_qs); // as stored
        state->otherCriterion().setTextMatrix(4, 1, u"7"_qs);
        state->setGridChanged(true);
        ScriptedMessages messages;
        messages.answer({Answer(answer)});
        state->Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(grid.TextMatrix(4, 1), u"7"_qs);
        QCOMPARE(grid.TextMatrix(5, 3), u"6"_qs);
        QTEST(db->answers(record), "stored");
        QCOMPARE(state->gridChanged(), answer == int(Answer::No));
    }

    void quitAsksOnlyAfterAGridClick()
    {
        auto state = openNew(1);
        key(1, 1, "5");
        ScriptedMessages messages;
        state->Clear_Click(); // clearing is not a click: Quit asks nothing
        QCOMPARE(choiceCells(grid)[0], u". . ."_qs);
        grid.setRow(0);
        QVERIFY(!state->gridClicked()); // nor is a click on the header row
        QVERIFY(state->Quit_Click());
        QCOMPARE(messages.count(), 0);
        grid.setRow(3);
        grid.setCol(1);
        QVERIFY(state->gridClicked()); // an entry opened, even one then cancelled
        messages.answer({Answer::Cancel});
        QVERIFY(!state->Quit_Click());
        // A save clears the flag, so Quit asks nothing; after the next click Yes saves
        // and lets events run.
        key(1, 1, "3");
        state->Save_Click();
        QVERIFY(state->Quit_Click());
        key(1, 1, "2");
        QVERIFY(state->gridClicked());
        key(1, 1, "3");
        int eventRuns = 0;
        QObject::connect(state.get(), &DataState::savedOnRequest, state.get(),
                         [&] { ++eventRuns; });
        messages.answer({Answer::Yes});
        QVERIFY(state->Quit_Click());
        QCOMPARE(messages.texts(), (QStringList{QuitQuestion, Saved, QuitQuestion}));
        QCOMPARE(eventRuns, 1);
        QCOMPARE(db->answers(Global::CurrentRecord), u"1:2:1=3"_qs);
    }

    void plotAndAnalysisOfferToSave()
    {
        auto state = openNew(1);
        ScriptedMessages messages;
        messages.answer({Answer::No});
        state->Plot_Click(); // never saved: asks even unchanged
        QCOMPARE(messages.texts(), QStringList{PlotQuestion});
        QCOMPARE(Global::CurrentRecord, 0);
        messages.answer({Answer::Yes});
        state->Plot_Click();
        QVERIFY(Global::CurrentRecord > 0);
        state->Plot_Click(); // saved and unchanged: nothing to ask
        QCOMPARE(messages.count(), 2);
        grid.setRow(2);
        state->gridClicked();
        key(1, 1, "4");
        messages.answer({Answer::Yes});
        state->offerSaveBeforeAnalysis();
        QCOMPARE(db->answers(Global::CurrentRecord), u"1:2:1=4"_qs);
        state->offerSaveBeforeAnalysis(); // saved: the next opening asks nothing
        QCOMPARE(messages.count(), 3);
        state->gridClicked();
        messages.answer({Answer::No});
        state->offerSaveBeforeAnalysis();
        QVERIFY(state->gridChanged()); // not saved: Quit must still ask
        messages.answer({Answer::No});
        state->Plot_Click();
        QCOMPARE(messages.count(), 5);
        QVERIFY(!state->gridChanged()); // Plot clears it
    }

    // A save failing at any statement is abandoned as a whole, the grid keeps what was
    // typed, and Quit, the switch and Plot stop. Once the trouble is gone it saves whole.
    void failedSaveKeepsFileAndGrid_data()
    {
        QTest::addColumn<QString>("table"); // none: another program reads the file
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("said"); // by the first message
        const QString refused = u"DataForm:SaveChanges, Error Number 3022"_qs;
        QTest::newRow("commit: another program reads the file")
            << QString() << QString() << u"Trouble Accessing The Database"_qs;
        QTest::newRow("header refused") << u"SOCIOMETRY"_qs << u"UPDATE"_qs << refused;
        QTest::newRow("removal refused") << u"SOCIDATA"_qs << u"DELETE"_qs << refused;
        QTest::newRow("an answer refused") << u"SOCIDATA"_qs << u"INSERT"_qs << refused;
    }
    void failedSaveKeepsFileAndGrid()
    {
        QFETCH(QString, table);
        QFETCH(QString, event);
        QFETCH(QString, said);
        const auto block = [&](bool on) {
            if (table.isEmpty())
                return on ? db->exec("BEGIN") && !db->rows("SELECT * FROM SOCIDATA").empty()
                          : db->exec("COMMIT");
            return on ? db->failOn(table, event) : db->allow(table, event);
        };
        const auto fill = [&] {
            for (int r = 2; r < grid.Rows(); ++r)
                for (int c = 1; c < grid.Cols(); ++c)
                    grid.setTextMatrix(r, c, QString::number(1 + (r + c) % 40));
        };
        const int record = addStudy(3, 40, 10);
        addAnswer(record, 1, 2, 1, 5);
        auto state = open(record);
        fill();
        state->setGridChanged(true);
        QVERIFY(block(true));
        const QByteArray before = db->bytes();
        ScriptedMessages messages;
        state->Save_Click();
        messages.answer({Answer::Yes});
        QVERIFY(!state->Quit_Click());
        messages.answer({Answer::Yes});
        state->Crit_Click(DataState::CriterionItem::Negative);
        messages.answer({Answer::Yes});
        state->Plot_Click();
        QCOMPARE(db->bytes(), before);
        const QStringList texts = messages.texts();
        QVERIFY2(texts[0].contains(said), qPrintable(texts[0]));
        QCOMPARE(texts.filter("The changes could not be saved").size(), 4);
        QVERIFY(!texts.contains(Saved));
        QCOMPARE(Global::CurrentCriterion, 1);
        QVERIFY(state->gridChanged());
        QCOMPARE(grid.TextMatrix(41, 10), u"12"_qs);
        QVERIFY(block(false));
        messages.clear();
        state->Save_Click();
        QCOMPARE(messages.texts(), QStringList{Saved});
        QCOMPARE(db->answers(record).count(u' ') + 1, 400);
        if (event == u"UPDATE"_qs || event == u"DELETE"_qs)
            return; // a new study updates and removes nothing
        // A new study that fails to save keeps record 0.
        auto fresh = openNew(1);
        fill();
        QVERIFY(block(true));
        QVERIFY(!fresh->SaveChanges(1));
        QCOMPARE(Global::CurrentRecord, 0);
        QVERIFY(block(false));
    }
};

QTEST_GUILESS_MAIN(EntryTest)
#include "tst_entry.moc"
