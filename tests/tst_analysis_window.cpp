// The analysis window with its exports, the import command, the groups window, and the
// data window's Compare With command with the comparison window, offscreen.
#include "analysiswindow.h"
#include "ballotsprint.h"
#include "classlist.h"
#include "classlistwindow.h"
#include "comparewindow.h"
#include "dataform.h"
#include "exports.h"
#include "files.h"
#include "formimport.h"
#include "forms.h"
#include "globals.h"
#include "gridfill.h"
#include "groupswindow.h"
#include "importchoices.h"
#include "statusstudy.h"
#include "studychoices.h"
#include "studypicker.h"
#include "surveypair.h"
#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

QString figureValue(const QTableWidget* figures, const QString& name)
{
    for (int r = 0; r < figures->rowCount(); ++r)
        if (figures->item(r, 0)->text() == name)
            return figures->item(r, 1)->text();
    return u"(missing)"_qs;
}

QString cell(const QTableView* view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}

// The window the analysis command left open.
AnalysisWindow* openAnalysisWindow()
{
    for (QWidget* w : QApplication::allWidgets())
        if (auto* window = qobject_cast<AnalysisWindow*>(w))
            return window;
    return nullptr;
}

} // namespace

class AnalysisWindowTest : public QObject {
    Q_OBJECT

    WindowFixture f;
    ScriptedMessages& messages = f.messages;
    QTemporaryDir dir;
    QString savedPath;
    QStringList starts; // where the save dialogs would have started
    QStringList listed; // what the picker offered
    int sociogramCalls = 0;

    // A stored study with its choices as the data window saves them.
    int store(const QString& name, const ChoiceSet& set)
    {
        const int record =
            f.db().addStudy(name, set.groupSize, set.maxChoices, u"Who?"_qs, set.criterionType);
        for (Criterion c : {Criterion::Positive, Criterion::Negative})
            for (const Choice& ch : set.of(c))
                f.db().addAnswer(record, int(c), ch.chooser + 1, ch.slot, ch.chosen);
        return record;
    }

    // Runs Compare With on the open study; the picker is read and then answered with
    // `keys`. No keys: no picker is expected, and none is waited for.
    CompareWindow* compare(const QList<Qt::Key>& keys)
    {
        listed.clear();
        DataForm* form = SingleInstance<DataForm>::ifLoaded();
        if (!form) // showing it again would load it afresh, closing what it holds
            form = WindowFixture::openWindow<DataForm>(showDataForm);
        if (keys.isEmpty()) // a picker opened all the same is listed and closed, not waited on
            QTimer::singleShot(0, this, [this] {
                if (auto* picker = qobject_cast<StudyPicker*>(QApplication::activeModalWidget()))
                    listed << u"(a picker)"_qs, picker->reject();
            });
        else
            whenModalOpens<StudyPicker>([this, keys](StudyPicker& picker) {
                auto* list = picker.findChild<QListWidget*>(u"list"_qs);
                for (int i = 0; i < list->count(); ++i)
                    listed << list->item(i)->text();
                for (Qt::Key key : keys)
                    QTest::keyClick(list, key);
            });
        form->findChild<QAction*>(u"CompareItem"_qs)->trigger();
        return form->findChild<CompareWindow*>();
    }

private Q_SLOTS:
    void init()
    {
        f.init();
        savedPath.clear();
        starts.clear();
        saveFileName() = [this](QWidget*, const QString&, const QString& start, const QString&) {
            starts.append(start);
            return savedPath;
        };
        sociogramCalls = 0;
        Forms::Show = [](Forms::Window w, QWidget* parent) {
            if (w == Forms::Window::Compare)
                compareWithStoredStudy(parent);
        };
        Forms::ShowChangesOnSociogram = [this](const TieChanges&, const QString&) {
            ++sociogramCalls;
            return true;
        };
    }
    void cleanup() { f.cleanup(); }

