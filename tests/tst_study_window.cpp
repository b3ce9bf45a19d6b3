// The study window and the project list window, offscreen.

#include "classlist.h"
#include "forms.h"
#include "globals.h"
#include "infoform.h"
#include "loadform.h"
#include "projectlist.h"
#include "validate.h"
#include "windowfixture.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace StudyMessages;

Q_DECLARE_METATYPE(Answer)

class TestStudyWindow : public QObject {
    Q_OBJECT

    WindowFixture f;
    ScriptedMessages* messages = &f.messages;
    int dataFormShown = 0;

    static InfoForm* openInfo() { return WindowFixture::openWindow<InfoForm>(showInfoForm); }
    static LoadForm* openList() { return WindowFixture::openWindow<LoadForm>(showLoadForm); }

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
        f.init();
        dataFormShown = 0;
        Forms::Show = [this](Forms::Window, QWidget*) { ++dataFormShown; };
    }
    void cleanup() { f.cleanup(); }

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
        // Shown again with the focus left in another box, it starts in the first one.
        form->IText[2]->setFocus();
        form->hide();
        QCOMPARE(openInfo(), form);
        QCOMPARE(form->focusWidget(), form->Criterion);
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
        QVERIFY(f.db().addStudy(u"Class 4b"_qs, 12, 3, u"Who?"_qs, 1));
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
        InfoForm* form = openInfo();
        fill(form, QString(), 0, u"Class"_qs, u"12"_qs, u"3"_qs);
        QTest::keyClicks(form->Criterion, u"Who?"_qs);
        QWidget* w = inCriterion ? static_cast<QWidget*>(form->Criterion) : form->IText[0];
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return, ctrl ? Qt::ControlModifier : Qt::NoModifier);
        if (ctrl)
            QTest::keyClicks(form->Criterion, u"Why"_qs);
        QTEST(form->Criterion->toPlainText(), "criterion");
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
        f.db().addStudy({.record = 5});
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
            f.db().addStudy({.record = record, .layouts = {}});
        LoadForm* form = openList();
        QCOMPARE(listRecords(form), (QList<int>{3, 12}));
        QCOMPARE(form->LList->currentRow(), 0);
        QCOMPARE(QApplication::focusWidget(), form->LList);
        // While open, showing it again only brings it forward; a fresh one reads again.
        f.db().addStudy({.record = 20, .layouts = {}});
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
        f.db().addStudy({.record = 4});
        f.db().addStudy({.record = 9});
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
        QTest::addColumn<QList<int>>("left");
        QTest::addColumn<int>("current"); // a delete tried reads the list again
        QTest::newRow("Yes") << Answer::Yes << QList<int>{3, 20} << 0;
        QTest::newRow("No") << Answer::No << QList<int>{3, 12, 20} << 1;
    }

    void deleteAsksFirst()
    {
        QFETCH(Answer, answer);
        QFETCH(QList<int>, left);
        for (int record : {3, 12, 20})
            f.db().addStudy({.name = u"Class %1"_qs.arg(record), .record = record});
        const QStringList before = f.db().dump();
        Global::CurrentRecord = 12; // as if open in the data window: it is not touched
        // The data window of the study goes before the study does.
        QStringList closed;
        Forms::CloseDeletedStudy = [&](long record) {
            closed << QString::number(record) << QString::number(f.db().dump().size());
        };
        ClassList::instance().setNames(12, {u"Al"_qs});
        LoadForm* form = openList();
        form->LList->setCurrentRow(1);
        messages->answer({answer});
        QTest::mouseClick(form->Action[1], Qt::LeftButton);
        const Message& asked = messages->shown().front();
        QCOMPARE(asked.text, "\"Class 12\"\n\n" + ProjectMessages::DeleteQuestion);
        const QStringList expected{u"12"_qs, QString::number(before.size())};
        QCOMPARE(closed, answer == Answer::Yes ? expected : QStringList());
        QCOMPARE(asked.buttons, Buttons::YesNo);
        QCOMPARE(messages->count(), 1);
        QCOMPARE(listRecords(form), left);
        QTEST(form->LList->currentRow(), "current");
        QStringList after = before;
        if (left.size() == 2)
            after.removeIf([](const QString& row) { return row.section(u'|', 1, 1) == u"12"_qs; });
        QCOMPARE(f.db().dump(), after);
        QCOMPARE(Global::CurrentRecord, 12);
        QCOMPARE(dataFormShown, 0);
        // The names go with the study: a later one given its number starts without them.
        QCOMPARE(ClassList::instance().loaded(), left.size() == 3);
    }

    void deletingTheLastStudyLeavesOnlyCancel()
    {
        f.db().addStudy({.record = 5});
        LoadForm* form = openList();
        messages->answer({Answer::Yes});
        QTest::mouseClick(form->Action[1], Qt::LeftButton);
        QCOMPARE(form->LList->count(), 0);
        QVERIFY(!form->Action[0]->isEnabled() && !form->Action[1]->isEnabled());
        QVERIFY(f.db().dump().isEmpty());
        QTest::keyClick(form->LList, Qt::Key_Return);
        QCOMPARE(dataFormShown, 0);
    }
};

QTEST_MAIN(TestStudyWindow)
#include "tst_study_window.moc"
