// The analysis window over hand-computed groups, its exports, the import command and
// the choices of the study in the data window.

#include "analysistable.h"
#include "analysiswindow.h"
#include "errorreport.h"
#include "exports.h"
#include "globals.h"
#include "importchoices.h"
#include "scriptedmessages.h"
#include "studychoices.h"
#include "testdb.h"
#include "tst_analysis_fixtures.h"

#include <QComboBox>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QString fileText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return u"(unreadable)"_qs;
    return QString::fromUtf8(f.readAll());
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QString figureValue(const QTableWidget* figures, const QString& name)
{
    for (int r = 0; r < figures->rowCount(); ++r) {
        if (figures->item(r, 0)->text() == name)
            return figures->item(r, 1)->text();
    }
    return u"(missing)"_qs;
}

QString cell(const QTableView* view, int row, int column)
{
    return view->model()->index(row, column).data().toString();
}

QStringList choiceCells(const ChoiceGrid& grid)
{
    QStringList cells;
    for (int r = ChoiceGrid::FixedRows; r < grid.Rows(); ++r)
        for (int c = ChoiceGrid::FixedCols; c < grid.Cols(); ++c)
            cells << grid.TextMatrix(r, c);
    return cells;
}

// The analysis window while it is open.
AnalysisWindow* openAnalysisWindow()
{
    for (QWidget* w : QApplication::allWidgets())
        if (auto* window = qobject_cast<AnalysisWindow*>(w))
            return window;
    return nullptr;
}

} // namespace

class TestAnalysisWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void showsTheTableAndSwitchesMethod();
    void oneCriterionStudyHasNoStatusGroups();
    void undefinedFiguresShowAsAWord();
    void entriesLeftOutAreCountedAndNamed();
    void showingAgainReusesTheWindow();
    void exportTableWritesWhatIsShown();
    void exportsOfChoicesAndGraph();
    void exportThatCannotBeWrittenSaysSo();
    void importWithProblemsChangesNothing();
    void importAsksBeforeReplacingChoices();
    void importIntoAnEmptyGridAsksNothing();
    void importOfAMissingFileOrCancelled();
    void currentStudyChoicesMixGridAndStore();
    void currentStudyChoicesWhenTheStoreFails();

private:
    QTemporaryDir dir;
    QString savedPath;
    int asked = 0;
};

void TestAnalysisWindow::init()
{
    errorReport().reset();
    errorReport().setPause([] {});
    Global::reset();
    DataGrid().setShape(0, 0);
    savedPath.clear();
    asked = 0;
    AnalysisWindow::saveFileName() = [this](QWidget*, const QString&, const QString&) {
        ++asked;
        return savedPath;
    };
}

void TestAnalysisWindow::cleanup()
{
    if (AnalysisWindow* w = openAnalysisWindow()) {
        w->close();
        delete w;
    }
}

void TestAnalysisWindow::showsTheTableAndSwitchesMethod()
{
    showAnalysis(statusStudy(), nullptr);
    AnalysisWindow* w = openAnalysisWindow();
    QVERIFY(w);
    QVERIFY(w->isVisible());
    QVERIFY(w->methodBox()->isEnabled());
    const QTableView* view = w->subjectView();
    const int status = view->model()->columnCount() - 1;
    QCOMPARE(view->model()->rowCount(), 10);
    QCOMPARE(view->model()->headerData(status, Qt::Horizontal).toString(),
             u"Coie-Dodge-Coppotelli"_qs);
    QCOMPARE(cell(view, 0, status), u"Popular"_qs);
    QCOMPARE(cell(view, 4, status), u"Unclassified"_qs);
    QCOMPARE(cell(view, 0, 3), u"5"_qs); // positive received
    QCOMPARE(figureValue(w->figureView(), u"Unclassified"_qs), u"2"_qs);
    QCOMPARE(figureValue(w->figureView(), u"Isolates"_qs), u"3"_qs);

    w->methodBox()->setCurrentIndex(1);
    QCOMPARE(w->method(), StatusMethod::NewcombBukowski);
    QCOMPARE(view->model()->headerData(status, Qt::Horizontal).toString(), u"Newcomb-Bukowski"_qs);
    QCOMPARE(cell(view, 4, status), u"Average"_qs);
    QCOMPARE(cell(view, 3, status), u"Neglected"_qs);
    QCOMPARE(figureValue(w->figureView(), u"Average"_qs), u"6"_qs);
    QCOMPARE(figureValue(w->figureView(), u"Unclassified"_qs), u"(missing)"_qs);
    QCOMPARE(figureValue(w->figureView(), u"Positive received high from"_qs), u"4"_qs);
    QCOMPARE(figureValue(w->figureView(), u"Impact low up to"_qs), u"0"_qs);
}