    void windowShowsTheTableAndSwitchesMethod()
    {
        showAnalysis(statusStudy(), nullptr);
        AnalysisWindow* w = openAnalysisWindow();
        QVERIFY(w && w->isVisible() && w->findChild<QComboBox*>(u"methodBox"_qs)->isEnabled());
        auto* view = w->findChild<QTableView*>(u"subjectView"_qs);
        const auto* figures = w->findChild<QTableWidget*>(u"figureView"_qs);
        const auto* cliques = w->findChild<QLabel*>(u"cliquesLine"_qs);
        auto* exportTable = w->findChild<QPushButton*>(u"exportTableButton"_qs);
        const int status = view->model()->columnCount() - 1;
        QCOMPARE(view->model()->rowCount(), 10);
        QCOMPARE(cell(view, 4, status), u"Unclassified"_qs);
        QCOMPARE(figureValue(figures, u"Unclassified"_qs), u"2"_qs);
        QCOMPARE(cliques->text(), u"No cliques"_qs);
        const auto* note = w->findChild<QLabel*>(u"methodNote"_qs);
        QVERIFY(note->text().contains(u"sample standard deviation (n \u2212 1)"_qs));
        view->selectRow(4);
        w->findChild<QComboBox*>(u"methodBox"_qs)->setCurrentIndex(1);
        QCOMPARE(cell(view, 4, status), u"Average"_qs);
        QVERIFY(note->text().contains(u"may come out \"Average\""_qs));     // the note follows
        QCOMPARE(view->selectionModel()->selectedRows().value(0).row(), 4); // kept
        QCOMPARE(figureValue(figures, u"Average"_qs), u"6"_qs);
        QCOMPARE(figureValue(figures, u"Unclassified"_qs), u"(missing)"_qs);

        // Exports write what is shown; a cancelled file dialog writes nothing.
        const auto files = QDir(dir.path()).entryList(QDir::Files);
        exportTable->click();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
        const std::vector<std::pair<QPushButton*, QString>> exports{
            {exportTable, analysisTableCsv(w->analysis(), StatusMethod::NewcombBukowski)},
            {w->findChild<QPushButton*>(u"exportChoicesButton"_qs),
             choicesEdgeListCsv(statusStudy())},
            {w->findChild<QPushButton*>(u"exportGraphButton"_qs), choicesGraphMl(statusStudy())}};
        for (const auto& [button, text] : exports) {
            savedPath = dir.filePath(u"export.out"_qs);
            button->click();
            QCOMPARE(fileText(savedPath), text);
        }
        savedPath = dir.filePath(u"missing-folder/table.csv"_qs);
        exportTable->click();
        QVERIFY(messages.texts().value(0).startsWith(u"The file "_qs + savedPath));
        QCOMPARE(messages.shown()[0].icon, Icon::Exclamation);

        // Shown again, the same window takes the new study, 4, 5 and 6 choosing each other.
        ChoiceGrid grid;
        fillGrid(grid, 6, 2,
                 {{u"1"_qs, u"x"_qs},
                  {u"3"_qs},
                  {},
                  {u"5"_qs, u"6"_qs},
                  {u"4"_qs, u"6"_qs},
                  {u"4"_qs, u"5"_qs}});
        showAnalysis(studyChoices(grid, Codes::CriterionType::Positive, Criterion::Positive, {}),
                     nullptr);
        QCOMPARE(openAnalysisWindow(), w);
        QVERIFY(!w->findChild<QComboBox*>(u"methodBox"_qs)->isEnabled());
        QCOMPARE(figureValue(figures, u"Isolates"_qs), u"2"_qs);
        QCOMPARE(cliques->text(), u"Cliques (every pair chose each other): 4, 5, 6"_qs);
        ClassList::instance().setNames(Global::CurrentRecord,
                                       {{}, u"Al"_qs, {}, {}, {}, u"Eve"_qs});
        QCOMPARE(cliques->text(), u"Cliques (every pair chose each other): 4, 5 Eve, 6"_qs);
        QCOMPARE(figureValue(figures, u"Popular"_qs), u"(missing)"_qs);
        QCOMPARE(figureValue(figures, u"Entries left out"_qs), u"2"_qs);
        // Said under the table, by subject, slot and value, not only counted.
        const auto* leftOut = w->findChild<QLabel*>(u"leftOut"_qs);
        QVERIFY(leftOut && !leftOut->isHidden());
        QCOMPARE(leftOut->text(),
                 u"Entries left out, not counted as choices:\n"
                 "Positive, subject 1 Al, choice 1: \"1\" (a subject choosing themselves)\n"
                 "Positive, subject 1 Al, choice 2: \"x\" (not a subject number)"_qs);
    }

