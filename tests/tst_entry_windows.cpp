// The data window and the entry window as a user meets them (offscreen).
#include "dataform.h"
#include "entryform.h"
#include "errorreport.h"
#include "forms.h"
#include "globals.h"
#include "scriptedmessages.h"
#include "store.h"
#include "testdb.h"
#include "windows.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QtTest>
#include <memory>

namespace {

QStringList captions(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        if (!a->isSeparator())
            out << a->text();
    return out;
}

} // namespace

class EntryWindowsTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;
    int infoUnloads = 0;
    int drawShows = 0;

    void newStudy(int criterionType)
    {
        Global::NewProject = Global::True;
        Global::CurrentRecord = 0;
        Global::RefName = QStringLiteral("Class 4B");
        Global::Question = QStringLiteral("Who would you sit with?");
        Global::GroupSize = 12;
        Global::MaxChoices = 3;
        Global::CriterionType = criterionType;
    }
    DataForm* openDataForm()
    {
        showDataForm();
        DataForm* form = SingleInstance<DataForm>::ifLoaded();
        if (form)
            (void)QTest::qWaitForWindowExposed(form);
        return form;
    }
    QPoint cellCentre(DataForm* form, int subject, int slot)
    {
        const QModelIndex i = form->Dgrid->model()->index(subject - 1, slot - 1);
        return form->Dgrid->visualRect(i).center();
    }

