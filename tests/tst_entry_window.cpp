// The data and entry windows offscreen: the criterion line, the entry opened by a click,
// Enter or typing, closing, another study taking the window's place, and the grid's columns.
#include "classlist.h"
#include "dataform.h"
#include "entryform.h"
#include "forms.h"
#include "globals.h"
#include "gridfill.h"
#include "kioskwindow.h"
#include "windowfixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>

class EntryWindowTest : public QObject {
    Q_OBJECT

    WindowFixture f;
    ScriptedMessages& messages = f.messages;
    ChoiceGrid& grid = DataGrid();
    int infoUnloads = 0;
    int drawShows = 0;

    DataForm* openDataForm() { return WindowFixture::openWindow<DataForm>(showDataForm); }
    static auto* view(DataForm* form) { return form->findChild<QTableView*>(u"Dgrid"_qs); }
    QModelIndex cell(DataForm* form, int subject, int slot)
    {
        return view(form)->model()->index(subject - 1, slot - 1);
    }
    // The entry window's boxes (0 subject, 1 slot, 2 choice) and buttons (0 OK, 1 Cancel).
    static auto* box(EntryForm& e, int i) { return e.findChild<QLineEdit*>(u"DText_%1"_qs.arg(i)); }
    static auto* button(EntryForm& e, int i)
    {
        return e.findChild<QPushButton*>(u"Action_%1"_qs.arg(i));
    }

private Q_SLOTS:
    void init()
    {
        f.init();
        grid.setShape(0, 0);
        infoUnloads = drawShows = 0;
        Forms::UnloadInfoForm = [this] { ++infoUnloads; };
        Forms::Show = [this](Forms::Window w, QWidget*) { drawShows += w == Forms::Window::Draw; };
    }
    void cleanup()
    {
        f.cleanup();
        DataForm::setEntryRunner(nullptr);
    }

    // A larger window gives the grid the room: a class of thirty is seen whole.
    void gridGrowsWithTheWindow()
    {
        f.openStudy(30, 3, 1, false);
        DataForm* form = openDataForm();
        const QSize designed = view(form)->size();
        QVERIFY(view(form)->rowViewportPosition(29) > view(form)->viewport()->height());
        form->resize(form->width() + 200, form->height() + 400);
        QTRY_COMPARE(view(form)->size(), designed + QSize(200, 400));
        QVERIFY(view(form)->rowViewportPosition(29) + view(form)->rowHeight(29) <=
                view(form)->viewport()->height());
    }

    // The criterion items follow the study; a criterion too long for its line ends in
    // an ellipsis, whole in the tooltip.
    void criterionLineAndItemsFollowTheStudy()
    {
        f.openStudy(12, 3, 3, false);
        Global::Question = QString(100, u'W');
        DataForm* form = openDataForm();
        const auto on = [form](const char* name) {
            return form->findChild<QAction*>(QLatin1String(name))->isEnabled();
        };
        const auto* label = form->findChild<QLabel*>(u"DLabel_0"_qs);
        QVERIFY(!on("Crit_0") && on("Crit_1"));
        QVERIFY(label->text().endsWith(QChar(0x2026)));
        QVERIFY(label->fontMetrics().horizontalAdvance(label->text()) <= label->width());
        form->Crit_Click(DataState::CriterionItem::Negative);
        QCOMPARE(label->toolTip(), "Negative Criterion: " + Global::Question);
        QVERIFY(on("Crit_0") && !on("Crit_1"));
    }

