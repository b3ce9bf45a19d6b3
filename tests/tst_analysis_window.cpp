// The analysis window with its exports, the import command and the groups window,
// offscreen.
#include "analysiswindow.h"
#include "classlist.h"
#include "classlistwindow.h"
#include "exports.h"
#include "files.h"
#include "forms.h"
#include "globals.h"
#include "gridfill.h"
#include "groupswindow.h"
#include "importchoices.h"
#include "statusstudy.h"
#include "studychoices.h"
#include "windowfixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
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

private Q_SLOTS:
    void init()
    {
        f.init();
        savedPath.clear();
        starts.clear();
        AnalysisWindow::saveFileName() = [this](QWidget*, const QString&, const QString& start,
                                                const QString&) {
            starts.append(start);
            return savedPath;
        };
    }
    void cleanup() { f.cleanup(); }

    void windowShowsTheTableAndSwitchesMethod()
    {
        showAnalysis(statusStudy(), nullptr);
        AnalysisWindow* w = openAnalysisWindow();
        QVERIFY(w && w->isVisible() && w->methodBox()->isEnabled());
        const QTableView* view = w->subjectView();
        const int status = view->model()->columnCount() - 1;
        QCOMPARE(view->model()->rowCount(), 10);
        QCOMPARE(cell(view, 4, status), u"Unclassified"_qs);
        QCOMPARE(figureValue(w->figureView(), u"Unclassified"_qs), u"2"_qs);
        QCOMPARE(w->cliquesLine()->text(), u"No cliques"_qs);
        w->methodBox()->setCurrentIndex(1);
        QCOMPARE(cell(view, 4, status), u"Average"_qs);
        QCOMPARE(figureValue(w->figureView(), u"Average"_qs), u"6"_qs);
        QCOMPARE(figureValue(w->figureView(), u"Unclassified"_qs), u"(missing)"_qs);

        // Exports write what is shown; a cancelled file dialog writes nothing.
        const auto files = QDir(dir.path()).entryList(QDir::Files);
        w->exportTableButton()->click();
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), files);
        const std::vector<std::pair<QPushButton*, QString>> exports{
            {w->exportTableButton(),
             analysisTableCsv(w->analysis(), StatusMethod::NewcombBukowski)},
            {w->exportChoicesButton(), choicesEdgeListCsv(statusStudy())},
            {w->exportGraphButton(), choicesGraphMl(statusStudy())}};
        for (const auto& [button, text] : exports) {
            savedPath = dir.filePath(u"export.out"_qs);
            button->click();
            QCOMPARE(fileText(savedPath), text);
        }
        savedPath = dir.filePath(u"missing-folder/table.csv"_qs);
        w->exportTableButton()->click();
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
        QVERIFY(!w->methodBox()->isEnabled());
        const QTableWidget* figures = w->figureView();
        QCOMPARE(figureValue(figures, u"Isolates"_qs), u"2"_qs);
        QCOMPARE(w->cliquesLine()->text(), u"Cliques (every pair chose each other): 4, 5, 6"_qs);
        ClassList::instance().setNames(Global::CurrentRecord, {u"Al"_qs, {}, {}, {}, u"Eve"_qs});
        QCOMPARE(w->cliquesLine()->text(),
                 u"Cliques (every pair chose each other): 4, 5 Eve, 6"_qs);
        QCOMPARE(figureValue(figures, u"Popular"_qs), u"(missing)"_qs);
        QCOMPARE(figureValue(figures, u"Entries left out"_qs), u"2"_qs);
        QCOMPARE(figures->item(figures->rowCount() - 1, 1)->toolTip(),
                 u"Positive, subject 1 Al, choice 1: \"1\" (a subject choosing himself)\n"
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
        messages.answer({Answer::No, Answer::Yes});
        QVERIFY(!ImportChoicesFrom(path, grid));
        QCOMPARE(grid.TextMatrix(4, 1), u"1"_qs);
        QCOMPARE(messages.texts(),
                 QStringList{u"The file does not name subject 3, whose choices in the grid will "
                             "be emptied.\n\nReplace the choices in the grid with those of the "
                             "file?"_qs});
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
        w->exportChoicesButton()->click();
        savedPath.clear();
        w->exportTableButton()->click();
        w->exportGraphButton()->click();
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
        window.loadButton()->click();
        QVERIFY(!window.loadFrom(dir.filePath(u"nowhere.csv"_qs)));
        QCOMPARE(messages.texts(),
                 (QStringList{u"The class list was not loaded:\nLine 27, column 1: The list holds "
                              "30 names for the 26 subjects of the study."_qs,
                              u"The file "_qs + dir.filePath(u"nowhere.csv"_qs) +
                                  u" could not be read: No such file or directory"_qs}));
        QCOMPARE(window.table()->item(0, 1)->text(), QString());
        QVERIFY(window.loadFrom(good));
        window.table()->item(2, 1)->setText(u"  "_qs);
        window.accept();
        QVERIFY(messages.texts().last().startsWith(u"The name of subject 3 is only blanks."_qs));
        QVERIFY(!ClassList::instance().loaded());
        window.table()->item(2, 1)->setText(u"Cy"_qs);
        window.accept();
        QCOMPARE(ClassList::instance().nameOf(1), u"Smith, Al"_qs);
        QCOMPARE(ClassList::instance().currentNames().size(), 26);
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
        QVERIFY(!analysis->withNamesBox()->isEnabled());
        QStringList names;
        for (int s = 1; s <= 10; ++s)
            names << u"P\u00fcpil %1"_qs.arg(s);
        ClassList::instance().setNames(0, names);
        QCOMPARE(cell(analysis->subjectView(), 9, 1), names[9]);
        const std::vector<std::pair<QCheckBox*, std::function<void()>>> exports{
            {analysis->withNamesBox(), [&] { analysis->exportTableCsv(); }},
            {analysis->withNamesBox(), [&] { analysis->exportChoicesCsv(); }},
            {analysis->withNamesBox(), [&] { analysis->exportGraphMl(); }},
            {groups.withNamesBox(), [&] { groups.exportGroups(); }}};
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
        (bySeats ? window.bySeatsButton() : window.byGroupsButton())->setChecked(true);
        QSpinBox* box = bySeats ? window.seatCountBox() : window.groupCountBox();
        box->selectAll();
        QTest::keyClicks(box, typed);
        window.makeButton()->click();
        QCOMPARE(messages.texts(), QStringList{sentence});
        QVERIFY(window.partition() && window.partition()->groupOf == before.groupOf);
    }

    void groupsWindowShowsExportsAndColoursTheSociogram()
    {
        GroupsWindow window;
        window.setChoices(statusStudy());
        window.bySeatsButton()->setChecked(true);
        window.seatCountBox()->setValue(4);
        QCOMPARE(window.groupCountBox()->value(), 3); // ten at tables of four: three tables
        window.makeGroups();
        QVERIFY(window.partition());
        QCOMPARE(window.resultView()->topLevelItemCount(), 3);

        QList<QList<int>> shown;
        Forms::ShowGroupsOnSociogram = [&](const QList<int>& g) {
            shown.append(g);
            return true;
        };
        window.showButton()->setChecked(true);
        window.close(); // the colours go with the window
        QCOMPARE(shown, (QList<QList<int>>{window.partition()->groupOf, {}}));

        Forms::ShowGroupsOnSociogram = [](const QList<int>&) { return false; };
        window.showButton()->setChecked(true);
        QCOMPARE(messages.count(), 1); // no sociogram open: said, and the button springs back
        QVERIFY(!window.showButton()->isChecked());
        Forms::ShowGroupsOnSociogram = nullptr;

        savedPath = dir.filePath(u"groups.csv"_qs);
        window.exportGroups();
        QCOMPARE(QFileInfo(starts.value(0)).fileName(),
                 u"Sociogram - groups.csv"_qs); // no study named
        const QStringList lines = fileText(savedPath).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 11);
        QVERIFY(lines[0].startsWith(u"Subject,Group"_qs));
    }
};

QTEST_MAIN(AnalysisWindowTest)
#include "tst_analysis_window.moc"