private Q_SLOTS:
    void init()
    {
        resetProgram();
        db = std::make_unique<TestDatabase>();
        QVERIFY(db->isValid());
        infoUnloads = 0;
        drawShows = 0;
        Forms::UnloadInfoForm = [this] { ++infoUnloads; };
        Forms::ShowDrawForm = [this] { ++drawShows; };
        DataForm::setEntryRunner(nullptr);
    }
    void cleanup()
    {
        SingleInstance<DataForm>::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        DataForm::setEntryRunner(nullptr);
        db.reset();
    }

    void dataWindowLayout()
    {
        newStudy(3);
        DataForm* form = openDataForm();
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("Class 4B"));
        QCOMPARE(form->centralWidget()->size(),
                 QSize(Twips::toPixels(7455), Twips::toPixels(5520)));
        QCOMPARE(form->DLabel0->text(),
                 QStringLiteral("Positive Criterion: Who would you sit with?"));
        QCOMPARE(form->DLabel0->geometry(), QRect(Twips::toPixels(120), Twips::toPixels(120),
                                                  Twips::toPixels(7095), Twips::toPixels(255)));
        QCOMPARE(form->DLabel0->font().family(), QStringLiteral("Times New Roman"));
        QVERIFY(form->DLabel0->font().bold());
        QCOMPARE(form->Dgrid->geometry(), QRect(Twips::toPixels(120), Twips::toPixels(600),
                                                Twips::toPixels(7215), Twips::toPixels(4815)));
        QCOMPARE(form->Dgrid->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(form->Dgrid->model()->rowCount(), 12);
        QCOMPARE(form->Dgrid->model()->columnCount(), 3);
        QCOMPARE(form->Dgrid->columnWidth(0), Twips::toPixels(1774));
        QCOMPARE(form->Dgrid->verticalHeader()->width(), Twips::toPixels(1774));
        auto* corner = form->Dgrid->findChild<QLabel*>(QStringLiteral("GridCorner"));
        QVERIFY(corner);
        QCOMPARE(corner->text(), QStringLiteral("Subject\nNumber"));

        QCOMPARE(captions(form->menuBar()->actions()),
                 (QStringList{"&File", "&Criterion Type", "&Plot Sociogram", "&Analysis"}));
        QCOMPARE(captions(form->File->actions()),
                 (QStringList{"&Save Data", "&Clear Data from Current Grid", "&Import Choices...",
                              "&Quit"}));
        QCOMPARE(captions(form->Criterion->actions()), (QStringList{"&Positive", "&Negative"}));
        QCOMPARE(captions(form->Plot->actions()), QStringList{"&Type"});
        QCOMPARE(captions(form->Type0->actions()),
                 (QStringList{"&Circle", "&Random", "&Square", "&Target"}));
        QVERIFY(!form->Crit[0]->isEnabled());
        QVERIFY(form->Crit[1]->isEnabled());
        for (QAction* a : form->File->actions())
            QVERIFY(a->shortcut().isEmpty());
        form->Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(form->DLabel0->text(),
                 QStringLiteral("Negative Criterion: Who would you sit with?"));
        QVERIFY(form->Crit[0]->isEnabled());
        QVERIFY(!form->Crit[1]->isEnabled());
    }

    void singleCriterionStudyCannotSwitch()
    {
        newStudy(2);
        DataForm* form = openDataForm();
        QVERIFY(!form->Crit[0]->isEnabled());
        QVERIFY(!form->Crit[1]->isEnabled());
        QCOMPARE(form->DLabel0->text(),
                 QStringLiteral("Negative Criterion: Who would you sit with?"));
    }

    void clickOpensTheEntryOnThatCell()
    {
        newStudy(1);
        DataForm* form = openDataForm();
        QStringList seen;
        DataForm::setEntryRunner([&](EntryForm& entry) {
            seen << entry.windowTitle() << entry.DText[0]->text() << entry.DText[1]->text()
                 << entry.DText[2]->text();
            entry.DText[2]->setText(QStringLiteral("7"));
            entry.Action[0]->click();
        });
        QTest::mouseClick(form->Dgrid->viewport(), Qt::LeftButton, {}, cellCentre(form, 3, 2));
        QCOMPARE(seen, (QStringList{"Data Entry", "3", "2", ""}));
        QCOMPARE(DataGrid().TextMatrix(4, 2), QStringLiteral("7"));
        QVERIFY(form->state.GridChanged);
        // The cell now shows the choice, and the entry opens with it.
        QCOMPARE(form->Dgrid->model()->index(2, 1).data().toString(), QStringLiteral("7"));
        seen.clear();
        DataForm::setEntryRunner([&](EntryForm& entry) {
            seen << entry.DText[2]->text();
            entry.Action[1]->click();
        });
        form->Dgrid->setFocus();
        // After OK the next slot of the same subject is the current cell.
        QCOMPARE(form->Dgrid->currentIndex(), form->Dgrid->model()->index(2, 2));
        form->Dgrid->setCurrentIndex(form->Dgrid->model()->index(2, 1));
        QTest::keyClick(form->Dgrid, Qt::Key_Return);
        QCOMPARE(seen, QStringList{"7"});
        QCOMPARE(DataGrid().TextMatrix(4, 2), QStringLiteral("7"));
        // A cancelled entry leaves the current cell where it was.
        QCOMPARE(form->Dgrid->currentIndex(), form->Dgrid->model()->index(2, 1));
    }

    // Keying a whole class from the keyboard: a number typed on a cell opens the entry
    // with it, Enter stores it and the next cell (the next subject's first slot after
    // the last slot) is ready for the next number.
    void typingNumbersFillsCellAfterCell()
    {
        newStudy(1);
        DataForm* form = openDataForm();
        DataForm::setEntryRunner([&](EntryForm& entry) {
            entry.show();
            QTRY_COMPARE(QApplication::focusWidget(), entry.DText[2]);
            QTest::qWait(20); // the focus handling is done
            // Typing goes on after what was typed on the grid.
            QTest::keyClicks(entry.DText[2], QStringLiteral("1"));
            QTest::keyClick(entry.DText[2], Qt::Key_Return);
        });
        form->Dgrid->setFocus();
        form->Dgrid->setCurrentIndex(form->Dgrid->model()->index(0, 1));
        for (const char first : {'0', '1', '1'})
            QTest::keyClick(form->Dgrid, first);
        // 01 for subject 1 passes the self-choice test, as a text check does.
        QCOMPARE(DataGrid().TextMatrix(2, 2), QStringLiteral("01"));
        QCOMPARE(DataGrid().TextMatrix(2, 3), QStringLiteral("11"));
        QCOMPARE(DataGrid().TextMatrix(3, 1), QStringLiteral("11"));
        QCOMPARE(form->Dgrid->currentIndex(), form->Dgrid->model()->index(1, 1));
        QVERIFY(form->state.GridChanged);
    }

    void movingTheCurrentCellOpensNothing()
    {
        newStudy(1);
        DataForm* form = openDataForm();
        int entries = 0;
        DataForm::setEntryRunner([&](EntryForm&) { ++entries; });
        for (int r = 2; r < 14; ++r)
            for (int c = 1; c < 4; ++c) {
                DataGrid().setRow(r);
                DataGrid().setCol(c);
            }
        form->Dgrid->setCurrentIndex(form->Dgrid->model()->index(4, 1));
        QTest::keyClick(form->Dgrid, Qt::Key_Down);
        QCOMPARE(entries, 0);
        QVERIFY(!form->state.GridChanged);
    }

    void entryWindow()
    {
        newStudy(1);
        ChoiceGrid& grid = DataGrid();
        DataForm* form = openDataForm();
        grid.setTextMatrix(6, 1, QStringLiteral("9"));
        grid.setRow(6);
        grid.setCol(1);
        EntryForm entry(grid, form);
        entry.show();
        QVERIFY(QTest::qWaitForWindowExposed(&entry));
        QCOMPARE(entry.size(), QSize(Twips::toPixels(3495), Twips::toPixels(2175)));
        QCOMPARE(entry.DLabel[0]->text(), QStringLiteral("Subject Number:"));
        QCOMPARE(entry.DLabel[1]->text(), QStringLiteral("Choice Number:"));
        QCOMPARE(entry.DLabel[2]->text(), QStringLiteral("Choice Made:"));
        QCOMPARE(entry.DText[2]->geometry(), QRect(Twips::toPixels(2520), Twips::toPixels(1080),
                                                   Twips::toPixels(855), Twips::toPixels(375)));
        QCOMPARE(entry.Action[0]->text(), QStringLiteral("&OK"));
        QCOMPARE(entry.Action[1]->text(), QStringLiteral("&Cancel"));
        QCOMPARE(entry.Action[0]->geometry().topLeft(),
                 QPoint(Twips::toPixels(2520), Twips::toPixels(1680)));
        QCOMPARE(entry.Action[1]->geometry().topLeft(),
                 QPoint(Twips::toPixels(120), Twips::toPixels(1680)));
        QVERIFY(entry.Action[0]->isDefault());
        QVERIFY(entry.windowFlags().testFlag(Qt::Dialog));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(entry.DText[i]->maxLength(), 3);
            QCOMPARE(entry.DText[i]->font().family(), QStringLiteral("Times New Roman"));
            QCOMPARE(entry.DText[i]->isEnabled(), i == 2);
        }
        QCOMPARE(entry.DText[0]->text(), QStringLiteral("5"));
        QCOMPARE(entry.DText[1]->text(), QStringLiteral("1"));
        QTRY_COMPARE(QApplication::focusWidget(), entry.DText[2]);
        QTRY_COMPARE(entry.DText[2]->selectedText(), QStringLiteral("9"));

        // Typing replaces the shown choice; a refused entry keeps the window open.
        ScriptedMessages messages;
        QTest::keyClicks(entry.DText[2], QStringLiteral("13"));
        QTest::keyClick(entry.DText[2], Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{"Choice Cannot Be Greater Than 12"});
        QVERIFY(entry.isVisible());
        QCOMPARE(grid.TextMatrix(6, 1), QStringLiteral("9"));
        entry.DText[2]->setText(QStringLiteral("5"));
        QTest::keyClick(entry.DText[2], Qt::Key_Return);
        QCOMPARE(messages.texts().last(), QStringLiteral("Subjects Cannot Choose Themselves "));
        entry.DText[2]->setText(QStringLiteral("11"));
        QTest::keyClick(entry.DText[2], Qt::Key_Escape);
        QVERIFY(!entry.isVisible());
        QCOMPARE(entry.result(), int(QDialog::Rejected));
        QCOMPARE(grid.TextMatrix(6, 1), QStringLiteral("9"));
    }

    void entryOkAndCloseBox()
    {
        newStudy(1);
        ChoiceGrid& grid = DataGrid();
        openDataForm();
        grid.setRow(3);
        grid.setCol(3);
        {
            EntryForm entry(grid);
            entry.show();
            entry.DText[2]->setText(QStringLiteral("4"));
            QTest::keyClick(entry.DText[2], Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(entry.result(), int(QDialog::Accepted));
            QCOMPARE(grid.TextMatrix(3, 3), QStringLiteral("4"));
        }
        {
            EntryForm entry(grid);
            entry.show();
            QCOMPARE(entry.DText[2]->text(), QStringLiteral("4"));
            entry.DText[2]->setText(QStringLiteral("8"));
            entry.close(); // the close box
            QCOMPARE(entry.result(), int(QDialog::Rejected));
            QCOMPARE(grid.TextMatrix(3, 3), QStringLiteral("4"));
        }
        {
            EntryForm entry(grid);
            entry.show();
            entry.DText[2]->clear();
            entry.Action[0]->click();
            QCOMPARE(grid.TextMatrix(3, 3), QString()); // an empty box clears the cell
        }
    }

    void closeBoxAsksLikeQuit()
    {
        newStudy(1);
        DataForm* form = openDataForm();
        ScriptedMessages messages;
        form->close();
        QVERIFY(SingleInstance<DataForm>::loaded() == false || !form->isVisible());
        QCOMPARE(messages.count(), 0);
        QCOMPARE(infoUnloads, 1);

        form = openDataForm();
        form->state.GridChanged = true;
        messages.answer({Answer::Cancel});
        form->close();
        QCOMPARE(messages.texts(), QStringList{"Save Changes?"});
        QVERIFY(form->isVisible());
        QVERIFY(SingleInstance<DataForm>::loaded());
        QCOMPARE(infoUnloads, 1);
        messages.answer({Answer::Cancel});
        QVERIFY(!DataForm::mayEnd());
        messages.answer({Answer::No});
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
        QTest::addColumn<int>("storedInA");
        QTest::newRow("Yes saves into the open study") << int(Answer::Yes) << true << 1;
        QTest::newRow("No drops the changes") << int(Answer::No) << true << 0;
        QTest::newRow("Cancel keeps the window") << int(Answer::Cancel) << false << 0;
    }
    void openStudySettlesBeforeAnotherTakesItsPlace()
    {
        QFETCH(int, answer);
        QFETCH(bool, settled);
        QFETCH(int, storedInA);
        for (const char* name : {"A", "B"})
            QVERIFY(db->addStudy(QString::fromLatin1(name), 8, 2, QStringLiteral("Q"), 1) > 0);
        Forms::SettleDataForm = &DataForm::settle;
        Global::CurrentRecord = 1;
        DataGrid().setTextMatrix(5, 2, QStringLiteral("7")); // left from an earlier window
        DataForm* a = openDataForm();
        QCOMPARE(DataGrid().TextMatrix(5, 2), QString()); // a window loads with an empty grid
        DataGrid().setTextMatrix(3, 1, QStringLiteral("5"));
        a->state.GridChanged = true;
        ScriptedMessages messages;
        messages.answer({Answer(answer)});
        QCOMPARE(Forms::mayChangeStudy(), settled);
        QCOMPARE(messages.texts(), QStringList{"Save Changes?"});
        QCOMPARE(
            db->scalar(QStringLiteral("SELECT count(*) FROM SOCIDATA WHERE HEADER = 1")).toInt(),
            storedInA);
        QCOMPARE(
            db->scalar(QStringLiteral("SELECT count(*) FROM SOCIDATA WHERE HEADER = 2")).toInt(),
            0);
        QCOMPARE(SingleInstance<DataForm>::loaded(), !settled);
        QCOMPARE(Global::CurrentRecord, 1);
        QCOMPARE(
            db->scalar(QStringLiteral("SELECT NAME FROM SOCIOMETRY WHERE RECORD = 2")).toString(),
            QStringLiteral("B"));
        QCOMPARE(infoUnloads, 0); // the study window stays for its own OK
        Forms::SettleDataForm = nullptr;
    }

    // A fresh window for the next study keeps showing the grid, even after the old
    // window (whose view watched the same grid) is finally deleted.
    void replacedWindowKeepsShowingTheGrid()
    {
        newStudy(1);
        openDataForm();
        showDataForm();
        DataForm* second = SingleInstance<DataForm>::ifLoaded();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(second);
        QSignalSpy changed(second->Dgrid->model(), &QAbstractItemModel::dataChanged);
        DataGrid().setTextMatrix(2, 1, QStringLiteral("4"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(second->Dgrid->model()->index(0, 0).data().toString(), QStringLiteral("4"));
    }

    void criterionLineIsPlainText()
    {
        newStudy(1);
        Global::Question = QStringLiteral("Who would you pick for <team>?");
        DataForm* form = openDataForm();
        QCOMPARE(form->DLabel0->textFormat(), Qt::PlainText);
        QCOMPARE(form->DLabel0->text(),
                 QStringLiteral("Positive Criterion: Who would you pick for <team>?"));
    }

    void longCriterionEndsInAnEllipsis()
    {
        newStudy(1);
        Global::Question = QString(100, u'W');
        DataForm* form = openDataForm();
        const QString line = form->DLabel0->text();
        QVERIFY(line.startsWith(QStringLiteral("Positive Criterion: WWW")));
        QVERIFY(line.endsWith(QChar(0x2026)));
        QVERIFY(form->DLabel0->fontMetrics().horizontalAdvance(line) <= form->DLabel0->width());
        QCOMPARE(form->DLabel0->toolTip(),
                 QStringLiteral("Positive Criterion: ") + Global::Question);
    }

    void layoutItemsOpenTheSociogram()
    {
        newStudy(1);
        DataForm* form = openDataForm();
        form->Sociogram[3]->trigger();
        QCOMPARE(Global::SociogramType, 3);
        QCOMPARE(drawShows, 1);
        form->Sociogram[1]->trigger();
        QCOMPARE(Global::SociogramType, 1);
        QCOMPARE(drawShows, 2);
    }
};

QTEST_MAIN(EntryWindowsTest)
#include "tst_entry_windows.moc"
