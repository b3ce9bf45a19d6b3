// Choice entry: the check of a typed choice, what the data window's grid loads and
// stores, the questions its commands ask, and the data and entry windows offscreen.
#include "dataform.h"
#include "datastate.h"
#include "entrycheck.h"
#include "entryform.h"
#include "forms.h"
#include "globals.h"
#include "scriptedmessages.h"
#include "testdb.h"
#include "windows.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
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
    int infoUnloads = 0;
    int drawShows = 0;

    int addStudy(int criterionType, int groupSize = 12, int choices = 3)
    {
        return db->addStudy("Stored", groupSize, choices, "Who?", criterionType);
    }
    void addAnswer(int record, int type, QVariant individual, QVariant choice, QVariant answer)
    {
        QVERIFY(db->addAnswer(record, type, individual, choice, answer));
    }
    // Stored answers of a study as "type:individual:choice=answer", in a fixed order.
    QString answers(int record)
    {
        QStringList out;
        for (const QVariantList& r :
             db->rows("SELECT ANSWERTYPE, INDIVIDUAL, CHOICE, ANSWER FROM SOCIDATA "
                      "WHERE HEADER = ? ORDER BY ANSWERTYPE, INDIVIDUAL, CHOICE",
                      {record}))
            out << u"%1:%2:%3="_qs.arg(r[0].toInt()).arg(r[1].toInt()).arg(r[2].toInt()) +
                       QString::number(r[3].toDouble());
        return out.join(u' ');
    }
    // The grid's choice cells, row by row, empty cells as ".".
    QStringList choiceCells() const
    {
        QStringList out;
        for (int r = 2; r < grid.Rows(); ++r) {
            QStringList row;
            for (int c = 1; c < grid.Cols(); ++c)
                row << (grid.TextMatrix(r, c).isEmpty() ? u"."_qs : grid.TextMatrix(r, c));
            out << row.join(u' ');
        }
        return out;
    }
    void newStudy(int criterionType, int groupSize = 12, int choices = 3)
    {
        Global::NewProject = Global::True;
        Global::CurrentRecord = 0;
        Global::RefName = QStringLiteral("Year 7");
        Global::Question = QStringLiteral("Who would you work with?");
        Global::GroupSize = groupSize;
        Global::MaxChoices = choices;
        Global::CriterionType = criterionType;
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
        newStudy(criterionType);
        return open(0);
    }
    void key(int subject, int slot, const QString& text)
    {
        grid.setTextMatrix(subject + 1, slot, text);
    }
    DataForm* openDataForm()
    {
        showDataForm();
        DataForm* form = SingleInstance<DataForm>::ifLoaded();
        if (form)
            (void)QTest::qWaitForWindowExposed(form);
        return form;
    }
    QModelIndex cell(DataForm* form, int subject, int slot)
    {
        return form->Dgrid->model()->index(subject - 1, slot - 1);
    }