    void importWithProblemsChangesNothing()
    {
        ChoiceGrid grid;
        fillGrid(grid, 6, 2, {{u"4"_qs, u"x"_qs}});
        const QString path = dir.filePath(u"bad.csv"_qs);
        QVERIFY(writeFile(path,
                          "Chooser,Choice 1,Choice 2\n1,2,9\n" + QByteArray("2,2\n").repeated(12)));
        messages.answer({Answer::Yes});
        QVERIFY(!ImportChoicesFrom(path, grid));
        QCOMPARE(grid.TextMatrix(2, 2), u"x"_qs);
        QCOMPARE(messages.count(), 1);
        const QStringList text = messages.texts().first().split(u'\n');
        QCOMPARE(text[1], u"Line 2, column 3: 9 is not a subject number from 1 to 6."_qs);
        QCOMPARE(text.size(), 1 + ProblemsListed + 1); // 1 + 12 + 11 problems, ten listed
        QCOMPARE(text.last(), u"... and 14 more."_qs);
    }

    void importAsksBeforeReplacingChoices()
    {
        const QString path = dir.filePath(u"good.csv"_qs);
        QVERIFY(writeFile(path, "1;2;3\n6;5\n"));
        ChoiceGrid empty;
        fillGrid(empty, 6, 2);
        int changes = 0;
        QObject::connect(&empty, &ChoiceGrid::cellChanged, &empty, [&](int, int) { ++changes; });
        importFileName() = [&](QWidget*, const QString&, const QString&, const QString&) {
            return path;
        };
        QVERIFY(ImportChoices(empty, nullptr)); // an empty grid: nothing to ask
        QCOMPARE(messages.count(), 0);
        QCOMPARE(changes, 3);

        ChoiceGrid grid;
        fillGrid(grid, 6, 2, {{}, {}, {u"1"_qs}});
        // Cancel, then keep the rows the file does not name, then empty them.
        messages.answer({Answer::Cancel, Answer::Yes, Answer::No});
        QVERIFY(!ImportChoicesFrom(path, grid));
        QCOMPARE(grid.TextMatrix(4, 1), u"1"_qs);
        QCOMPARE(messages.texts(),
                 QStringList{u"The file does not name subject 3, whose choices are in the grid."
                             "\n\nKeep their choices? Yes keeps them and takes the rows of the "
                             "file, No empties them, Cancel imports nothing."_qs});
        QVERIFY(ImportChoicesFrom(path, grid));
        QCOMPARE(grid.TextMatrix(4, 1), u"1"_qs);
        QCOMPARE(grid.TextMatrix(7, 1), u"5"_qs);
        QVERIFY(ImportChoicesFrom(path, grid));
        QCOMPARE(grid.TextMatrix(4, 1), QString());
        QCOMPARE(grid.TextMatrix(7, 1), u"5"_qs);
        QCOMPARE(grid.TextMatrix(2, 2), u"3"_qs);

        importFileName() = [](QWidget*, const QString&, const QString&, const QString&) {
            return QString();
        };
        QVERIFY(!ImportChoices(grid, nullptr)); // cancelled
        QVERIFY(!ImportChoicesFrom(dir.filePath(u"nowhere.csv"_qs), grid));
        QVERIFY(messages.texts().last().contains(u"could not be read"_qs));
    }