void TestAnalysisWindow::oneCriterionStudyHasNoStatusGroups()
{
    ChoiceSet set = emptyChoiceSet(6, 1, Codes::CriterionType::Positive);
    set.positive = choicesOf({{2, {1}}, {3, {1}}});
    showAnalysis(set, nullptr);
    AnalysisWindow* w = openAnalysisWindow();
    QVERIFY(!w->methodBox()->isEnabled());
    QCOMPARE(w->subjectView()->model()->columnCount(), 9);
    QCOMPARE(figureValue(w->figureView(), u"Isolates"_qs), u"5"_qs);
    QCOMPARE(figureValue(w->figureView(), u"Popular"_qs), u"(missing)"_qs);
    QCOMPARE(figureValue(w->figureView(), u"Negative choices"_qs), u"(missing)"_qs);
}

void TestAnalysisWindow::undefinedFiguresShowAsAWord()
{
    ChoiceSet ring = emptyChoiceSet(6, 1, Codes::CriterionType::Both);
    ring.positive = choicesOf({{1, {2}}, {2, {3}}, {3, {4}}, {4, {5}}, {5, {6}}, {6, {1}}});
    ring.negative = choicesOf({{1, {3}}, {2, {3}}});
    showAnalysis(ring, nullptr);
    AnalysisWindow* w = openAnalysisWindow();
    const QTableView* view = w->subjectView();
    const int columns = view->model()->columnCount();
    QCOMPARE(cell(view, 0, columns - 5), u"undefined"_qs); // zLM
    QCOMPARE(cell(view, 0, columns - 4), u"-0.408"_qs);    // zLL: 0 of a mean of 1/3
    QCOMPARE(cell(view, 0, columns - 1), u"undefined"_qs);
    QCOMPARE(figureValue(w->figureView(), u"Positive choices received, standard deviation"_qs),
             u"undefined"_qs);
    QCOMPARE(figureValue(w->figureView(), u"undefined"_qs), u"6"_qs);
}

void TestAnalysisWindow::entriesLeftOutAreCountedAndNamed()
{
    ChoiceGrid grid;
    shapeGrid(grid, 6, 2);
    fillRow(grid, 1, {u"1"_qs, u"x"_qs});
    fillRow(grid, 2, {u"3"_qs});
    showAnalysis(studyChoices(grid, Codes::CriterionType::Positive, Criterion::Positive, {}),
                 nullptr);
    const QTableWidget* figures = openAnalysisWindow()->figureView();
    QCOMPARE(figureValue(figures, u"Entries left out"_qs), u"2"_qs);
    QCOMPARE(figures->item(figures->rowCount() - 1, 1)->toolTip(),
             u"Positive, subject 1, choice 1: \"1\" (a subject choosing himself)\n"
             "Positive, subject 1, choice 2: \"x\" (not a subject number)"_qs);
    QCOMPARE(figureValue(figures, u"Positive choices"_qs), u"1"_qs);
}

void TestAnalysisWindow::showingAgainReusesTheWindow()
{
    showAnalysis(statusStudy(), nullptr);
    AnalysisWindow* first = openAnalysisWindow();
    first->setMethod(StatusMethod::NewcombBukowski);
    ChoiceSet small = emptyChoiceSet(6, 1, Codes::CriterionType::Positive);
    showAnalysis(small, nullptr);
    QCOMPARE(openAnalysisWindow(), first);
    QCOMPARE(first->subjectView()->model()->rowCount(), 6);
    QCOMPARE(first->choices().groupSize, 6);
}

