// The study information window and the project list, offscreen: their controls as
// designed, keyboard and focus behaviour, the one-instance rule, and what OK, Clear,
// Quit, Delete and Cancel do to the globals, the file and the other windows.

#include "errorreport.h"
#include "forms.h"
#include "globals.h"
#include "infoform.h"
#include "loadform.h"
#include "messages.h"
#include "projectlist.h"
#include "scriptedmessages.h"
#include "store.h"
#include "testdb.h"
#include "windows.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

namespace {

QRect twips(int left, int top, int width, int height)
{
    return QRect(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
                 Twips::toPixels(height));
}

QSize twipSize(int width, int height)
{
    return QSize(Twips::toPixels(width), Twips::toPixels(height));
}

// The widgets Tab visits from `first`, in order, until it comes back round.
QList<QWidget*> tabCycle(QWidget* first)
{
    QList<QWidget*> order{first};
    for (QWidget* w = first->nextInFocusChain(); w && w != first; w = w->nextInFocusChain()) {
        if (w->isWindow())
            continue;
        if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(first->window()))
            order << w;
    }
    return order;
}

void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void verifyFixedWindow(QWidget* w)
{
    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!w->windowIcon().isNull());
    QVERIFY(!w->isModal());
}

} // namespace

class TestStudyWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<ScriptedMessages> messages;
    int dataFormShown = 0;
    int recordWhenShown = -1;

    InfoForm* openInfo()
    {
        showInfoForm();
        InfoForm* form = SingleInstance<InfoForm>::ifLoaded();
        if (form)
            (void)QTest::qWaitForWindowActive(form);
        return form;
    }

    LoadForm* openList()
    {
        showLoadForm();
        LoadForm* form = SingleInstance<LoadForm>::ifLoaded();
        if (form)
            (void)QTest::qWaitForWindowActive(form);
        return form;
    }

    void addStudy(int record, const QString& name)
    {
        QVERIFY(db->exec(QStringLiteral("INSERT INTO SOCIOMETRY (RECORD, NAME, GROUPSIZE, CHOICES, "
                                        "QUESTION, CRITERIONTYPE) VALUES (?, ?, 12, 2, 'Who?', 1)"),
                         {record, name}));
        QVERIFY(db->exec(QStringLiteral("INSERT INTO SOCIDATA VALUES (?, 1, 2, 1, 3)"), {record}));
        QVERIFY(
            db->exec(QStringLiteral("INSERT INTO POSITION VALUES (?, 0, 1, 100, 200)"), {record}));
    }

    int studies() { return db->scalar(QStringLiteral("SELECT COUNT(*) FROM SOCIOMETRY")).toInt(); }

    static void fill(InfoForm* form, const QString& criterion, int typeIndex, const QString& name,
                     const QString& size, const QString& choices)
    {
        form->Criterion->setPlainText(criterion);
        form->ICombo->setCurrentIndex(typeIndex);
        form->IText[2]->setText(name);
        form->IText[0]->setText(size);
        form->IText[1]->setText(choices);
    }

    static QStringList listTexts(const LoadForm* form)
    {
        QStringList out;
        for (int i = 0; i < form->LList->count(); ++i)
            out << form->LList->item(i)->text();
        return out;
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
        recordWhenShown = -1;
        Forms::ShowDataForm = [this] {
            ++dataFormShown;
            recordWhenShown = Global::CurrentRecord;
        };
    }

    void cleanup()
    {
        unloadInfoForm();
        unloadLoadForm();
        flushDeletes();
        Forms::ShowDataForm = {};
        messages.reset();
        db.reset();
    }

    // ---- Study Information ------------------------------------------------------

    void infoWindowDefinition()
    {
        InfoForm* form = openInfo();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Study Information"));
        QCOMPARE(form->size(), twipSize(7455, 4110));
        verifyFixedWindow(form);
        // Centred on its screen when it is made, before the window system adds its frame.
        const QRect screen = form->screen()->geometry();
        const QRect frame = form->frameGeometry();
        const int slackX = (frame.width() - form->width()) / 2 + 1;
        const int slackY = (frame.height() - form->height()) / 2 + 1;
        QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= slackX);
        QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= slackY);
    }

    void infoLabels_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("rect");
        QTest::newRow("criterion") << 4 << "Criterion:" << twips(120, 120, 2655, 375);
        QTest::newRow("criterion type") << 5 << "Criterion Type:" << twips(120, 1080, 2775, 375);
        QTest::newRow("reference name") << 3 << "Reference Name:" << twips(120, 1560, 2775, 375);
        QTest::newRow("group size") << 0 << "Group Size (6-40):" << twips(120, 2160, 2775, 375);
        QTest::newRow("choices") << 1 << "Maximum Number of Choices Allowed (1-10):"
                                 << twips(120, 2760, 2655, 615);
    }

    void infoLabels()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QRect, rect);
        InfoForm* form = openInfo();
        QLabel* label = form->findChild<QLabel*>(QStringLiteral("ILabel_%1").arg(index));
        QVERIFY(label);
        QCOMPARE(label, form->ILabel[index]);
        QCOMPARE(label->text(), caption);
        QCOMPARE(label->geometry(), rect);
        QCOMPARE(label->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(label->font().pointSizeF(), 12.0);
        QVERIFY(label->font().bold());
        QVERIFY(label->wordWrap()); // the long caption takes two lines
        QVERIFY(!form->ILabel[2]);
    }

    void infoEntries_data()
    {
        QTest::addColumn<int>("index"); // IText index; 3 is the criterion box
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("criterion") << 3 << twips(3000, 120, 4335, 855) << 100
                                   << "This is used to store a description of the data set.";
        QTest::newRow("reference name") << 2 << twips(3000, 1560, 1695, 495) << 30
                                        << "This is used to identify the data set in the database";
        QTest::newRow("group size") << 0 << twips(3000, 2160, 855, 495) << 2 << "";
        QTest::newRow("choices") << 1 << twips(3000, 2760, 855, 525) << 2 << "";
    }

    void infoEntries()
    {
        QFETCH(int, index);
        QFETCH(QRect, rect);
        QFETCH(int, maxLength);
        QFETCH(QString, toolTip);
        InfoForm* form = openInfo();
        QWidget* box = index == 3 ? static_cast<QWidget*>(form->Criterion) : form->IText[index];
        QCOMPARE(box->geometry(), rect);
        QCOMPARE(box->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(box->font().pointSizeF(), 12.0);
        QVERIFY(!box->font().bold());
        QCOMPARE(box->toolTip(), toolTip);
        // Typing past the limit keeps only what fits.
        box->setFocus();
        QTest::keyClicks(box, QString(maxLength + 7, u'7'));
        const QString text =
            index == 3 ? form->Criterion->toPlainText() : form->IText[index]->text();
        QCOMPARE(text, QString(maxLength, u'7'));
    }

    void criterionLimitKeepsTheEarlierText()
    {
        InfoForm* form = openInfo();
        form->Criterion->setPlainText(QString(90, u'a'));
        QTextCursor c = form->Criterion->textCursor();
        c.setPosition(10);
        form->Criterion->setTextCursor(c);
        // A paste in the middle is cut to what fits; the text after it stays.
        form->Criterion->insertPlainText(QString(20, u'b'));
        QCOMPARE(form->Criterion->toPlainText(),
                 QString(10, u'a') + QString(10, u'b') + QString(80, u'a'));
        form->Criterion->setPlainText(QString(150, u'c'));
        QCOMPARE(form->Criterion->toPlainText().size(), 100);
    }

    void infoCriterionTypes()
    {
        InfoForm* form = openInfo();
        QComboBox* combo = form->ICombo;
        QCOMPARE(combo->geometry(), twips(3000, 1080, 1815, 405));
        QCOMPARE(combo->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(combo->font().pointSizeF(), 12.0);
        QVERIFY(!combo->isEditable());
        QCOMPARE(combo->count(), 3);
        const QStringList captions{u"Positive"_qs, u"Negative"_qs, u"Both"_qs};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(combo->itemText(i), captions.at(i));
            QCOMPARE(combo->itemData(i).toInt(), i + 1);
        }
        QCOMPARE(combo->currentIndex(), 0);
    }

    void infoButtons()
    {
        InfoForm* form = openInfo();
        const QStringList captions{u"&OK"_qs, u"&Clear"_qs, u"&Quit"_qs};
        const int lefts[] = {2880, 1680, 120};
        for (int i = 0; i < 3; ++i) {
            QPushButton* b = form->Action[i];
            QCOMPARE(b->text(), captions.at(i));
            QCOMPARE(b->geometry(), twips(lefts[i], 3600, 1000, 375));
            QCOMPARE(b->font().family(), QStringLiteral("MS Sans Serif"));
            QCOMPARE(b->font().pointSizeF(), 9.75);
        }
        QVERIFY(form->Action[0]->isDefault());
        QVERIFY(!form->Action[1]->isDefault());
        QVERIFY(!form->Action[2]->isDefault());
    }

    void infoTabOrderAndFocus()
    {
        InfoForm* form = openInfo();
        QCOMPARE(QApplication::focusWidget(), form->Criterion);
        QCOMPARE(
            tabCycle(form->Criterion),
            (QList<QWidget*>{form->Criterion, form->ICombo, form->IText[2], form->IText[0],
                             form->IText[1], form->Action[0], form->Action[1], form->Action[2]}));
        // Tab leaves the multi-line box instead of typing a tab into it.
        QTest::keyClick(form->Criterion, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), form->ICombo);
        QVERIFY(form->Criterion->toPlainText().isEmpty());
    }

    void clickIntoABoxSelectsItsText()
    {
        InfoForm* form = openInfo();
        fill(form, u"Who is your friend?"_qs, 0, u"Class 4b"_qs, u"12"_qs, u"3"_qs);
        QTest::mouseClick(form->IText[0], Qt::LeftButton, {}, QPoint(4, 4));
        QTRY_COMPARE(form->IText[0]->selectedText(), QStringLiteral("12"));
    }

    void focusSelectsTheWholeText()
    {
        InfoForm* form = openInfo();
        fill(form, u"Who is your friend?"_qs, 0, u"Class 4b"_qs, u"12"_qs, u"3"_qs);
        form->IText[2]->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(form->IText[2]->selectedText(), QStringLiteral("Class 4b"));
        QTest::keyClicks(form->IText[2], QStringLiteral("Gym"));
        QCOMPARE(form->IText[2]->text(), QStringLiteral("Gym"));
        // The multi-line criterion box too.
        form->Criterion->setFocus(Qt::OtherFocusReason);
        QTRY_COMPARE(form->Criterion->textCursor().selectedText(),
                     QStringLiteral("Who is your friend?"));
        QTest::keyClicks(form->Criterion, QStringLiteral("Whom?"));
        QCOMPARE(form->Criterion->toPlainText(), QStringLiteral("Whom?"));
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
        QCOMPARE(form->ICombo->currentText(), QStringLiteral("Positive"));
        QCOMPARE(QApplication::focusWidget(), form->Criterion);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(dataFormShown, 0);
    }

    void okWithValidEntriesOpensTheDataWindow()
    {
        InfoForm* form = openInfo();
        fill(form, u"Who?"_qs, 2, u"Class 4b"_qs, u"7x"_qs, u"10"_qs);
        QTest::mouseClick(form->Action[0], Qt::LeftButton);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(dataFormShown, 1);
        QCOMPARE(Global::RefName, QStringLiteral("Class 4b"));
        QCOMPARE(Global::Question, QStringLiteral("Who?"));
        QCOMPARE(Global::GroupSize, 7);
        QCOMPARE(Global::MaxChoices, 10);
        QCOMPARE(Global::CriterionType, 3);
        // It stays open underneath the data window.
        QCOMPARE(SingleInstance<InfoForm>::ifLoaded(), form);
        QVERIFY(form->isVisible());
    }

    void okWithWrongEntriesStaysHere()
    {
        addStudy(1, QStringLiteral("Class 4b"));
        InfoForm* form = openInfo();
        fill(form, QString(), 0, u"Class 4b"_qs, u"41"_qs, u"3"_qs);
        QTest::mouseClick(form->Action[0], Qt::LeftButton);
        QCOMPARE(messages->texts(),
                 (QStringList{StudyMessages::NoCriterion, StudyMessages::DuplicateName,
                              StudyMessages::BadGroupSize}));
        QCOMPARE(dataFormShown, 0);
        QVERIFY(Global::RefName.isEmpty());
        // After the study was saved as record 1 its own name is no obstacle.
        Global::CurrentRecord = 1;
        fill(form, u"Who?"_qs, 0, u"Class 4b"_qs, u"40"_qs, u"3"_qs);
        messages->clear();
        QTest::mouseClick(form->Action[0], Qt::LeftButton);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(dataFormShown, 1);
    }

    void enterPressesOkEverywhere_data()
    {
        QTest::addColumn<int>("box"); // IText index; 3 is the criterion box
        QTest::newRow("criterion") << 3;
        QTest::newRow("reference name") << 2;
        QTest::newRow("group size") << 0;
        QTest::newRow("choices") << 1;
    }

    void enterPressesOkEverywhere()
    {
        QFETCH(int, box);
        InfoForm* form = openInfo();
        fill(form, u"Who?"_qs, 0, u"Class"_qs, u"12"_qs, u"3"_qs);
        QWidget* w = box == 3 ? static_cast<QWidget*>(form->Criterion) : form->IText[box];
        w->setFocus();
        QTest::keyClick(w, Qt::Key_Return);
        QCOMPARE(dataFormShown, 1);
        QCOMPARE(form->Criterion->toPlainText(), QStringLiteral("Who?")); // no line break typed
    }

    void ctrlEnterBreaksTheCriterionLine()
    {
        InfoForm* form = openInfo();
        form->Criterion->setFocus();
        QTest::keyClicks(form->Criterion, QStringLiteral("Who"));
        QTest::keyClick(form->Criterion, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClicks(form->Criterion, QStringLiteral("Why"));
        QCOMPARE(form->Criterion->toPlainText(), QStringLiteral("Who\nWhy"));
        QCOMPARE(dataFormShown, 0);
        QCOMPARE(messages->count(), 0);
    }

    void quitAndEscUnloadTheWindow_data()
    {
        QTest::addColumn<int>("how"); // 0 Quit, 1 Esc, 2 close box
        QTest::newRow("Quit") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }

    void quitAndEscUnloadTheWindow()
    {
        QFETCH(int, how);
        InfoForm* form = openInfo();
        fill(form, u"Who?"_qs, 1, u"Class"_qs, u"12"_qs, u"3"_qs);
        QCOMPARE(infoGroupSizeText(), QStringLiteral("12"));
        if (how == 0)
            QTest::mouseClick(form->Action[2], Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(form->IText[0], Qt::Key_Escape);
        else
            form->close();
        QVERIFY(!SingleInstance<InfoForm>::loaded());
        QVERIFY(infoGroupSizeText().isEmpty());
        QCOMPARE(dataFormShown, 0);
        QCOMPARE(messages->count(), 0);
        QVERIFY(Global::RefName.isEmpty()); // nothing was kept
        flushDeletes();
        // The next use gets a fresh window.
        InfoForm* again = openInfo();
        QVERIFY(again->Criterion->toPlainText().isEmpty());
        QVERIFY(again->IText[0]->text().isEmpty());
        QCOMPARE(again->ICombo->currentIndex(), 0);
    }

    void showingAgainBringsTheSameWindowForward()
    {
        InfoForm* form = openInfo();
        fill(form, u"Who?"_qs, 2, u"Class"_qs, u"15"_qs, u"3"_qs);
        QCOMPARE(openInfo(), form);
        QCOMPARE(form->IText[0]->text(), QStringLiteral("15"));
        QCOMPARE(form->ICombo->currentIndex(), 2);
        QCOMPARE(infoGroupSizeText(), QStringLiteral("15"));
        unloadInfoForm();
        QVERIFY(infoGroupSizeText().isEmpty());
    }

    // ---- Load File --------------------------------------------------------------

    void listWindowDefinition()
    {
        addStudy(1, QStringLiteral("Class"));
        LoadForm* form = openList();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Load File"));
        QCOMPARE(form->size(), twipSize(3990, 2895));
        verifyFixedWindow(form);
        QCOMPARE(form->Lload->text(), QStringLiteral("Select Project"));
        QCOMPARE(form->Lload->geometry(), twips(120, 120, 3615, 375));
        QCOMPARE(form->Lload->font().family(), QStringLiteral("Times New Roman"));
        QCOMPARE(form->Lload->font().pointSizeF(), 14.25);
        QCOMPARE(form->LList->geometry(), twips(120, 600, 3735, 1620));
        QCOMPARE(form->LList->selectionMode(), QAbstractItemView::SingleSelection);
        const QStringList captions{u"&OK"_qs, u"&Delete"_qs, u"&Cancel"_qs};
        const int lefts[] = {3000, 1800, 120};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(form->Action[i]->text(), captions.at(i));
            QCOMPARE(form->Action[i]->geometry(), twips(lefts[i], 2400, 855, 375));
        }
        QVERIFY(form->Action[0]->isDefault());
        QCOMPARE(QApplication::focusWidget(), form->LList);
        QCOMPARE(tabCycle(form->LList),
                 (QList<QWidget*>{form->LList, form->Action[0], form->Action[1], form->Action[2]}));
    }

    void listShowsStudiesByRecord()
    {
        addStudy(12, QStringLiteral("Class 4b"));
        addStudy(3, QStringLiteral("Class 4b"));
        addStudy(7, QStringLiteral("Gym"));
        LoadForm* form = openList();
        QCOMPARE(listTexts(form), (QStringList{u"Class 4b"_qs, u"Gym"_qs, u"Class 4b"_qs}));
        QCOMPARE(listRecords(form), (QList<int>{3, 7, 12}));
        QCOMPARE(form->LList->currentRow(), 0);
        QVERIFY(form->LList->item(0)->isSelected());
        QVERIFY(form->Action[0]->isEnabled());
        QVERIFY(form->Action[1]->isEnabled());
        QCOMPARE(messages->count(), 0);
        QCOMPARE(QApplication::overrideCursor(), nullptr); // the hourglass has gone
    }

    void emptyListLeavesOnlyCancel()
    {
        LoadForm* form = openList();
        QCOMPARE(form->LList->count(), 0);
        QVERIFY(!form->Action[0]->isEnabled());
        QVERIFY(!form->Action[1]->isEnabled());
        QVERIFY(form->Action[2]->isEnabled());
        QTest::keyClick(form->LList, Qt::Key_Return);
        QCOMPARE(dataFormShown, 0);
        QTest::mouseClick(form->Action[2], Qt::LeftButton);
        QVERIFY(!SingleInstance<LoadForm>::loaded());
    }

    void okOpensTheChosenStudy_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<int>("record");
        // Two studies of one name: each entry opens its own record.
        QTest::newRow("first namesake, OK") << 0 << false << 4;
        QTest::newRow("second namesake, OK") << 1 << false << 9;
        QTest::newRow("second namesake, Enter") << 1 << true << 9;
    }

    void okOpensTheChosenStudy()
    {
        QFETCH(int, row);
        QFETCH(bool, byEnter);
        QFETCH(int, record);
        addStudy(4, QStringLiteral("Class"));
        addStudy(9, QStringLiteral("Class"));
        // As when "&New Project" was chosen while the list stood open.
        Global::NewProject = Global::True;
        Global::CurrentRecord = 0;
        LoadForm* form = openList();
        form->LList->setCurrentRow(row);
        if (byEnter)
            QTest::keyClick(form->LList, Qt::Key_Return);
        else
            QTest::mouseClick(form->Action[0], Qt::LeftButton);
        QCOMPARE(dataFormShown, 1);
        QCOMPARE(recordWhenShown, record);
        QCOMPARE(Global::CurrentRecord, record);
        QCOMPARE(Global::NewProject, Global::False);
        QVERIFY(!SingleInstance<LoadForm>::loaded());
        QCOMPARE(studies(), 2);
    }

    void doubleClickOnlySelects()
    {
        addStudy(1, QStringLiteral("A"));
        addStudy(2, QStringLiteral("B"));
        LoadForm* form = openList();
        const QRect second = form->LList->visualItemRect(form->LList->item(1));
        QTest::mouseDClick(form->LList->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(form->LList->currentRow(), 1);
        QCOMPARE(dataFormShown, 0);
        QVERIFY(SingleInstance<LoadForm>::loaded());
    }

    void deleteAsksAndRemovesTheSelectedStudy()
    {
        addStudy(3, QStringLiteral("Class"));
        addStudy(12, QStringLiteral("Class"));
        addStudy(20, QStringLiteral("Gym"));
        Global::CurrentRecord = 12; // as if open in the data window: it is not touched
        LoadForm* form = openList();
        form->LList->setCurrentRow(1);
        messages->answer({Answer::Yes});
        QTest::mouseClick(form->Action[1], Qt::LeftButton);
        QCOMPARE(messages->count(), 1);
        const Message& asked = messages->shown().front();
        QCOMPARE(asked.text, QStringLiteral("Delete the Current Record?"));
        QCOMPARE(asked.buttons, Buttons::YesNo);
        QCOMPARE(asked.icon, Icon::None);
        QCOMPARE(asked.title, ProgramTitle);
        QCOMPARE(listRecords(form), (QList<int>{3, 20}));
        QCOMPARE(form->LList->currentRow(), 0);
        QCOMPARE(db->scalar(u"SELECT COUNT(*) FROM SOCIDATA WHERE HEADER = 12"_qs).toInt(), 0);
        QCOMPARE(db->scalar(u"SELECT COUNT(*) FROM POSITION WHERE HEADER = 12"_qs).toInt(), 0);
        QCOMPARE(db->scalar(u"SELECT COUNT(*) FROM SOCIDATA"_qs).toInt(), 2);
        QCOMPARE(Global::CurrentRecord, 12);
        QCOMPARE(dataFormShown, 0);
        QVERIFY(form->isVisible());
        QVERIFY(form->cursor().shape() != Qt::WaitCursor);
    }

    void answeringNoChangesNothing()
    {
        addStudy(3, QStringLiteral("Class"));
        addStudy(4, QStringLiteral("Gym"));
        const QByteArray before = db->bytes();
        LoadForm* form = openList();
        form->LList->setCurrentRow(1);
        messages->answer({Answer::No});
        QTest::mouseClick(form->Action[1], Qt::LeftButton);
        QCOMPARE(messages->count(), 1);
        QCOMPARE(db->bytes(), before);
        QCOMPARE(listRecords(form), (QList<int>{3, 4}));
        QCOMPARE(form->LList->currentRow(), 1);
    }

    void deletingTheLastStudyDisablesOkAndDelete()
    {
        addStudy(5, QStringLiteral("Only"));
        LoadForm* form = openList();
        messages->answer({Answer::Yes});
        QTest::mouseClick(form->Action[1], Qt::LeftButton);
        QCOMPARE(form->LList->count(), 0);
        QVERIFY(!form->Action[0]->isEnabled());
        QVERIFY(!form->Action[1]->isEnabled());
        QVERIFY(form->Action[2]->isEnabled());
        QCOMPARE(studies(), 0);
    }

    void failedDeleteKeepsTheEntry()
    {
        addStudy(5, QStringLiteral("Kept"));
        QVERIFY(db->exec(QStringLiteral("CREATE TRIGGER refuse BEFORE DELETE ON POSITION "
                                        "BEGIN SELECT RAISE(ABORT, 'kept'); END")));
        LoadForm* form = openList();
        messages->answer({Answer::Yes});
        QTest::mouseClick(form->Action[1], Qt::LeftButton);
        QCOMPARE(messages->count(), 3); // the question, the error, the outcome
        QCOMPARE(messages->texts().last(), ProjectMessages::NotDeleted);
        QCOMPARE(listTexts(form), QStringList{u"Kept"_qs});
        QCOMPARE(studies(), 1);
        QCOMPARE(db->scalar(u"SELECT COUNT(*) FROM SOCIDATA"_qs).toInt(), 1);
    }

    void nothingSelectedDoesNothing()
    {
        addStudy(5, QStringLiteral("Class"));
        LoadForm* form = openList();
        form->LList->clearSelection();
        QTest::mouseClick(form->Action[0], Qt::LeftButton);
        QTest::mouseClick(form->Action[1], Qt::LeftButton);
        QCOMPARE(dataFormShown, 0);
        QCOMPARE(messages->count(), 0);
        QCOMPARE(studies(), 1);
        QVERIFY(SingleInstance<LoadForm>::loaded());
    }

    void cancelAndEscCloseTheList_data()
    {
        QTest::addColumn<int>("how"); // 0 Cancel, 1 Esc, 2 close box
        QTest::newRow("Cancel") << 0;
        QTest::newRow("Esc") << 1;
        QTest::newRow("close box") << 2;
    }

    void cancelAndEscCloseTheList()
    {
        QFETCH(int, how);
        addStudy(5, QStringLiteral("Class"));
        Global::CurrentRecord = 2;
        LoadForm* form = openList();
        if (how == 0)
            QTest::mouseClick(form->Action[2], Qt::LeftButton);
        else if (how == 1)
            QTest::keyClick(form->LList, Qt::Key_Escape);
        else
            form->close();
        QVERIFY(!SingleInstance<LoadForm>::loaded());
        QCOMPARE(Global::CurrentRecord, 2);
        QCOMPARE(dataFormShown, 0);
        QCOMPARE(studies(), 1);
    }

    void openListIsBroughtForwardFreshOneRefilled()
    {
        addStudy(1, QStringLiteral("First"));
        LoadForm* form = openList();
        addStudy(2, QStringLiteral("Second"));
        // While open, showing it again only brings it forward.
        QCOMPARE(openList(), form);
        QCOMPARE(listTexts(form), QStringList{u"First"_qs});
        unloadLoadForm();
        flushDeletes();
        LoadForm* fresh = openList();
        QCOMPARE(listTexts(fresh), (QStringList{u"First"_qs, u"Second"_qs}));
    }
};

QTEST_MAIN(TestStudyWindows)
#include "tst_study_windows.moc"