    // A form's rows with names fill both criteria of a Both study, after the problems are
    // listed, keeping the rows the file does not name; the save stores both, and no name.
    void formResponsesFillBothCriteria()
    {
        const int record = f.openStudy(8, 2, 3);
        f.db().addAnswer(record, 2, 6, 1, 1); // subject 5's negative choice
        f.db().addAnswer(record, 1, 7, 1, 2); // subject 6's positive choice
        ClassList::instance().setNames(
            record, {{}, u"Anna Kowalska"_qs, u"Ben Okafor"_qs, u"Chlo\u00e9 Martin"_qs});
        const QString path = dir.filePath(u"form.csv"_qs);
        QVERIFY(writeFile(path, "Timestamp,Email,Your name,Who would you like to sit with?,Who "
                                "would you rather not sit with?\n"
                                "t,a@b,Anna Kowalska,Ben Okafor;Chloe Martin,Nobody\n"
                                "t,,ben okafor.,Zed,\nt,,Chlo\xC3\xA9 Martin,1,2\n"));
        DataForm* form = WindowFixture::openWindow<DataForm>(showDataForm);
        Forms::ImportFormResponses = [form](QWidget* p) {
            return ImportFormResponses(form->dataState(), p);
        };
        formFileName() = [&](QWidget*, const QString&, const QString&, const QString&) {
            return path;
        };
        QString guessed;
        setFormColumnsRunner([&](FormColumnsDialog& d) {
            for (int c = 0; d.roleBox(c); ++c)
                guessed += d.roleBox(c)->currentText().left(1);
            return true;
        });
        messages.answer({Answer::Yes, Answer::Yes, Answer::Ok});
        form->findChild<QAction*>(u"ImportForm"_qs)->trigger();
        QCOMPARE(guessed, u"NNWPN"_qs); // not read, not read, who, positive, negative
        const QStringList texts = messages.texts();
        QVERIFY2(texts.value(0).contains(
                     u"Line 3, column 4: \"Zed\" is not a name of the class list."_qs) &&
                     texts.value(0).contains(u"Take the 2 rows without a problem"_qs),
                 qPrintable(texts.value(0)));
        QVERIFY2(texts.value(1).startsWith(u"The file does not name subjects 5 and 6,"_qs),
                 qPrintable(texts.value(1)));
        QCOMPARE(choiceCells(form->dataState().grid()).mid(0, 6),
                 QStringList({u"2 3"_qs, u". ."_qs, u"1 ."_qs, u". ."_qs, u". ."_qs, u"2 ."_qs}));
        QVERIFY(form->dataState().gridChanged());
        form->Save_Click();
        QCOMPARE(f.db().answers(record), u"1:2:1=2 1:2:2=3 1:4:1=1 1:7:1=2 2:4:1=2 2:6:1=1"_qs);
        QVERIFY(!f.db().dump().join(u' ').contains(u"Anna"_qs));

        // Without a class list, only numbers; the listing says how to give the names.
        ClassList::instance().forgetAll();
        messages.clear();
        messages.answer({Answer::Ok});
        form->findChild<QAction*>(u"ImportForm"_qs)->trigger();
        QVERIFY(messages.texts().value(0).contains(u"File > Class List..."_qs));
        QCOMPARE(f.db().answers(record), u"1:2:1=2 1:2:2=3 1:4:1=1 1:7:1=2 2:4:1=2 2:6:1=1"_qs);
        setFormColumnsRunner({});
    }