void TestAnalysisWindow::exportTableWritesWhatIsShown()
{
    showAnalysis(statusStudy(), nullptr);
    AnalysisWindow* w = openAnalysisWindow();
    w->setMethod(StatusMethod::NewcombBukowski);
    ScriptedMessages messages;

    w->exportTableButton()->click(); // cancelled: nothing written
    QCOMPARE(asked, 1);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 0);

    savedPath = dir.filePath(u"table.csv"_qs);
    w->exportTableButton()->click();
    const QString text = fileText(savedPath);
    QCOMPARE(text, analysisTableCsv(w->analysis(), StatusMethod::NewcombBukowski));
    QVERIFY(text.contains(u"Newcomb-Bukowski"_qs));
    QCOMPARE(text.count(u'\n'), 11);
    QCOMPARE(messages.count(), 0);
}

void TestAnalysisWindow::exportsOfChoicesAndGraph()
{
    const ChoiceSet set = statusStudy();
    showAnalysis(set, nullptr);
    AnalysisWindow* w = openAnalysisWindow();
    savedPath = dir.filePath(u"choices.csv"_qs);
    w->exportChoicesButton()->click();
    QCOMPARE(fileText(savedPath), choicesEdgeListCsv(set));
    savedPath = dir.filePath(u"graph.graphml"_qs);
    w->exportGraphButton()->click();
    QCOMPARE(fileText(savedPath), choicesGraphMl(set));
}

void TestAnalysisWindow::exportThatCannotBeWrittenSaysSo()
{
    showAnalysis(statusStudy(), nullptr);
    ScriptedMessages messages;
    savedPath = dir.filePath(u"missing-folder/table.csv"_qs);
    openAnalysisWindow()->exportTableButton()->click();
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.texts().first().startsWith(u"The file "_qs + savedPath +
                                                u" could not be written: "_qs));
    QCOMPARE(messages.shown()[0].icon, Icon::Exclamation);
    QCOMPARE(messages.shown()[0].title, HelpTitle);
    QVERIFY(!QFile::exists(savedPath));
}

void TestAnalysisWindow::importWithProblemsChangesNothing()
{
    ChoiceGrid grid;
    shapeGrid(grid, 6, 2);
    fillRow(grid, 1, {u"4"_qs, u"x"_qs});
    const QStringList before = choiceCells(grid);
    const QString path = dir.filePath(u"bad.csv"_qs);
    QByteArray lines = "Chooser,Choice 1,Choice 2\n1,2,9\n";
    for (int i = 0; i < 12; ++i)
        lines += "2,2\n"; // himself, and then given again and again
    QVERIFY(writeFile(path, lines));

    ScriptedMessages messages;
    messages.answer({Answer::Yes});
    QVERIFY(!ImportChoicesFrom(path, grid));
    QCOMPARE(choiceCells(grid), before);
    QCOMPARE(messages.count(), 1);
    const QStringList text = messages.texts().first().split(u'\n');
    QCOMPARE(text[0], u"The choices were not imported:"_qs);
    QCOMPARE(text[1], u"Line 2, column 3: 9 is not a subject number from 1 to 6."_qs);
    QCOMPARE(text[2], u"Line 3, column 2: Subject 2 cannot choose himself."_qs);
    // 1 + 12 + 11 problems, ten listed.
    QCOMPARE(text.size(), 1 + ProblemsListed + 1);
    QCOMPARE(text.last(), u"... and 14 more."_qs);
    QCOMPARE(messages.shown()[0].icon, Icon::Exclamation);
}

void TestAnalysisWindow::importAsksBeforeReplacingChoices()
{
    ChoiceGrid grid;
    shapeGrid(grid, 6, 2);
    fillRow(grid, 3, {u"1"_qs});
    const QString path = dir.filePath(u"good.csv"_qs);
    QVERIFY(writeFile(path, "1;2;3\n6;5\n"));

    ScriptedMessages messages;
    messages.answer({Answer::No, Answer::Yes});
    QVERIFY(!ImportChoicesFrom(path, grid));
    QCOMPARE(grid.TextMatrix(4, 1), u"1"_qs);
    QCOMPARE(messages.count(), 1);
    QCOMPARE(messages.texts().first(),
             u"Replace the choices in the grid with those of the file?"_qs);
    QCOMPARE(messages.shown()[0].buttons, Buttons::YesNo);

    QVERIFY(ImportChoicesFrom(path, grid));
    QCOMPARE(grid.TextMatrix(4, 1), QString());
    QCOMPARE(grid.TextMatrix(2, 1), u"2"_qs);
    QCOMPARE(grid.TextMatrix(2, 2), u"3"_qs);
    QCOMPARE(grid.TextMatrix(7, 1), u"5"_qs);
}

