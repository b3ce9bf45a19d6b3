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
    // The windows' parts by object name.
    static auto* box(InfoForm* f, int i) { return f->findChild<QLineEdit*>(u"IText_%1"_qs.arg(i)); }
    static auto* combo(InfoForm* f) { return f->findChild<QComboBox*>(u"ICombo_0"_qs); }
    static auto* criterionBox(InfoForm* f) { return f->findChild<QPlainTextEdit*>(u"IText_3"_qs); }
    static auto* button(QWidget* f, int i)
    {
        return f->findChild<QPushButton*>(u"Action_%1"_qs.arg(i));
    }
    static auto* projects(const LoadForm* f) { return f->findChild<QListWidget*>(u"LList"_qs); }

    static void fill(InfoForm* form, const QString& criterion, int typeIndex, const QString& name,
                     const QString& size, const QString& choices)
    {
        criterionBox(form)->setPlainText(criterion);
        combo(form)->setCurrentIndex(typeIndex);
        box(form, 2)->setText(name);
        box(form, 0)->setText(size);
        box(form, 1)->setText(choices);
    }

    static QList<int> listRecords(const LoadForm* form)
    {
        QList<int> out;
        for (int i = 0; i < projects(form)->count(); ++i)
            out << projects(form)->item(i)->data(Qt::UserRole).toInt();
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
        QCOMPARE(QApplication::focusWidget(), criterionBox(form));
        // Tab leaves the multi-line box instead of typing a tab into it.
        QTest::keyClick(criterionBox(form), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), combo(form));
        // A paste into the criterion is cut to what fits; the text after it stays.
        criterionBox(form)->setPlainText(QString(90, u'a'));
        QTextCursor c = criterionBox(form)->textCursor();
        c.setPosition(10);
        criterionBox(form)->setTextCursor(c);
        criterionBox(form)->insertPlainText(QString(20, u'b'));
        const QString cut = QString(10, u'a') + QString(10, u'b') + QString(80, u'a');
        QCOMPARE(criterionBox(form)->toPlainText(), cut);
        // Coming into a box selects its whole text.
        box(form, 0)->setText(u"12"_qs);
        QTest::mouseClick(box(form, 0), Qt::LeftButton, {}, QPoint(4, 4));
        QTRY_COMPARE(box(form, 0)->selectedText(), u"12"_qs);
        criterionBox(form)->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(criterionBox(form)->textCursor().selectedText(), cut);
        QTest::keyClicks(criterionBox(form), u"Whom?"_qs);
        QCOMPARE(criterionBox(form)->toPlainText(), u"Whom?"_qs);
        // Shown again with the focus left in another box, it starts in the first one.
        box(form, 2)->setFocus();
        form->hide();
        QCOMPARE(openInfo(), form);
        QCOMPARE(form->focusWidget(), criterionBox(form));
    }

    void clearEmptiesTheEntries()
    {
        InfoForm* form = openInfo();
        fill(form, u"Who?"_qs, 2, u"Class"_qs, u"12"_qs, u"3"_qs);
        box(form, 1)->setFocus();
        QTest::mouseClick(button(form, 1), Qt::LeftButton);
        QVERIFY(criterionBox(form)->toPlainText().isEmpty());
        for (int i = 0; i < 3; ++i)
            QVERIFY(box(form, i)->text().isEmpty());
        QCOMPARE(combo(form)->currentIndex(), 0);
        QCOMPARE(QApplication::focusWidget(), criterionBox(form));
        QCOMPARE(dataFormShown + messages->count(), 0);
    }

    void okChecksThenOpensTheDataWindow()
    {
        QVERIFY(f.db().addStudy(u"Class 4b"_qs, 12, 3, u"Who?"_qs, 1));
        InfoForm* form = openInfo();
        fill(form, QString(), 0, u"Class 4b"_qs, u"41"_qs, u"3"_qs);
        QTest::mouseClick(button(form, 0), Qt::LeftButton);
        QCOMPARE(messages->texts(), (QStringList{NoCriterion, DuplicateName, BadGroupSize}));
        QCOMPARE(dataFormShown, 0);
        // Once the study is saved as record 1 its own name is no obstacle.
        Global::CurrentRecord = 1;
        fill(form, u"Who?"_qs, 2, u"Class 4b"_qs, u"7x"_qs, u"10"_qs);
        QTest::mouseClick(button(form, 0), Qt::LeftButton);
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
        QTest::keyClicks(criterionBox(form), u"Who?"_qs);
        QWidget* w = inCriterion ? static_cast<QWidget*>(criterionBox(form)) : box(form, 0);
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return, ctrl ? Qt::ControlModifier : Qt::NoModifier);
        if (ctrl)
            QTest::keyClicks(criterionBox(form), u"Why"_qs);
        QTEST(criterionBox(form)->toPlainText(), "criterion");
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
            (list ? button(load, 2) : button(info, 2))->click();
        else if (how == 1)
            QTest::keyClick(list ? static_cast<QWidget*>(projects(load)) : box(info, 0),
                            Qt::Key_Escape);
        else
            (list ? static_cast<QWidget*>(load) : info)->close();
        QVERIFY(!SingleInstance<InfoForm>::loaded() && !SingleInstance<LoadForm>::loaded());
        QVERIFY(infoGroupSizeText().isEmpty() && Global::RefName.isEmpty());
        QCOMPARE(dataFormShown + messages->count(), 0);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (info)
            QVERIFY(box(openInfo(), 0)->text().isEmpty()); // the next use gets a fresh window
    }

    // ---- The project list window ------------------------------------------------

    void listWindowReadsWhenOpened()
    {
        for (int record : {12, 3})
            f.db().addStudy({.record = record, .layouts = {}});
        LoadForm* form = openList();
        QCOMPARE(listRecords(form), (QList<int>{3, 12}));
        QCOMPARE(projects(form)->currentRow(), 0);
        QCOMPARE(QApplication::focusWidget(), projects(form));
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
        projects(form)->setCurrentRow(row);
        if (byEnter)
            QTest::keyClick(projects(form), Qt::Key_Return);
        else
            QTest::mouseClick(button(form, 0), Qt::LeftButton);
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
        ClassList::instance().setNames(12, {{}, u"Al"_qs});
        LoadForm* form = openList();
        projects(form)->setCurrentRow(1);
        messages->answer({answer});
        QTest::mouseClick(button(form, 1), Qt::LeftButton);
        const Message& asked = messages->shown().front();
        QCOMPARE(asked.text, "\"Class 12\"\n\n" + ProjectMessages::DeleteQuestion);
        const QStringList expected{u"12"_qs, QString::number(before.size())};
        QCOMPARE(closed, answer == Answer::Yes ? expected : QStringList());
        QCOMPARE(asked.buttons, Buttons::YesNo);
        QCOMPARE(messages->count(), 1);
        QCOMPARE(listRecords(form), left);
        QTEST(projects(form)->currentRow(), "current");
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
        QTest::mouseClick(button(form, 1), Qt::LeftButton);
        QCOMPARE(projects(form)->count(), 0);
        QVERIFY(!button(form, 0)->isEnabled() && !button(form, 1)->isEnabled());
        QVERIFY(f.db().dump().isEmpty());
        QTest::keyClick(projects(form), Qt::Key_Return);
        QCOMPARE(dataFormShown, 0);
    }
};

QTEST_MAIN(TestStudyWindow)
#include "tst_study_window.moc"