    // The columns as the dialog leaves them are read: with the positive one set to "Not
    // read" and the negative criterion in view, only the grid in view takes choices.
    void formColumnsAsTheDialogSays()
    {
        const int record = f.openStudy(6, 2, 3);
        DataForm* form = WindowFixture::openWindow<DataForm>(showDataForm);
        form->dataState().Crit_Click(DataState::CriterionItem::Negative);
        const QString path = dir.filePath(u"numbers.csv"_qs);
        QVERIFY(writeFile(path, "Number,Friends,Not with\n1,2;3,4\n"));
        setFormColumnsRunner([](FormColumnsDialog& d) {
            d.roleBox(1)->setCurrentIndex(d.roleBox(1)->findText(u"Not read"_qs));
            return true;
        });
        QVERIFY(ImportFormResponsesFrom(path, form->dataState(), form));
        QCOMPARE(choiceCells(form->dataState().grid()).first(), u"4 ."_qs);
        messages.answer({Answer::Ok});
        form->dataState().Save_Click();
        QCOMPARE(f.db().answers(record), u"2:2:1=4"_qs);
        setFormColumnsRunner({});
    }

    // The ballots carry the names only when "With names" is ticked for that print.
    void ballotsCarryNamesOnlyWhenTicked()
    {
        const int record = f.openStudy(8, 2, 3);
        const QString pdf = dir.filePath(u"ballots.pdf"_qs);
        setBallotPrinterChooser([pdf](QPrinter& printer, QWidget*, QString&) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return true;
        });
        QList<bool> offered;
        bool tick = true;
        setBallotNamesAsker([&](bool available, bool& withNames) {
            offered << available;
            withNames = tick && available;
            return true;
        });
        QVERIFY(PrintBallots(nullptr));
        ClassList::instance().setNames(record, {{}, u"Anna Kowalska"_qs});
        QVERIFY(PrintBallots(nullptr));
        QVERIFY(pdfText(pdf).contains(u"1 Anna Kowalska"_qs));
        tick = false;
        QVERIFY(PrintBallots(nullptr));
        QVERIFY(!pdfText(pdf).contains(u"Anna"_qs));
        QCOMPARE(offered, QList<bool>({false, true, true}));
        setBallotPrinterChooser({});
        setBallotNamesAsker({});
    }

    // Each dialog suggests the study's name, made safe for a file, and what the file
    // holds, in the folder where the dialog before ended, whichever window asked; a
    // cancelled dialog changes nothing.
    void fileDialogsSuggestANameWhereTheLastEnded()
    {
        Global::RefName = u" Class 4/b?"_qs;
        showAnalysis(statusStudy(), nullptr);
        AnalysisWindow* w = openAnalysisWindow();
        QString importStart;
        importFileName() = [&](QWidget*, const QString&, const QString& start, const QString&) {
            importStart = start;
            return QString();
        };
        ChoiceGrid grid;
        savedPath = dir.filePath(u"x.out"_qs);
        w->findChild<QPushButton*>(u"exportChoicesButton"_qs)->click();
        savedPath.clear();
        w->findChild<QPushButton*>(u"exportTableButton"_qs)->click();
        w->findChild<QPushButton*>(u"exportGraphButton"_qs)->click();
        ImportChoices(grid, nullptr);
        const QDir documents(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
        QCOMPARE(starts, QStringList({documents.filePath(u"Class 4-b - choices.csv"_qs),
                                      dir.filePath(u"Class 4-b - analysis.csv"_qs),
                                      dir.filePath(u"Class 4-b.graphml"_qs)}));
        QCOMPARE(importStart, dir.path());
    }

    // A file is taken only when it is clean; a name of blanks is refused; OK gives the
    // names to the study.
    void classListWindowTakesCleanNamesOnly()
    {
        ClassListWindow window(26, f.openStudy(26, 2));
        const QString thirty = dir.filePath(u"thirty.txt"_qs), good = dir.filePath(u"good.csv"_qs);
        QVERIFY(writeFile(thirty, QByteArray("Al\n").repeated(30)));
        QVERIFY(writeFile(good, "2,Bo\n1,\"Smith, Al\"\n3,Cy\n"));
        ClassListWindow::openFileName() = [&](QWidget*, const QString&, const QString&,
                                              const QString&) { return thirty; };
        window.findChild<QPushButton*>(u"loadButton"_qs)->click();
        QVERIFY(!window.loadFrom(dir.filePath(u"nowhere.csv"_qs)));
        QCOMPARE(messages.texts(),
                 (QStringList{u"The class list was not loaded:\nLine 27, column 1: The list holds "
                              "30 names for the 26 subjects of the study."_qs,
                              u"The file "_qs + dir.filePath(u"nowhere.csv"_qs) +
                                  u" could not be read: No such file or directory"_qs}));
        QCOMPARE(window.findChild<QTableWidget*>(u"table"_qs)->item(0, 1)->text(), QString());
        QVERIFY(window.loadFrom(good));
        window.findChild<QTableWidget*>(u"table"_qs)->item(2, 1)->setText(u"  "_qs);
        window.accept();
        QVERIFY(messages.texts().last().startsWith(u"The name of subject 3 is only blanks."_qs));
        QVERIFY(!ClassList::instance().loaded());
        window.findChild<QTableWidget*>(u"table"_qs)->item(2, 1)->setText(u"Cy"_qs);
        window.accept();
        QCOMPARE(ClassList::instance().nameOf(1), u"Smith, Al"_qs);
        QCOMPARE(ClassList::instance().currentNames().size(), std::size_t(26 + 1));
    }

    // Every text file the windows write holds numbers only until "With names" is ticked
    // for it, and the tick lasts for that one file.
    void exportsCarryNamesOnlyWhenAsked()
    {
        showAnalysis(statusStudy(), nullptr);
        AnalysisWindow* analysis = openAnalysisWindow();
        GroupsWindow groups;
        groups.setChoices(statusStudy());
        groups.makeGroups();
        QVERIFY(!analysis->findChild<QCheckBox*>(u"withNamesBox"_qs)->isEnabled());
        SubjectNames names(1);
        for (int s = 1; s <= 10; ++s)
            names.push_back(u"P\u00fcpil %1"_qs.arg(s));
        ClassList::instance().setNames(0, names);
        QCOMPARE(cell(analysis->findChild<QTableView*>(u"subjectView"_qs), 9, 1), names[10]);
        auto* box = analysis->findChild<QCheckBox*>(u"withNamesBox"_qs);
        const std::vector<std::pair<QCheckBox*, std::function<void()>>> exports{
            {box, [&] { analysis->exportTableCsv(); }},
            {box, [&] { analysis->exportChoicesCsv(); }},
            {box, [&] { analysis->exportGraphMl(); }},
            {groups.findChild<QCheckBox*>(u"withNamesBox"_qs), [&] { groups.exportGroups(); }}};
        for (bool withNames : {false, true})
            for (std::size_t i = 0; i < exports.size(); ++i) {
                savedPath = dir.filePath(u"%1-%2"_qs.arg(i).arg(withNames));
                exports[i].first->setChecked(withNames);
                exports[i].second();
                QCOMPARE(fileText(savedPath).contains(u"P\u00fcpil"_qs), withNames);
                QVERIFY(!exports[i].first->isChecked());
            }
    }

    // A count typed in is refused as it was typed, never clamped by the box into one
    // the class can take, and the groups shown stay. In a class of 20, 9 groups would do.
    void groupsWindowRefusesCountsTheClassCannotTake_data()
    {
        QTest::addColumn<bool>("bySeats");
        QTest::addColumn<QString>("typed");
        const QString groups = u"Choose from 2 to 10 groups for 20 subjects."_qs;
        const QString seats = u"Choose from 2 to 10 seats per table for 20 subjects."_qs;
        QTest::addColumn<QString>("sentence");
        QTest::newRow("no group") << false << u"0"_qs << groups;
        QTest::newRow("one group") << false << u"1"_qs << groups;
        QTest::newRow("ninety-nine groups") << false << u"99"_qs << groups;
        QTest::newRow("one seat a table") << true << u"1"_qs << seats;
        QTest::newRow("a table for all") << true << u"20"_qs << seats;
    }
    void groupsWindowRefusesCountsTheClassCannotTake()
    {
        QFETCH(bool, bySeats);
        QFETCH(QString, typed);
        QFETCH(QString, sentence);
        GroupsWindow window;
        window.setChoices(emptyChoiceSet(20, 3, Codes::CriterionType::Positive));
        window.makeGroups();
        const Groups::Partition before = window.partition().value();
        window.findChild<QRadioButton*>(bySeats ? u"bySeatsButton"_qs : u"byGroupsButton"_qs)
            ->setChecked(true);
        auto* box = window.findChild<QSpinBox*>(bySeats ? u"seatCountBox"_qs : u"groupCountBox"_qs);
        box->selectAll();
        QTest::keyClicks(box, typed);
        window.findChild<QPushButton*>(u"makeButton"_qs)->click();
        QCOMPARE(messages.texts(), QStringList{sentence});
        QVERIFY(window.partition() && window.partition()->groupOf == before.groupOf);
    }

    void groupsWindowShowsExportsAndColoursTheSociogram()
    {
        GroupsWindow window;
        ChoiceSet choices = statusStudy();
        choices.skipped.push_back({Criterion::Positive, 2, 3, u"45"_qs, SkipReason::NotASubject});
        window.setChoices(choices);
        window.findChild<QRadioButton*>(u"bySeatsButton"_qs)->setChecked(true);
        window.findChild<QSpinBox*>(u"seatCountBox"_qs)->setValue(4);
        // Ten at tables of four: three tables.
        QCOMPARE(window.findChild<QSpinBox*>(u"groupCountBox"_qs)->value(), 3);
        window.makeGroups();
        QVERIFY(window.partition());
        const QString summary = window.findChild<QLabel*>(u"summary"_qs)->text();
        QVERIFY(
            summary.endsWith(u"Positive, subject 2, choice 3: \"45\" (not a subject number)"_qs));
        QCOMPARE(window.findChild<QTreeWidget*>(u"resultView"_qs)->topLevelItemCount(), 3);

        QList<QList<int>> shown;
        Forms::ShowGroupsOnSociogram = [&](const QList<int>& g) {
            shown.append(g);
            return true;
        };
        window.findChild<QPushButton*>(u"showButton"_qs)->setChecked(true);
        window.close(); // the colours go with the window
        QCOMPARE(shown, (QList<QList<int>>{window.partition()->groupOf, {}}));

        Forms::ShowGroupsOnSociogram = [](const QList<int>&) { return false; };
        window.findChild<QPushButton*>(u"showButton"_qs)->setChecked(true);
        QCOMPARE(messages.count(), 1); // no sociogram open: said, and the button springs back
        QVERIFY(!window.findChild<QPushButton*>(u"showButton"_qs)->isChecked());
        Forms::ShowGroupsOnSociogram = nullptr;

        savedPath = dir.filePath(u"groups.csv"_qs);
        window.exportGroups();
        QCOMPARE(QFileInfo(starts.value(0)).fileName(),
                 u"Sociogram - groups.csv"_qs); // no study named
        const QStringList lines = fileText(savedPath).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 11);
        QVERIFY(lines[0].startsWith(u"Subject,Group"_qs));
    }

    void menuListsComparableStudies_data()
    {
        QTest::addColumn<int>("groupSize");
        QTest::addColumn<int>("criterionType");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<QStringList>("offered");
        QTest::newRow("positive") << 6 << 1 << true
                                  << QStringList{u"P (record 1)"_qs, u"B (record 3)"_qs};
        QTest::newRow("negative") << 6 << 2 << true
                                  << QStringList{u"N (record 2)"_qs, u"B (record 3)"_qs};
        QTest::newRow("both, never saved")
            << 6 << 3 << false
            << QStringList{u"P (record 1)"_qs, u"N (record 2)"_qs, u"B (record 3)"_qs};
        QTest::newRow("no study of the size") << 7 << 3 << true << QStringList();
    }
    void menuListsComparableStudies()
    {
        QFETCH(int, groupSize);
        QFETCH(int, criterionType);
        QFETCH(bool, stored);
        for (const auto& [name, type] : {std::pair{u"P"_qs, 1}, {u"N"_qs, 2}, {u"B"_qs, 3}})
            f.db().addStudy(SampleStudy{name, 0, 6, 3, type, {}});
        f.db().addStudy(SampleStudy{u"Eight"_qs, 0, 8, 3, 3, {}});
        f.db().addStudy(u"No answers"_qs, 6, 3, u"Who?"_qs, 3);
        const int open = f.openStudy(groupSize, 3, criterionType, stored);
        if (open)
            f.db().addAnswer(open, 1, 2, 1, 2);
        QFETCH(QStringList, offered);
        QVERIFY(!compare(offered.isEmpty() ? QList<Qt::Key>() : QList{Qt::Key_Escape}));
        QCOMPARE(listed, offered);
        QCOMPARE(messages.texts(),
                 offered.isEmpty()
                     ? QStringList{u"No other study has 7 subjects, a criterion in common with "
                                   "this one and stored answers."_qs}
                     : QStringList());
    }

    void windowComparesAndWritesNothing()
    {
        const int autumn = store(u"Autumn 4b"_qs, survey(EarlierPositive, EarlierNegative));
        f.db().addAnswer(autumn, 1, 3, 3, 9); // subject 2's third choice names no pupil
        store(u"Summer 4b"_qs, survey(LaterPositive, {}, 1));
        const int spring = store(u"Spring 4b"_qs, survey(LaterPositive, LaterNegative));
        f.openStudy(6, 2, 3);
        Global::CurrentRecord = spring;
        Global::RefName = u"Spring 4b"_qs;
        const QStringList before = f.db().dump();

        CompareWindow* w = compare({Qt::Key_Return});
        QVERIFY(w && w->isVisible());
        QCOMPARE(w->earlierStudy().name, u"Autumn 4b"_qs);
        QStringList lines;
        for (const QLabel* label : w->findChildren<QLabel*>())
            lines << label->text();
        QVERIFY(lines.contains(
            u"Subject numbers are taken to name the same pupils in both surveys."_qs));
        const QString skipped = w->findChild<QLabel*>(u"skippedLine"_qs)->toolTip();
        QVERIFY(skipped.contains(u"subject 2, choice 3: \"9\""_qs));
        w->findChild<QPushButton*>(u"sociogramButton"_qs)->click();
        QCOMPARE(sociogramCalls, 1);
        QCOMPARE(f.db().dump(), before);

        // Arrows choose another study; the open window takes it.
        QCOMPARE(compare({Qt::Key_Down, Qt::Key_Return}), w);
        QCOMPARE(w->earlierStudy().name, u"Summer 4b"_qs);

        // The earlier survey deleted from the file: said when the window next reads it.
        f.db().exec(u"DELETE FROM SOCIOMETRY WHERE NAME = 'Summer 4b'"_qs);
        w->findChild<QPushButton*>(u"sociogramButton"_qs)->click();
        QCOMPARE(sociogramCalls, 1);
        QCOMPARE(messages.texts(),
                 QStringList{u"The study \"Summer 4b\" is no longer in the study file."_qs});

        // The window belongs to the data window's study: it closes with it.
        const QPointer<CompareWindow> open = w;
        DataForm::unloadWithSociogram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!open);
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "tst_analysis_window.moc"