void TestAnalysisWindow::importIntoAnEmptyGridAsksNothing()
{
    ChoiceGrid grid;
    shapeGrid(grid, 6, 1);
    int changes = 0;
    QObject::connect(&grid, &ChoiceGrid::cellChanged, [&](int, int) { ++changes; });
    const QString path = dir.filePath(u"good.csv"_qs);
    QVERIFY(writeFile(path, "2,1\n"));
    importFileName() = [&](QWidget*, const QString&, const QString&) { return path; };
    ScriptedMessages messages;
    QVERIFY(ImportChoices(grid, nullptr));
    QCOMPARE(messages.count(), 0);
    QCOMPARE(grid.TextMatrix(3, 1), u"1"_qs);
    QCOMPARE(changes, 1);
}

void TestAnalysisWindow::importOfAMissingFileOrCancelled()
{
    ChoiceGrid grid;
    shapeGrid(grid, 6, 1);
    ScriptedMessages messages;
    importFileName() = [](QWidget*, const QString&, const QString&) { return QString(); };
    QVERIFY(!ImportChoices(grid, nullptr));
    QCOMPARE(messages.count(), 0);

    QVERIFY(!ImportChoicesFrom(dir.filePath(u"nowhere.csv"_qs), grid));
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.texts().first().contains(u"could not be read"_qs));
}

void TestAnalysisWindow::currentStudyChoicesMixGridAndStore()
{
    TestDatabase db;
    QVERIFY(db.isValid());
    QVERIFY(db.exec(u"INSERT INTO SOCIOMETRY (NAME, GROUPSIZE, CHOICES, QUESTION, CRITERIONTYPE) "
                    "VALUES ('Class', 10, 3, 'Who?', 3)"_qs));
    const int record = db.scalar(u"SELECT MAX(RECORD) FROM SOCIOMETRY"_qs).toInt();
    for (const Choice& c : choicesOf(StatusNegative))
        QVERIFY(db.exec(u"INSERT INTO SOCIDATA VALUES (?, 2, ?, ?, ?)"_qs,
                        {record, c.chooser + 1, c.slot, double(c.chosen)}));
    // A stale positive answer: the grid holds the positive criterion now.
    QVERIFY(db.exec(u"INSERT INTO SOCIDATA VALUES (?, 1, 2, 1, 9)"_qs, {record}));

    ChoiceGrid& grid = DataGrid();
    shapeGrid(grid, 10, 3);
    for (const auto& [chooser, chosen] : StatusPositive) {
        QStringList cells;
        for (int c : chosen)
            cells << QString::number(c);
        fillRow(grid, chooser, cells);
    }
    Global::CurrentRecord = record;
    Global::CriterionType = 3;
    Global::CurrentCriterion = 1;

    const CurrentChoices current = currentStudyChoices();
    QVERIFY(!current.storedUnread);
    QCOMPARE(current.choices.positive, choicesOf(StatusPositive));
    QCOMPARE(current.choices.negative, choicesOf(StatusNegative));
    QCOMPARE(analyseChoices(current.choices).subjects[1].coieDodgeCoppotelli,
             StatusGroup::Rejected);
}

void TestAnalysisWindow::currentStudyChoicesWhenTheStoreFails()
{
    Global::AppPath = dir.filePath(u"no-database/"_qs);
    shapeGrid(DataGrid(), 6, 1);
    fillRow(DataGrid(), 2, {u"1"_qs});
    Global::CurrentRecord = 4;
    Global::CriterionType = 3;
    Global::CurrentCriterion = 1;
    ScriptedMessages messages;
    const CurrentChoices current = currentStudyChoices();
    QVERIFY(current.storedUnread);
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.texts().first().contains(u"DataForm:Analysis"_qs));
    QCOMPARE(current.choices.positive, std::vector<Choice>({{2, 1, 1}}));
    QVERIFY(current.choices.negative.empty());

    // A study never saved, or of one criterion, does not look into the file at all.
    messages.clear();
    Global::CurrentRecord = 0;
    QVERIFY(!currentStudyChoices().storedUnread);
    Global::CurrentRecord = 4;
    Global::CriterionType = 1;
    QVERIFY(!currentStudyChoices().storedUnread);
    QCOMPARE(messages.count(), 0);
}

QTEST_MAIN(TestAnalysisWindow)
#include "tst_analysis_window.moc"