private Q_SLOTS:
    void init()
    {
        resetProgram();
        grid.setShape(0, 0);
        db = std::make_unique<TestDatabase>();
        QVERIFY(db->isValid());
        infoUnloads = drawShows = 0;
        Forms::UnloadInfoForm = [this] { ++infoUnloads; };
        Forms::Show = [this](Forms::Window w, QWidget*) { drawShows += w == Forms::Window::Draw; };
        DataForm::setEntryRunner(nullptr);
    }
    void cleanup()
    {
        SingleInstance<DataForm>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DataForm::setEntryRunner(nullptr);
        db.reset();
    }

    void check_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("message"); // none: accepted
        const QString tooLarge = QStringLiteral("Choice Cannot Be Greater Than 12");
        QTest::newRow("the last subject") << u"12"_qs << 3 << QString();
        QTest::newRow("above the group") << u"13"_qs << 3 << tooLarge;
        QTest::newRow("oneself") << u"3"_qs << 3 << u"Subjects Cannot Choose Themselves "_qs;
        QTest::newRow("oneself written 03") << u"03"_qs << 3 << QString();
        QTest::newRow("digits then letter")
            << u"3x"_qs << 4 << u"Choice Must Be A Subject Number"_qs;
        QTest::newRow("range before self") << u"13"_qs << 13 << tooLarge;
    }
    void check()
    {
        QFETCH(QString, typed);
        QFETCH(int, subject);
        QFETCH(QString, message);
        ScriptedMessages messages;
        QCOMPARE(ValidateChoice(typed, QString::number(subject), 12), message.isEmpty());
        QCOMPARE(messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
    }

    void opensOnTheCriterionOfItsType_data()
    {
        QTest::addColumn<int>("criterionType");
        QTest::addColumn<int>("current");
        QTest::addColumn<bool>("negativeItem");
        QTest::newRow("positive") << 1 << 1 << false;
        QTest::newRow("negative") << 2 << 2 << false;
        QTest::newRow("both") << 3 << 1 << true;
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
        QCOMPARE(state->criterionLine.startsWith(u"Positive"_qs), current == 1);
        QVERIFY(!state->critEnabled[0]);
        QTEST(state->critEnabled[1], "negativeItem");
        QCOMPARE(choiceCells().mid(0, 2),
                 (QStringList{current == 1 ? u"4 2.5 ."_qs : u". . 6"_qs, u". . ."_qs}));
        QCOMPARE(choiceCells().size(), 12);
    }

    // A stored answer that is no number is reported and passed over; the rows after
    // it still appear.
    void badStoredAnswerIsReportedAndPassedOver_data()
    {
        QTest::addColumn<QVariant>("answer");
        QTest::addColumn<QString>("number");
        QTest::newRow("empty") << QVariant() << "94";
        QTest::newRow("text") << QVariant("x") << "13";
    }
    void badStoredAnswerIsReportedAndPassedOver()
    {
        QFETCH(QVariant, answer);
        QFETCH(QString, number);
        const int record = addStudy(1, 6);
        addAnswer(record, 1, 3, 1, answer);
        addAnswer(record, 1, 7, 3, 2);
        ScriptedMessages messages;
        open(record);
        QCOMPARE(messages.count(), 1);
        QVERIFY2(messages.texts()[0].startsWith(
                     "Unexpected Error In - DataForm:LoadData, Error Number " + number),
                 qPrintable(messages.texts()[0]));
        QCOMPARE(choiceCells(),
                 (QStringList{". . .", ". . .", ". . .", ". . .", ". . .", ". . 2"}));
    }

    // Sizes that are not the study's are never written over it.
    void headerWithImpossibleSizesIsNotSavedOver()
    {
        const int record = addStudy(1, 500);
        ScriptedMessages messages;
        auto state = open(record);
        QVERIFY(messages.texts()[0].contains(QStringLiteral("group size in the file (500)")));
        const QByteArray before = db->bytes();
        QVERIFY(!state->SaveChanges(1));
        QCOMPARE(db->bytes(), before);
    }

    void missingDatabaseIsReported()
    {
        QVERIFY(QFile::remove(db->path()));
        newStudy(1, 6, 1);
        Global::CurrentRecord = 3;
        ScriptedMessages messages;
        DataState state(grid);
        std::vector<bool> pointer;
        QObject::connect(&state, &DataState::busyChanged,
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
                 (std::vector<QVariantList>{{"Year 7", 12, 3, "Who would you work with?", 1}}));
        QCOMPARE(answers(2), u"1:3:1=2.5 1:3:2=45 1:4:1=3 1:13:3=1"_qs); // subject 1 is row 2
        key(2, 1, QString());
        state->Save_Click(); // a second save rewrites the same study
        QCOMPARE(Global::CurrentRecord, 2);
        QCOMPARE(db->scalar("SELECT count(*) FROM SOCIOMETRY").toInt(), 2);
        QCOMPARE(answers(2), u"1:3:2=45 1:4:1=3 1:13:3=1"_qs);
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
        QTEST(answers(record), "stored");
        QCOMPARE(answers(other), u"1:2:1=9"_qs);
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
        state->GridChanged = true;
        ScriptedMessages messages;
        messages.answer({Answer(answer)});
        state->Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(messages.texts(), QStringList{"Save Changes"});
        QCOMPARE(int(Global::CurrentCriterion), criterion);
        QTEST(grid.TextMatrix(3, 2), "cell");
        QCOMPARE(grid.TextMatrix(5, 3), criterion == 2 ? u"6"_qs : QString());
        QCOMPARE(state->GridChanged, criterion == 1);
        QCOMPARE(state->critEnabled[0], criterion == 2);
        QTEST(answers(record), "stored");
    }

    void quitAsksOnlyAfterAGridClick()
    {
        auto state = openNew(1);
        key(1, 1, "5");
        ScriptedMessages messages;
        state->Clear_Click(); // clearing is not a click: Quit asks nothing
        QCOMPARE(choiceCells()[0], u". . ."_qs);
        grid.setRow(0);
        QVERIFY(!state->gridClicked()); // nor is a click on the header row
        QVERIFY(state->Quit_Click());
        QCOMPARE(messages.count(), 0);
        grid.setRow(3);
        grid.setCol(1);
        QVERIFY(state->gridClicked()); // an entry opened, even one then cancelled
        messages.answer({Answer::Cancel});
        QVERIFY(!state->Quit_Click());
        // A save leaves the flag, so Quit still asks; Yes saves and lets events run.
        key(1, 1, "3");
        state->Save_Click();
        int eventRuns = 0;
        QObject::connect(state.get(), &DataState::savedOnRequest, [&] { ++eventRuns; });
        messages.answer({Answer::Yes});
        QVERIFY(state->Quit_Click());
        QCOMPARE(messages.texts(), (QStringList{QuitQuestion, Saved, QuitQuestion}));
        QCOMPARE(eventRuns, 1);
        QCOMPARE(answers(Global::CurrentRecord), u"1:2:1=3"_qs);
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
        QCOMPARE(answers(Global::CurrentRecord), u"1:2:1=4"_qs);
        QVERIFY(state->GridChanged); // the analysis keeps it marked
        messages.answer({Answer::No});
        state->Plot_Click();
        QCOMPARE(messages.count(), 4);
        QVERIFY(!state->GridChanged); // Plot clears it
    }

    // A save failing at any statement is abandoned as a whole, the grid keeps what was
    // typed, and Quit, the switch and Plot stop. Once the trouble is gone it saves whole.
    void failedSaveKeepsFileAndGrid_data()
    {
        QTest::addColumn<int>("failing");
        QTest::addColumn<QString>("said"); // by the first message
        QTest::newRow("commit: another program reads the file")
            << 0 << u"Trouble Accessing The Database"_qs;
        QTest::newRow("an answer refused") << 1 << u"DataForm:SaveChanges, Error Number 3022"_qs;
    }
    void failedSaveKeepsFileAndGrid()
    {
        QFETCH(int, failing);
        QFETCH(QString, said);
        const auto block = [&](bool on) {
            if (failing == 0)
                return on ? db->exec("BEGIN") && !db->rows("SELECT * FROM SOCIDATA").empty()
                          : db->exec("COMMIT");
            return db->exec(on ? "CREATE TRIGGER refuse BEFORE INSERT ON SOCIDATA "
                                 "BEGIN SELECT RAISE(ABORT, 'refused'); END"
                               : "DROP TRIGGER refuse");
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
        state->GridChanged = true;
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
        QVERIFY(state->GridChanged);
        QCOMPARE(grid.TextMatrix(41, 10), u"12"_qs);
        QVERIFY(block(false));
        messages.clear();
        state->Save_Click();
        QCOMPARE(messages.texts(), QStringList{Saved});
        QCOMPARE(answers(record).count(u' ') + 1, 400);
        // A new study that fails to save keeps record 0.
        auto fresh = openNew(1);
        fill();
        QVERIFY(block(true));
        QVERIFY(!fresh->SaveChanges(1));
        QCOMPARE(Global::CurrentRecord, 0);
        QVERIFY(block(false));
    }

    // --- The windows ---

    // The criterion items follow the study; a criterion too long for its line ends in
    // an ellipsis, whole in the tooltip.
    void criterionLineAndItemsFollowTheStudy()
    {
        newStudy(3);
        Global::Question = QString(100, u'W');
        DataForm* form = openDataForm();
        QVERIFY(!form->Crit[0]->isEnabled() && form->Crit[1]->isEnabled());
        QVERIFY(form->DLabel0->text().endsWith(QChar(0x2026)));
        QVERIFY(form->DLabel0->fontMetrics().horizontalAdvance(form->DLabel0->text()) <=
                form->DLabel0->width());
        form->Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(form->DLabel0->toolTip(), "Negative Criterion: " + Global::Question);
        QVERIFY(form->Crit[0]->isEnabled() && !form->Crit[1]->isEnabled());
    }

    void entryOpensOnClickKeyAndTyping()
    {
        newStudy(1);
        DataForm* form = openDataForm();
        QStringList seen;
        DataForm::setEntryRunner([&](EntryForm& entry) {
            seen << entry.DText[0]->text() << entry.DText[1]->text() << entry.DText[2]->text();
            entry.DText[2]->setText(QStringLiteral("7"));
            entry.Action[0]->click();
        });
        QTest::mouseClick(form->Dgrid->viewport(), Qt::LeftButton, {},
                          form->Dgrid->visualRect(cell(form, 3, 2)).center());
        QCOMPARE(seen, (QStringList{"3", "2", ""}));
        QCOMPARE(cell(form, 3, 2).data().toString(), QStringLiteral("7"));
        QVERIFY(form->state.GridChanged);
        QCOMPARE(form->Dgrid->currentIndex(), cell(form, 3, 3)); // after OK the next slot
        // Enter on a cell opens the entry with its choice; Cancel leaves the cell current.
        seen.clear();
        DataForm::setEntryRunner([&](EntryForm& entry) {
            seen << entry.DText[2]->text();
            entry.Action[1]->click();
        });
        form->Dgrid->setFocus();
        form->Dgrid->setCurrentIndex(cell(form, 3, 2));
        QTest::keyClick(form->Dgrid, Qt::Key_Return);
        QCOMPARE(seen, QStringList{"7"});
        QCOMPARE(form->Dgrid->currentIndex(), cell(form, 3, 2));
        DataForm::setEntryRunner([&](EntryForm&) { QFAIL("an entry opened"); });
        QTest::keyClick(form->Dgrid, Qt::Key_Down); // moving the current cell opens nothing
        // A number typed on a cell opens the entry with it; Enter stores it and the next
        // cell (after the last slot the next subject's first) is ready.
        DataForm::setEntryRunner([&](EntryForm& entry) {
            entry.show();
            QTRY_COMPARE(QApplication::focusWidget(), entry.DText[2]);
            QTest::qWait(20); // the focus handling is done
            QTest::keyClicks(entry.DText[2], QStringLiteral("1"));
            QTest::keyClick(entry.DText[2], Qt::Key_Return);
        });
        form->Dgrid->setCurrentIndex(cell(form, 1, 2));
        for (const char first : {'0', '1', '1'})
            QTest::keyClick(form->Dgrid, first);
        QCOMPARE(choiceCells().mid(0, 3), (QStringList{". 01 11", "11 . .", ". 7 ."}));
        QCOMPARE(form->Dgrid->currentIndex(), cell(form, 2, 2));
    }

    void entryWindowRefusesAndCancels()
    {
        newStudy(1);
        DataForm* form = openDataForm();
        key(5, 1, "9");
        grid.setRow(6);
        grid.setCol(1);
        EntryForm entry(grid, form);
        entry.show();
        QVERIFY(QTest::qWaitForWindowExposed(&entry));
        QTRY_COMPARE(entry.DText[2]->selectedText(), QStringLiteral("9"));
        // Typing replaces the shown choice; a refused entry keeps the window open.
        ScriptedMessages messages;
        QTest::keyClicks(entry.DText[2], QStringLiteral("13"));
        QTest::keyClick(entry.DText[2], Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{"Choice Cannot Be Greater Than 12"});
        QVERIFY(entry.isVisible());
        entry.DText[2]->setText(QStringLiteral("11"));
        QTest::keyClick(entry.DText[2], Qt::Key_Escape);
        QCOMPARE(entry.result(), int(QDialog::Rejected));
        QCOMPARE(grid.TextMatrix(6, 1), QStringLiteral("9"));
        EntryForm emptied(grid, form);
        emptied.show();
        emptied.DText[2]->clear();
        QTest::keyClick(emptied.DText[2], Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(grid.TextMatrix(6, 1), QString()); // an empty box clears the cell
    }

    void closeBoxAsksLikeQuit()
    {
        newStudy(1);
        DataForm* form = openDataForm();
        ScriptedMessages messages;
        form->close();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(infoUnloads, 1);
        form = openDataForm();
        form->state.GridChanged = true;
        messages.answer({Answer::Cancel, Answer::Cancel, Answer::No});
        form->close();
        QCOMPARE(messages.texts(), QStringList{QuitQuestion});
        QVERIFY(form->isVisible());
        QVERIFY(!DataForm::mayEnd());
        form->close();
        QVERIFY(!SingleInstance<DataForm>::loaded());
        QCOMPARE(infoUnloads, 2);
        QVERIFY(DataForm::mayEnd()); // nothing open: nothing to ask
    }

    // Another study is about to take the globals while a data window holds changes:
    // they go to their own study (or are dropped, or everything stays on Cancel).
    void openStudySettlesBeforeAnotherTakesItsPlace_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("settled");
        QTest::addColumn<QString>("storedInA");
        QTest::newRow("Yes saves into the open study") << int(Answer::Yes) << true << "1:3:1=5";
        QTest::newRow("No drops the changes") << int(Answer::No) << true << "";
        QTest::newRow("Cancel keeps the window") << int(Answer::Cancel) << false << "";
    }
    void openStudySettlesBeforeAnotherTakesItsPlace()
    {
        QFETCH(int, answer);
        QFETCH(bool, settled);
        addStudy(1, 8, 2);
        addStudy(1, 8, 2);
        Forms::SettleDataForm = &DataForm::settle;
        Global::CurrentRecord = 1;
        grid.setTextMatrix(5, 2, QStringLiteral("7")); // left from an earlier window
        DataForm* a = openDataForm();
        QCOMPARE(grid.TextMatrix(5, 2), QString()); // a window loads with an empty grid
        grid.setTextMatrix(3, 1, QStringLiteral("5"));
        a->state.GridChanged = true;
        ScriptedMessages messages;
        messages.answer({Answer(answer)});
        QCOMPARE(Forms::mayChangeStudy(), settled);
        QCOMPARE(messages.texts(), QStringList{QuitQuestion});
        QTEST(answers(1), "storedInA");
        QCOMPARE(answers(2), QString());
        QCOMPARE(SingleInstance<DataForm>::loaded(), !settled);
        QCOMPARE(infoUnloads, 0); // the study window stays for its own OK
        Forms::SettleDataForm = nullptr;
    }

    // A fresh window for the next study keeps showing the grid after the old window
    // (whose view watched the same grid) is deleted; its layout items open the sociogram.
    void replacedWindowKeepsShowingTheGrid()
    {
        newStudy(1);
        openDataForm();
        showDataForm();
        DataForm* second = SingleInstance<DataForm>::ifLoaded();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        grid.setTextMatrix(2, 1, QStringLiteral("4"));
        QCOMPARE(second->Dgrid->model()->index(0, 0).data().toString(), QStringLiteral("4"));
        second->Sociogram[3]->trigger();
        QCOMPARE(Global::SociogramType, 3);
        QCOMPARE(drawShows, 1);
    }

    // With the vertical scroll bar showing, moving to the last column must not slide
    // the grid sideways and cut the first choice column in half.
    void gridShowsEveryColumnWhole_data()
    {
        QTest::addColumn<int>("choices");
        QTest::newRow("3 choices") << 3;
        QTest::newRow("10 choices") << 10;
    }
    void gridShowsEveryColumnWhole()
    {
        QFETCH(int, choices);
        newStudy(1, 24, choices);
        QTableView* view = openDataForm()->Dgrid;
        QVERIFY(QTest::qWaitFor([&] { return view->verticalScrollBar()->isVisible(); }));
        view->setCurrentIndex(view->model()->index(0, choices - 1));
        view->scrollTo(view->currentIndex());
        QCOMPARE(view->horizontalScrollBar()->value(), 0);
        QVERIFY(view->horizontalHeader()->length() <= view->viewport()->width());
        auto* corner = view->findChild<QLabel*>(QStringLiteral("GridCorner"));
        QVERIFY(corner->width() >= corner->sizeHint().width()); // "Subject" whole
    }
};

QTEST_MAIN(EntryTest)
#include "tst_entry.moc"