    // A round at the shared computer: a pupil's answer is stored at once and the screen
    // clears to the pupils, the answered one marked; there is no way back to it, and only
    // the chord, confirmed, ends the round.
    void kioskStoresOneAnswerAndClears()
    {
        const int record = f.openStudy(6, 2, 3);
        f.db().addAnswer(record, 1, 4, 1, 5); // subject 3 keyed before
        ClassList::instance().setNames(record, {{}, u"Al"_qs, u"Bo"_qs});
        DataForm* form = openDataForm();
        KioskWindow* kiosk = form->pupilsAnswerHere();
        QVERIFY(kiosk && kiosk->isVisible() && !form->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(kiosk));
        const auto target = [kiosk](const QString& text) -> QPushButton* {
            for (QPushButton* b : kiosk->targets())
                if (b->text() == text)
                    return b;
            return nullptr;
        };
        QCOMPARE(kiosk->targets().size(), 6);
        QPushButton* keyed = target(u"\u2713 3"_qs); // the file holds their answer
        QVERIFY(keyed && !keyed->isEnabled());
        target(u"Bo"_qs)->click();
        QVERIFY(!target(u"Bo"_qs)); // never themselves
        target(u"4"_qs)->click();   // the first touched is choice 1
        target(u"Al"_qs)->click();
        QVERIFY(!target(u"5"_qs)->isEnabled()); // two choices are all
        kiosk->findChild<QPushButton*>(u"nextButton"_qs)->click();
        target(u"6"_qs)->click();
        target(u"Nobody"_qs)->click();
        QVERIFY(!target(u"6"_qs)->isChecked());
        kiosk->findChild<QPushButton*>(u"nextButton"_qs)->click();
        QCOMPARE(kiosk->reviewText(), u"Positive Criterion: Who?\n    Number 4, Al\n"
                                      "Negative Criterion: Who?\n    Nobody"_qs);
        kiosk->findChild<QPushButton*>(u"confirmButton"_qs)->click();
        QCOMPARE(f.db().answers(record), u"1:3:1=4 1:3:2=1 1:4:1=5"_qs);
        QCOMPARE(choiceCells(grid).mid(0, 3), QStringList({u". ."_qs, u"4 1"_qs, u"5 ."_qs}));
        QCOMPARE(kiosk->page(), KioskWindow::Page::Pupils);
        QVERIFY(kiosk->answered(2) && !target(u"\u2713 Bo"_qs)->isEnabled());
        QVERIFY(kiosk->reviewText().isEmpty() &&
                kiosk->findChild<QPushButton*>(u"backButton"_qs)->isHidden());

        // The next pupil starts from nothing ticked.
        target(u"5"_qs)->click();
        for (QPushButton* b : kiosk->targets())
            QVERIFY(!b->isChecked());
        kiosk->findChild<QPushButton*>(u"startAgainButton"_qs)->click();

        // The teacher's other chord lets the ticked pupils answer again.
        messages.answer({Answer::Yes});
        QTest::keyClick(kiosk, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(!kiosk->answered(2) && target(u"Bo"_qs)->isEnabled());

        // Closing is refused; the chord asks, and only No ends the round.
        QVERIFY(!kiosk->close());
        messages.answer({Answer::Yes, Answer::No});
        QTest::keyClick(kiosk, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
        QVERIFY(kiosk->isVisible());
        QTest::keyClick(kiosk, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(messages.count(), 3);
        QVERIFY(form->isVisible());
        QVERIFY(!f.db().dump().join(u' ').contains(u"Bo"_qs));
    }

    // An answer the file refused stays on the pupil's review, unmarked, the file as it was.
    void kioskKeepsAnAnswerThatCouldNotBeStored()
    {
        const int record = f.openStudy(6, 2, 1);
        KioskWindow* kiosk = openDataForm()->pupilsAnswerHere();
        kiosk->targets().at(1)->click(); // number 2 answers
        kiosk->targets().at(0)->click();
        kiosk->findChild<QPushButton*>(u"nextButton"_qs)->click();
        QVERIFY(f.db().failOn(u"SOCIDATA"_qs, u"INSERT"_qs));
        messages.answer({Answer::Cancel});
        kiosk->findChild<QPushButton*>(u"confirmButton"_qs)->click();
        QCOMPARE(kiosk->page(), KioskWindow::Page::Review);
        QVERIFY(!kiosk->answered(2) && kiosk->reviewText().contains(u"Number 1"_qs));
        QCOMPARE(f.db().answers(record), QString());
        messages.answer({Answer::No});
        QVERIFY(kiosk->endRound());
    }

    // A round starts from a stored grid: the study is saved first, or no round starts.
    void kioskSavesTheGridFirst()
    {
        f.openStudy(6, 2, 1, false);
        DataForm* form = openDataForm();
        messages.answer({Answer::No, Answer::Yes, Answer::No});
        QVERIFY(!form->pupilsAnswerHere());
        QCOMPARE(Global::CurrentRecord, 0);
        KioskWindow* kiosk = form->pupilsAnswerHere();
        QVERIFY(kiosk && Global::CurrentRecord != 0);
        QVERIFY(kiosk->endRound());
        QCOMPARE(messages.count(), 3);
    }

    void entryOpensOnClickKeyAndTyping()
    {
        f.openStudy(12, 3, 1, false);
        DataForm* form = openDataForm();
        QStringList seen;
        DataForm::setEntryRunner([&](EntryForm& entry) {
            seen << box(entry, 0)->text() << box(entry, 1)->text() << box(entry, 2)->text();
            box(entry, 2)->setText(QStringLiteral("7"));
            button(entry, 0)->click();
        });
        QTest::mouseClick(view(form)->viewport(), Qt::LeftButton, {},
                          view(form)->visualRect(cell(form, 3, 2)).center());
        QCOMPARE(seen, (QStringList{"3", "2", ""}));
        QCOMPARE(cell(form, 3, 2).data().toString(), QStringLiteral("7"));
        QVERIFY(form->dataState().gridChanged());
        QCOMPARE(view(form)->currentIndex(), cell(form, 3, 3)); // after OK the next slot
        // Enter on a cell opens the entry with its choice; Cancel leaves the cell current.
        seen.clear();
        DataForm::setEntryRunner([&](EntryForm& entry) {
            seen << box(entry, 2)->text();
            button(entry, 1)->click();
        });
        view(form)->setFocus();
        view(form)->setCurrentIndex(cell(form, 3, 2));
        QTest::keyClick(view(form), Qt::Key_Return);
        QCOMPARE(seen, QStringList{"7"});
        QCOMPARE(view(form)->currentIndex(), cell(form, 3, 2));
        DataForm::setEntryRunner([&](EntryForm&) { QFAIL("an entry opened"); });
        QTest::keyClick(view(form), Qt::Key_Down); // moving the current cell opens nothing
        // A number typed on a cell opens the entry with it; Enter stores it and the next
        // cell (after the last slot the next subject's first) is ready.
        DataForm::setEntryRunner([&](EntryForm& entry) {
            entry.show();
            QTRY_COMPARE(QApplication::focusWidget(), box(entry, 2));
            QTest::qWait(20); // the focus handling is done
            QTest::keyClicks(box(entry, 2), QStringLiteral("2"));
            QTest::keyClick(box(entry, 2), Qt::Key_Return);
        });
        view(form)->setCurrentIndex(cell(form, 1, 2));
        for (const char first : {'0', '1', '1'})
            QTest::keyClick(view(form), first);
        // "02" goes in as the grid writes every number.
        QCOMPARE(choiceCells(grid).mid(0, 3), (QStringList{". 2 12", "12 . .", ". 7 ."}));
        QCOMPARE(view(form)->currentIndex(), cell(form, 2, 2));
    }

    void entryWindowRefusesAndCancels()
    {
        f.openStudy(12, 3, 1, false);
        DataForm* form = openDataForm();
        grid.setTextMatrix(6, 1, QStringLiteral("9"));
        grid.setRow(6);
        grid.setCol(1);
        EntryForm entry(grid, form);
        entry.show();
        QVERIFY(QTest::qWaitForWindowExposed(&entry));
        QTRY_COMPARE(box(entry, 2)->selectedText(), QStringLiteral("9"));
        // Typing replaces the shown choice; a refused entry keeps the window open.
        QTest::keyClicks(box(entry, 2), QStringLiteral("13"));
        QTest::keyClick(box(entry, 2), Qt::Key_Return);
        QCOMPARE(messages.texts(), QStringList{"Choice Cannot Be Greater Than 12"});
        QVERIFY(entry.isVisible());
        box(entry, 2)->setText(QStringLiteral("11"));
        QTest::keyClick(box(entry, 2), Qt::Key_Escape);
        QCOMPARE(entry.result(), int(QDialog::Rejected));
        QCOMPARE(grid.TextMatrix(6, 1), QStringLiteral("9"));
        EntryForm emptied(grid, form);
        emptied.show();
        box(emptied, 2)->clear();
        QTest::keyClick(box(emptied, 2), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(grid.TextMatrix(6, 1), QString()); // an empty box clears the cell
    }

    void closeBoxAsksLikeQuit()
    {
        f.openStudy(12, 3, 1, false);
        DataForm* form = openDataForm();
        form->close();
        QCOMPARE(messages.count(), 0);
        QCOMPARE(infoUnloads, 1);
        form = openDataForm();
        form->dataState().setGridChanged(true);
        messages.answer({Answer::Cancel, Answer::Cancel, Answer::No});
        form->close();
        QCOMPARE(messages.texts(), QStringList{u"Save Changes?"_qs});
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
        f.openStudy(8, 2);
        f.openStudy(8, 2);
        Forms::SettleDataForm = &DataForm::settle;
        Global::CurrentRecord = 1;
        grid.setTextMatrix(5, 2, QStringLiteral("7")); // left from an earlier window
        DataForm* a = openDataForm();
        QCOMPARE(grid.TextMatrix(5, 2), QString()); // a window loads with an empty grid
        grid.setTextMatrix(3, 1, QStringLiteral("5"));
        a->dataState().setGridChanged(true);
        messages.answer({Answer(answer)});
        QCOMPARE(Forms::mayChangeStudy(), settled);
        QCOMPARE(messages.texts(), QStringList{u"Save Changes?"_qs});
        QTEST(f.db().answers(1), "storedInA");
        QCOMPARE(f.db().answers(2), QString());
        QCOMPARE(SingleInstance<DataForm>::loaded(), !settled);
        QCOMPARE(infoUnloads, 0); // the study window stays for its own OK
    }

    // A fresh window for the next study keeps showing the grid after the old window
    // (whose view watched the same grid) is deleted; its layout items open the sociogram.
    void replacedWindowKeepsShowingTheGrid()
    {
        f.openStudy(12, 3, 1, false);
        openDataForm();
        showDataForm();
        DataForm* second = SingleInstance<DataForm>::ifLoaded();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        grid.setTextMatrix(2, 1, QStringLiteral("4"));
        QCOMPARE(view(second)->model()->index(0, 0).data().toString(), QStringLiteral("4"));
        second->findChild<QAction*>(u"Sociogram_3"_qs)->trigger();
        QCOMPARE(Global::SociogramType, 3);
        QCOMPARE(drawShows, 1);
    }

    // The entry names the subject keyed and the number as it is typed.
    void entryNamesTheSubjectAndTheTypedChoice()
    {
        f.openStudy(6, 2, 1, false);
        ClassList::instance().setNames(0, {{}, u"Al"_qs, u"Bo"_qs, {}, u"Di"_qs});
        DataForm* form = openDataForm();
        QStringList seen;
        DataForm::setEntryRunner([&](EntryForm& entry) {
            for (const QString& typed : {u"4"_qs, u"3"_qs, u"9"_qs, u"x"_qs}) {
                box(entry, 2)->setText(typed);
                seen << entry.findChild<QLabel*>(u"ChosenName"_qs)->text();
            }
            seen << entry.findChild<QLabel*>(u"SubjectName"_qs)->text();
            button(entry, 1)->click();
        });
        view(form)->setCurrentIndex(cell(form, 2, 1));
        form->Dgrid_Click();
        QCOMPARE(seen, (QStringList{"Di", "", "", "", "Bo"}));
    }

    // With the vertical scroll bar showing, moving to the last column must not slide
    // the grid sideways and cut the first choice column in half; long names leave the
    // choices their room and end in an ellipsis.
    void gridShowsEveryColumnWhole_data()
    {
        QTest::addColumn<int>("choices");
        QTest::addColumn<bool>("names");
        QTest::newRow("3 choices") << 3 << false;
        QTest::newRow("10 choices") << 10 << false;
        QTest::newRow("3 choices, long names") << 3 << true;
        QTest::newRow("10 choices, long names") << 10 << true;
    }
    void gridShowsEveryColumnWhole()
    {
        QFETCH(int, choices);
        QFETCH(bool, names);
        f.openStudy(24, choices, 1, false);
        const QString longName = u"Isabella Fern\u00e1ndez-Castellanos de la Vega y Ortiz"_qs;
        SubjectNames list(1);
        list.resize(25, longName);
        if (names)
            ClassList::instance().setNames(0, list);
        QTableView* view = EntryWindowTest::view(openDataForm());
        if (names) {
            const QString shown = view->model()->headerData(0, Qt::Vertical).toString();
            QVERIFY(shown.startsWith(u"1  Isa"_qs) && shown.endsWith(QChar(0x2026)));
            QCOMPARE(view->model()->headerData(0, Qt::Vertical, Qt::ToolTipRole), longName);
        }
        QVERIFY(QTest::qWaitFor([&] { return view->verticalScrollBar()->isVisible(); }));
        view->setCurrentIndex(view->model()->index(0, choices - 1));
        view->scrollTo(view->currentIndex());
        QCOMPARE(view->horizontalScrollBar()->value(), 0);
        QVERIFY(view->horizontalHeader()->length() <= view->viewport()->width());
        auto* corner = view->findChild<QLabel*>(QStringLiteral("GridCorner"));
        QVERIFY(corner->width() >= corner->sizeHint().width()); // "Subject" whole
    }
};

QTEST_MAIN(EntryWindowTest)
#include "tst_entry_window.moc"
