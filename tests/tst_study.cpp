// The study: the entry checks, the project list, deleting, and both windows offscreen.

#include "forms.h"
#include "globals.h"
#include "infoform.h"
#include "loadform.h"
#include "projectlist.h"
#include "scriptedmessages.h"
#include "testdb.h"
#include "validate.h"
#include "windows.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {

using namespace StudyMessages;
const QString NotDeleted = ProjectMessages::NotDeleted;

StudyEntries goodEntries()
{
    return {u"Who would you like to sit next to?"_qs, u"Class 4b"_qs, u"12"_qs, u"3"_qs, 1};
}

QList<int> recordsOf(const std::vector<ProjectEntry>& list)
{
    QList<int> out;
    for (const ProjectEntry& e : list)
        out << e.record;
    return out;
}

} // namespace

Q_DECLARE_METATYPE(StudyEntries)
Q_DECLARE_METATYPE(Answer)

class TestStudy : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    int dataFormShown = 0;

    void storeName(const QVariant& name) { QVERIFY(db->addStudy(name, 12, 3, u"Who?"_qs, 1)); }

    template <class Form> static Form* open(void (*show)())
    {
        show();
        Form* form = SingleInstance<Form>::ifLoaded();
        (void)QTest::qWaitForWindowActive(form);
        return form;
    }
    static InfoForm* openInfo() { return open<InfoForm>(showInfoForm); }
    static LoadForm* openList() { return open<LoadForm>(showLoadForm); }

    static void fill(InfoForm* form, const QString& criterion, int typeIndex, const QString& name,
                     const QString& size, const QString& choices)
    {
        form->Criterion->setPlainText(criterion);
        form->ICombo->setCurrentIndex(typeIndex);
        form->IText[2]->setText(name);
        form->IText[0]->setText(size);
        form->IText[1]->setText(choices);
    }

    static QList<int> listRecords(const LoadForm* form)
    {
        QList<int> out;
        for (int i = 0; i < form->LList->count(); ++i)
            out << form->LList->item(i)->data(Qt::UserRole).toInt();
        return out;
    }

private Q_SLOTS:
    void init()
    {
        resetProgram();
        db = std::make_unique<TestDatabase>();
        QVERIFY(db->isValid());
        messages = std::make_unique<ScriptedMessages>();
        dataFormShown = 0;
        Forms::Show = [this](Forms::Window, QWidget*) { ++dataFormShown; };
    }

    void cleanup()
    {
        unloadInfoForm();
        unloadLoadForm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Forms::Show = {};
        messages.reset();
        db.reset();
    }

    // ---- Checking the entries ---------------------------------------------------

    void messagesInOrder_data()
    {
        QTest::addColumn<StudyEntries>("entries");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QList<int>>("sizes"); // group size and choices the study takes
        const auto row = [](const char* tag, const char* criterion, const char* name,
                            const char* size, const char* choices, const QStringList& expected,
                            const QList<int>& sizes = {20, 5}) {
            QTest::newRow(tag) << StudyEntries{QString::fromUtf8(criterion),
                                               QString::fromUtf8(name), QString::fromUtf8(size),
                                               QString::fromUtf8(choices), 2}
                               << expected << sizes;
        };
        row("all four empty", "", "", "", "",
            {NoCriterion, NoReferenceName, BadGroupSize, BadChoices});
        row("all entered", "Who?\nWhy?", "  Class 4b  ", "12", "3", {}, {12, 3});
        row("stored name, sizes wrong", "Who?", "Stored", "5", "11",
            {DuplicateName, BadGroupSize, BadChoices});
        row("limits", "Who?", "Class", "6", "10", {}, {6, 10});
        row("group size 41", "Who?", "Class", "41", "1", {BadGroupSize});
        row("group size below 6 by a fraction", "Who?", "Class", "5.9", "3", {BadGroupSize});
        row("half to even, down", "Who?", "Class", "12.5", "2.5", {}, {12, 2});
        row("choices 0", "Who?", "Class", "40", "0", {BadChoices});
        row("name differs in case", "Who?", "stored", "12", "3", {}, {12, 3});
        row("name with a trailing space", "Who?", "Stored ", "12", "3", {}, {12, 3});
        row("criterion of blanks counts as entered", "   ", "Class", "12", "3", {}, {12, 3});
    }

    void messagesInOrder()
    {
        QFETCH(StudyEntries, entries);
        QFETCH(QStringList, expected);
        QFETCH(QList<int>, sizes);
        storeName(u"Stored"_qs);
        Global::RefName = u"Earlier"_qs; // as a previous study left it
        Global::GroupSize = 20;
        Global::MaxChoices = 5;
        const bool accepted = Validate(entries, 0);
        QCOMPARE(messages->texts(), expected);
        QCOMPARE(accepted, expected.isEmpty());
        for (const Message& m : messages->shown())
            QCOMPARE(m.icon, m.text == NoCriterion ? Icon::Exclamation : Icon::Information);
        QCOMPARE(Global::RefName, accepted ? entries.referenceName : u"Earlier"_qs);
        QCOMPARE(Global::Question, accepted ? entries.criterion : QString());
        QCOMPARE(Global::CriterionType, accepted ? 2 : 0);
        QCOMPARE((QList<int>{Global::GroupSize, Global::MaxChoices}), sizes);
        QCOMPARE(Global::CurrentRecord, 0); // only the data window's save sets it
    }

    void nameLookUp()
    {
        // An empty field and a name stored as a number neither stop nor break the look-up.
        storeName(QVariant());
        storeName(42);
        storeName(u"Class 4b"_qs);
        QVERIFY(nameIsStored(u"Class 4b"_qs));
        QVERIFY(nameIsStored(u"42"_qs));
        QVERIFY(!nameIsStored(u"Class 4"_qs));
        // An empty field is no empty name; an empty text is.
        StudyEntries e = goodEntries();
        e.referenceName.clear();
        QVERIFY(!Validate(e, 0));
        QCOMPARE(messages->texts(), QStringList{NoReferenceName});
        storeName(u""_qs);
        QVERIFY(!Validate(e, 0));
        QCOMPARE(messages->texts(), (QStringList{NoReferenceName, DuplicateName, NoReferenceName}));
    }

    void unreadableFileIsPassedOver()
    {
        // A stored study does not touch the file at all.
        QVERIFY(QFile::remove(db->path()));
        QVERIFY(Validate(goodEntries(), 7));
        QCOMPARE(messages->count(), 0);
        // The look-up is reported under the window's label; the other checks still run.
        StudyEntries e = goodEntries();
        e.criterion.clear();
        QVERIFY(!Validate(e, 0));
        QCOMPARE(messages->reports(), (QStringList{NoCriterion, u"InfoForm:Validate 3024"_qs}));
    }

    // ---- The project list -------------------------------------------------------

    void listedByAscendingRecordOrNotAtAll()
    {
        QVERIFY(readProjectList().empty());
        db->addStudy({.name = u"Class 4b"_qs, .record = 12, .layouts = {}});
        db->addStudy({.name = u"Class 4b"_qs, .record = 3, .layouts = {}});
        db->addStudy({.name = u"Gym"_qs, .record = 2147483647, .layouts = {}});
        QVERIFY(db->exec(u"INSERT INTO SOCIOMETRY (RECORD, NAME) VALUES (7, NULL)"_qs));
        QCOMPARE(recordsOf(readProjectList()), (QList<int>{3, 7, 12, 2147483647}));
        QCOMPARE(messages->count(), 0);
        // An unreadable file lists nothing.
        QVERIFY(db->exec(u"DROP TABLE SOCIOMETRY"_qs));
        QVERIFY(readProjectList().empty());
        QVERIFY(QFile::remove(db->path()));
        QVERIFY(readProjectList().empty());
        QCOMPARE(messages->reports(),
                 (QStringList{u"LoadForm:LoadData 3078"_qs, u"LoadForm:LoadData 3024"_qs}));
    }

    void unusableRecordsAreReportedAndLeftOut_data()
    {
        QTest::addColumn<QVariant>("record");
        QTest::addColumn<int>("number");
        QTest::newRow("text") << QVariant(u"x"_qs) << 13;
        QTest::newRow("digits as text") << QVariant(u"9"_qs) << 13;
        QTest::newRow("fraction") << QVariant(2.5) << 13;
        QTest::newRow("empty") << QVariant() << 94;
        QTest::newRow("too large") << QVariant(qlonglong(1) << 40) << 6;
    }

    void unusableRecordsAreReportedAndLeftOut()
    {
        QFETCH(QVariant, record);
        QFETCH(int, number);
        QVERIFY(db->exec(u"DROP TABLE SOCIOMETRY"_qs));
        QVERIFY(db->exec(u"CREATE TABLE SOCIOMETRY (RECORD, NAME, GROUPSIZE, CHOICES, QUESTION, "
                         "CRITERIONTYPE)"_qs));
        QVERIFY(db->exec(u"CREATE INDEX \"PRIMARY\" ON SOCIOMETRY (RECORD)"_qs));
        QVERIFY(db->exec(u"INSERT INTO SOCIOMETRY (RECORD, NAME) VALUES (1, 'First'), "
                         "(?, 'Broken'), (4, 'Fourth')"_qs,
                         {record}));
        QCOMPARE(recordsOf(readProjectList()), (QList<int>{1, 4}));
        QCOMPARE(messages->reports(), QStringList{u"LoadForm:LoadData %1"_qs.arg(number)});
    }

    void failingDeleteLeavesTheStudyWhole_data()
    {
        QTest::addColumn<QString>("table");
        // Each of the three deletes in turn refuses; the ones before it must be undone.
        QTest::newRow("header refused") << u"SOCIOMETRY"_qs;
        QTest::newRow("answers refused") << u"SOCIDATA"_qs;
        QTest::newRow("positions refused") << u"POSITION"_qs;
    }

    void failingDeleteLeavesTheStudyWhole()
    {
        QFETCH(QString, table);
        db->addStudy({.record = 12});
        db->addStudy({.record = 13});
        QVERIFY(db->failOn(table));
        const QStringList before = db->dump();
        QVERIFY(!deleteProject(12));
        QCOMPARE(db->dump(), before);
        QCOMPARE(messages->reports(), (QStringList{u"LoadForm:DeleteRecord 3022"_qs, NotDeleted}));
        QCOMPARE(messages->shown().at(1).icon, Icon::Exclamation);
        // No transaction was left open: the file takes the delete afterwards.
        QVERIFY(db->exec(u"DROP TRIGGER refuse_DELETE_%1"_qs.arg(table)));
        QVERIFY(deleteProject(12));
        QCOMPARE(recordsOf(readProjectList()), QList<int>{13});
    }

    // ---- The study window -------------------------------------------------------

    void criterionBoxAndFocus()
    {
        InfoForm* form = openInfo();
        QCOMPARE(QApplication::focusWidget(), form->Criterion);
        // Tab leaves the multi-line box instead of typing a tab into it.
        QTest::keyClick(form->Criterion, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->ICombo);
        // A paste into the criterion is cut to what fits; the text after it stays.
        form->Criterion->setPlainText(QString(90, u'a'));
        QTextCursor c = form->Criterion->textCursor();
        c.setPosition(10);
        form->Criterion->setTextCursor(c);
        form->Criterion->insertPlainText(QString(20, u'b'));
        const QString cut = QString(10, u'a') + QString(10, u'b') + QString(80, u'a');
        QCOMPARE(form->Criterion->toPlainText(), cut);
        // Coming into a box selects its whole text.
        form->IText[0]->setText(u"12"_qs);
        QTest::mouseClick(form->IText[0], Qt::LeftButton, {}, QPoint(4, 4));
        QTRY_COMPARE(form->IText[0]->selectedText(), u"12"_qs);
        form->Criterion->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(form->Criterion->textCursor().selectedText(), cut);
        QTest::keyClicks(form->Criterion, u"Whom?"_qs);
        QCOMPARE(form->Criterion->toPlainText(), u"Whom?"_qs);
    }

    void clearEmptiesTheEntries()
    {
        InfoForm* form = openInfo();
        fill(form, u"Who?"_qs, 2, u"Class"_qs, u"12"_qs, u"3"_qs);
        form->IText[1]->setFocus();
        QTest::mouseClick(form->Action[1], Qt::LeftButton);
        QVERIFY(form->Criterion->toPlainText().isEmpty());
        for (int i = 0; i < 3; ++i)
            QVERIFY(form->IText[i]->text().isEmpty());
        QCOMPARE(form->ICombo->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), form->Criterion);
        QCOMPARE(dataFormShown + messages->count(), 0);
    }

    void okChecksThenOpensTheDataWindow()
    {
        storeName(u"Class 4b"_qs);
        InfoForm* form = openInfo();
        fill(form, QString(), 0, u"Class 4b"_qs, u"41"_qs, u"3"_qs);
        QTest::mouseClick(form->Action[0], Qt::LeftButton);
        QCOMPARE(messages->texts(), (QStringList{NoCriterion, DuplicateName, BadGroupSize}));
        QCOMPARE(dataFormShown, 0);
        // Once the study is saved as record 1 its own name is no obstacle.
        Global::CurrentRecord = 1;
        fill(form, u"Who?"_qs, 2, u"Class 4b"_qs, u"7x"_qs, u"10"_qs);
        QTest::mouseClick(form->Action[0], Qt::LeftButton);
        QCOMPARE(messages->count(), 3);
        QCOMPARE(dataFormShown, 1);
        QCOMPARE(Global::GroupSize, 7);
        QCOMPARE(Global::CriterionType, 3);
        QVERIFY(form->isVisible()); // it stays open underneath the data window
    }

    void enterKey_data()
    {
        QTest::addColumn<bool>("inCriterion"); // else the group size box
        QTest::addColumn<bool>("ctrl");
        QTest::addColumn<QString>("criterion");
        QTest::newRow("criterion: OK") << true << false << u"Who?"_qs;
        QTest::newRow("group size: OK") << false << false << u"Who?"_qs;
        QTest::newRow("criterion, Ctrl: new line") << true << true << u"Who?\nWhy"_qs;
    }

    void enterKey()
    {
        QFETCH(bool, inCriterion);
        QFETCH(bool, ctrl);
        QFETCH(QString, criterion);
        InfoForm* form = openInfo();
        fill(form, QString(), 0, u"Class"_qs, u"12"_qs, u"3"_qs);
        QTest::keyClicks(form->Criterion, u"Who?"_qs);
        QWidget* w = inCriterion ? static_cast<QWidget*>(form->Criterion) : form->IText[0];
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return, ctrl ? Qt::ControlModifier : Qt::NoModifier);
        if (ctrl)
            QTest::keyClicks(form->Criterion, u"Why"_qs);
        QCOMPARE(form->Criterion->toPlainText(), criterion);
        QCOMPARE(dataFormShown, ctrl ? 0 : 1);
    }

    void closingUnloadsTheWindow_data()
    {
        QTest::addColumn<bool>("list"); // the project list, else the study window
        QTest::addColumn<int>("how");   // 0 Quit or Cancel, 1 Esc, 2 close box
        for (int how : {0, 1, 2}) {
            QTest::addRow("study window %d", how) << false << how;
            QTest::addRow("project list %d", how) << true << how;
        }
    }

    void closingUnloadsTheWindow()
    {
        QFETCH(bool, list);
        QFETCH(int, how);
        db->addStudy({.record = 5});
        LoadForm* load = list ? openList() : nullptr;
        InfoForm* info = list ? nullptr : openInfo();
        if (info) {
            fill(info, u"Who?"_qs, 1, u"Class"_qs, u"15"_qs, u"3"_qs);
            QCOMPARE(openInfo(), info); // showing it again brings the same window forward
        }
        if (how == 0)
            (list ? load->Action[2] : info->Action[2])->click();
        else if (how == 1)
            QTest::keyClick(list ? static_cast<QWidget*>(load->LList) : info->IText[0],
                            Qt::Key_Escape);
        else
            (list ? static_cast<QWidget*>(load) : info)->close();
        QVERIFY(!SingleInstance<InfoForm>::loaded() && !SingleInstance<LoadForm>::loaded());
        QVERIFY(infoGroupSizeText().isEmpty() && Global::RefName.isEmpty());
        QCOMPARE(dataFormShown + messages->count(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (info)
            QVERIFY(openInfo()->IText[0]->text().isEmpty()); // the next use gets a fresh window
    }

    // ---- The project list window ------------------------------------------------

    void listWindowReadsWhenOpened()
    {
        for (int record : {12, 3})
            db->addStudy({.record = record, .layouts = {}});
        LoadForm* form = openList();
        QCOMPARE(listRecords(form), (QList<int>{3, 12}));
        QCOMPARE(form->LList->currentRow(), 0);
        QCOMPARE(QApplication::focusWidget(), form->LList);
        // While open, showing it again only brings it forward; a fresh one reads again.
        db->addStudy({.record = 20, .layouts = {}});
        QCOMPARE(openList(), form);
        QCOMPARE(listRecords(form).size(), 2);
        unloadLoadForm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(listRecords(openList()), (QList<int>{3, 12, 20}));
    }

    void okOpensTheChosenStudy_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<int>("record");
        // Two studies of one name: each entry opens its own record.
        QTest::newRow("first namesake, OK") << 0 << false << 4;
        QTest::newRow("second namesake, Enter") << 1 << true << 9;
    }

    void okOpensTheChosenStudy()
    {
        QFETCH(int, row);
        QFETCH(bool, byEnter);
        QFETCH(int, record);
        db->addStudy({.record = 4});
        db->addStudy({.record = 9});
        Global::NewProject = Global::True; // as after "&New Project"
        int recordWhenShown = -1;
        Forms::Show = [&](Forms::Window, QWidget*) { recordWhenShown = Global::CurrentRecord; };
        LoadForm* form = openList();
        form->LList->setCurrentRow(row);
        if (byEnter)
            QTest::keyClick(form->LList, Qt::Key_Return);
        else
            QTest::mouseClick(form->Action[0], Qt::LeftButton);
        QCOMPARE(recordWhenShown, record);
        QCOMPARE(Global::NewProject, Global::False);
        QVERIFY(!SingleInstance<LoadForm>::loaded());
    }

    void deleteAsksFirst_data()
    {
        QTest::addColumn<Answer>("answer");
        QTest::addColumn<bool>("refused"); // the file refuses the delete
        QTest::addColumn<QList<int>>("left");
        QTest::addColumn<int>("current"); // a delete tried reads the list again
        QTest::newRow("Yes") << Answer::Yes << false << QList<int>{3, 20} << 0;
        QTest::newRow("No") << Answer::No << false << QList<int>{3, 12, 20} << 1;
        QTest::newRow("Yes, refused") << Answer::Yes << true << QList<int>{3, 12, 20} << 0;
    }

    void deleteAsksFirst()
    {
        QFETCH(Answer, answer);
        QFETCH(bool, refused);
        QFETCH(QList<int>, left);
        QFETCH(int, current);
        for (int record : {3, 12, 20})
            db->addStudy({.record = record});
        if (refused)
            QVERIFY(db->failOn(u"POSITION"_qs));
        const QStringList before = db->dump();
        Global::CurrentRecord = 12; // as if open in the data window: it is not touched
        LoadForm* form = openList();
        form->LList->setCurrentRow(1);
        messages->answer({answer});
        QTest::mouseClick(form->Action[1], Qt::LeftButton);
        const Message& asked = messages->shown().front();
        QCOMPARE(asked.text, ProjectMessages::DeleteQuestion);
        QCOMPARE(asked.buttons, Buttons::YesNo);
        QCOMPARE(messages->texts().last(), refused ? NotDeleted : asked.text);
        QCOMPARE(listRecords(form), left);
        QCOMPARE(form->LList->currentRow(), current);
        QStringList after = before;
        if (left.size() == 2)
            after.removeIf([](const QString& row) { return row.section(u'|', 1, 1) == u"12"_qs; });
        QCOMPARE(db->dump(), after);
        QCOMPARE(Global::CurrentRecord, 12);
        QCOMPARE(dataFormShown, 0);
    }

    void deletingTheLastStudyLeavesOnlyCancel()
    {
        db->addStudy({.record = 5});
        LoadForm* form = openList();
        messages->answer({Answer::Yes});
        QTest::mouseClick(form->Action[1], Qt::LeftButton);
        QCOMPARE(form->LList->count(), 0);
        QVERIFY(!form->Action[0]->isEnabled() && !form->Action[1]->isEnabled());
        QVERIFY(db->dump().isEmpty());
        QTest::keyClick(form->LList, Qt::Key_Return);
        QCOMPARE(dataFormShown, 0);
    }
};

QTEST_MAIN(TestStudy)
#include "tst_study.moc"
