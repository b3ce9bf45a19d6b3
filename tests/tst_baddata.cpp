// Damaged study data, one bad stored value per row, through every reader: the data
// window, the four sociograms (built, laid out, drawn and printed), the project list and
// the analysis, for a Both study with either criterion in view. Nothing may crash, read
// outside an array or write to the file; every report names the procedure that met it.
#include "choicegrid.h"
#include "datastate.h"
#include "errorreport.h"
#include "globals.h"
#include "gridmodel.h"
#include "linedraw.h"
#include "linesteps.h"
#include "numbers.h"
#include "projectlist.h"
#include "scriptedmessages.h"
#include "sociogramstate.h"
#include "socioprint.h"
#include "store.h"
#include "studychoices.h"
#include "testdb.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QImage>
#include <QSet>
#include <QtTest>
#include <cmath>
#include <limits>
#include <memory>

namespace {

constexpr int BaseGroupSize = 8;
constexpr int BaseChoices = 3;
constexpr int BothCriteria = 3;
constexpr qreal LabelSide = 360;

bool finitePoint(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

} // namespace

class BadDataTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDatabase> db;

    // The sound study every row starts from: 8 subjects, 3 choices, both criteria,
    // a few answers of each and a saved Circle arrangement.
    int addSoundStudy() { return db->addStudy({.layouts = {0}}); }

    // The procedures named by the reports shown so far; fails on any other message.
    QSet<QString> reportingProcedures(const ScriptedMessages& messages)
    {
        QSet<QString> labels;
        for (const QString& report : messages.reports()) {
            const qsizetype space = report.lastIndexOf(u' ');
            if (!report.contains(u':') || space < 0)
                QTest::qFail(qPrintable(u"not a report: "_qs + report), __FILE__, __LINE__);
            labels.insert(report.left(space));
        }
        return labels;
    }

    // The grid keeps the shape of the sizes the program holds, which stay those of a
    // study; its header texts and subject numbers are never overwritten.
    void verifyGridIsSound()
    {
        const ChoiceGrid& grid = DataGrid();
        QVERIFY(Global::GroupSize >= 0 && Global::GroupSize <= Global::MaxSubjects);
        QVERIFY(Global::MaxChoices >= 0 && Global::MaxChoices <= 10);
        QCOMPARE(grid.Rows(), Global::GroupSize + 2);
        QCOMPARE(grid.Cols(), Global::MaxChoices + 1);
        QCOMPARE(grid.TextMatrix(0, 0), QStringLiteral("Subject"));
        QCOMPARE(grid.TextMatrix(1, 0), QStringLiteral("Number"));
        for (int c = 1; c < grid.Cols(); ++c) {
            QCOMPARE(grid.TextMatrix(0, c), QStringLiteral("Choice"));
            QCOMPARE(grid.TextMatrix(1, c), QString::number(c));
        }
        for (int r = 2; r < grid.Rows(); ++r)
            QCOMPARE(grid.TextMatrix(r, 0), QString::number(r - 1));
    }

    // Every line runs between two label centres and every shape has finite corners:
    // a bad number never becomes a line to some place no label stands.
    void verifyLines(const PrimitiveList& lines)
    {
        QSet<std::pair<qreal, qreal>> centres;
        for (const auto& pos : Global::LabelPos)
            centres.insert({pos[0] + LabelSide / 2, pos[1] + LabelSide / 2});
        for (const Primitive& p : lines) {
            QVERIFY(finitePoint(p.p1) && finitePoint(p.p2) && std::isfinite(p.radius));
            if (p.kind != Primitive::Kind::Line)
                continue;
            QVERIFY2(centres.contains({p.p1.x(), p.p1.y()}), "a line starts off every label");
            QVERIFY2(centres.contains({p.p2.x(), p.p2.y()}), "a line ends off every label");
        }
    }

    // A computed layout keeps every label inside the drawing area, each captioned with
    // its own number and recorded in LabelPos; LabelPos row 0 is never written.
    void verifyLayout(const SociogramState& state, int expectedLabels)
    {
        QCOMPARE(Global::LabelPos[0][0], Global::Integer(0));
        QCOMPARE(Global::LabelPos[0][1], Global::Integer(0));
        int count = 0;
        for (int i = 1; i <= LabelSet::MaxIndex; ++i) {
            const SubjectLabel* l = state.labels.get(i);
            if (!l)
                continue;
            ++count;
            QCOMPARE(l->Caption, QString::number(i));
            QVERIFY2(
                l->Left >= 0 && l->Top >= 0 && l->Left + l->Width <= state.W &&
                    l->Top + l->Height <= state.H,
                qPrintable(QStringLiteral("label %1 at %2, %3").arg(i).arg(l->Left).arg(l->Top)));
            QCOMPARE(Global::LabelPos[i][0], Global::Integer(Numbers::roundHalfEven(l->Left)));
            QCOMPARE(Global::LabelPos[i][1], Global::Integer(Numbers::roundHalfEven(l->Top)));
        }
        if (expectedLabels >= 0)
            QCOMPARE(count, expectedLabels);
    }

    // The saved Circle arrangement comes back as it was stored, whatever else the
    // study holds: a bad row of it is left out and takes nothing with it.
    void verifyRestoredCircle(const SociogramState& state)
    {
        for (int i = 1; i <= BaseGroupSize; ++i) {
            const SubjectLabel* l = state.labels.get(i);
            QVERIFY2(l, qPrintable(QStringLiteral("label %1 missing").arg(i)));
            const QPoint p = samplePosition(i);
            QCOMPARE(QPoint(int(l->Left), int(l->Top)), p);
            QCOMPARE(QPoint(Global::LabelPos[i][0], Global::LabelPos[i][1]), p);
        }
        QCOMPARE(state.labels.highestIndex(), BaseGroupSize);
        QCOMPARE(Global::LabelPos[0][0], Global::Integer(0));
        QCOMPARE(Global::LabelPos[0][1], Global::Integer(0));
    }

    // The four sociograms of the study in view: built as the window builds them,
    // printed, then laid out afresh by "&Default Distribution" and printed again.
    void buildEverySociogram(int layoutLabels)
    {
        for (Global::Integer type = 0; type <= 3; ++type) {
            Global::SociogramType = type;
            SociogramState state;
            PrimitiveList lines;
            int lineDraws = 0;
            QObject::connect(&state, &SociogramState::drawingChanged, [&] {
                ++lineDraws;
                lines = state.drawing();
            });
            state.DoWork();
            QVERIFY(lineDraws > 0);
            verifyLines(lines);
            if (QTest::currentTestFailed())
                return;
            if (type == 0)
                verifyRestoredCircle(state);
            if (QTest::currentTestFailed())
                return;
            printPage(state);

            state.DefaultDistribution();
            verifyLines(lines);
            verifyLayout(state, type == 3 ? -1 : layoutLabels);
            if (QTest::currentTestFailed())
                return;
            printPage(state);
        }
    }

    void printPage(const SociogramState& state)
    {
        QImage page(850, 1100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QVERIFY(SocioPrint(page, DataGrid(), state.labels, state.W, state.H));
    }

    // Every choice the analysis takes is a sound one of the grid's study.
    void verifyAnalysis(const QString& skippedText)
    {
        const CurrentChoices current = currentStudyChoices();
        const ChoiceSet& set = current.choices;
        for (const auto* list : {&set.positive, &set.negative}) {
            for (const Choice& c : *list) {
                QVERIFY(c.chooser >= 1 && c.chooser <= set.groupSize);
                QVERIFY(c.chosen >= 1 && c.chosen <= set.groupSize);
                QVERIFY(c.slot >= 1 && c.slot <= set.maxChoices);
                QVERIFY(c.chooser != c.chosen);
            }
        }
        if (skippedText.isEmpty())
            return;
        bool told = false;
        for (const SkippedEntry& e : set.skipped)
            told = told || e.text == skippedText;
        QVERIFY2(told, qPrintable(QStringLiteral("the analysis does not tell of ") + skippedText));
    }

private Q_SLOTS:
    void init()
    {
        resetProgram();
        DataGrid().setShape(0, 0);
        db = std::make_unique<TestDatabase>();
        QVERIFY(db->isValid());
    }
    void cleanup() { db.reset(); }

    // Each row damages the sound study with one statement (%1 is its record, the one
    // bound value the bad value) and says which procedures must report it, what the
    // grid looks like once the study is open, and what a damaged cell shows.
    void badValueIsSurvivedUnwritten_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QStringList>("reportedBy");
        QTest::addColumn<int>("groupSize"); // as the grid shows it
        QTest::addColumn<int>("choices");
        QTest::addColumn<int>("laidOut");  // labels of a computed Circle, Random or Square layout
        QTest::addColumn<QString>("cell"); // what grid cell (4, 1) shows, "-" for not checked
        QTest::addColumn<QString>("skipped"); // a text the analysis must tell was left out

        const QString header = u"UPDATE SOCIOMETRY SET %2 = ? WHERE RECORD = %1"_qs;
        auto setHeader = [&](const char* field) { return header.arg(u"%1"_qs, field); };
        // A fourth positive answer, by subject 3 in slot 1 (grid cell (4, 1)), unless
        // the row puts it elsewhere; one more row of the saved Circle arrangement.
        const QString socidata =
            u"INSERT INTO SOCIDATA (HEADER, ANSWERTYPE, INDIVIDUAL, CHOICE, ANSWER) VALUES "_qs;
        const QString answer = socidata + u"(%1, 1, 4, 1, ?)"_qs;
        const QString individual = socidata + u"(%1, 1, ?, 1, 5)"_qs;
        const QString choice = socidata + u"(%1, 1, 4, ?, 5)"_qs;
        const QString position = u"INSERT INTO POSITION (HEADER, SOCIOGRAM, LABEL, X, Y) "_qs;
        const QString label = position + u"VALUES (%1, 0, ?, 100, 100)"_qs;
        const QString y = position + u"VALUES (%1, 0, 3, 100, ?)"_qs;

        const QString loadGrid = u"DataForm:LoadGrid"_qs, loadData = u"DataForm:LoadData"_qs;
        const QString lineDraw = u"DataForm:LineDraw"_qs, print = u"DataForm:SocioPrint"_qs;
        const QStringList layouts{u"DrawForm:CircleDraw"_qs, u"DrawForm:RandomDraw"_qs,
                                  u"DrawForm:SquareDraw"_qs};
        const QString doWork = u"DrawForm:DoWork"_qs;
        const int n = BaseGroupSize;
        const auto row = [](const char* tag, const QString& damage, const QVariant& value,
                            const QStringList& reportedBy, int groupSize = BaseGroupSize,
                            int choices = BaseChoices, int laidOut = BaseGroupSize,
                            const QString& cell = {}, const QString& skipped = {}) {
            QTest::newRow(tag) << damage << value << reportedBy << groupSize << choices << laidOut
                               << cell << skipped;
        };

        row("sound study", {}, {}, {});
        // A refused size keeps the program's own (none yet, in a fresh run); the stored
        // answers then lie outside the grid. The layouts read the size from the file.
        row("GROUPSIZE 41", setHeader("GROUPSIZE"), 41,
            QStringList{loadGrid, loadData, print} + layouts, 0, BaseChoices, LabelSet::MaxIndex,
            u"-"_qs);
        row("GROUPSIZE 0", setHeader("GROUPSIZE"), 0, {loadGrid, loadData, layouts[0], print}, 0,
            BaseChoices, 0, u"-"_qs);
        row("GROUPSIZE text", setHeader("GROUPSIZE"), u"twelve"_qs,
            QStringList{loadGrid, loadData, print} + layouts, 0, BaseChoices, 0, u"-"_qs);
        row("CHOICES 11", setHeader("CHOICES"), 11, {loadGrid, loadData}, n, 0, n, u"-"_qs);
        row("NAME empty", setHeader("NAME"), QVariant(QMetaType::fromType<QString>()), {loadGrid});
        // A chosen number that is no subject stays in the grid for the user to mend; it
        // draws no line and the analysis says it left it out. Shown as "inf", infinity is
        // what the target layout cannot count and the drawing reads as 0.
        row("ANSWER 99", answer, 99, {lineDraw, print}, n, BaseChoices, n, u"99"_qs, u"99"_qs);
        row("ANSWER -1", answer, -1, {lineDraw, print}, n, BaseChoices, n, u"-1"_qs, u"-1"_qs);
        row("ANSWER infinity", answer, std::numeric_limits<double>::infinity(),
            {u"DrawForm:TargetDraw"_qs}, n, BaseChoices, n, u"inf"_qs, u"inf"_qs);
        // A chooser outside the subject rows has no cell; drawn from the file (the other
        // criterion) a chooser row of 1 stands for label 0, any other is refused.
        row("INDIVIDUAL 1 (a header row)", individual, 1, {loadData});
        row("INDIVIDUAL 100", individual, 100, {loadData, lineDraw, print});
        row("CHOICE 0 (the subject column)", choice, 0, {loadData});
        row("CHOICE 4 (one beyond)", choice, 4, {loadData});
        // A saved row that cannot be a label's is left out of the restored arrangement.
        row("LABEL 0", label, 0, {doWork});
        row("LABEL 41", label, 41, {doWork});
        row("X 70000", position + u"VALUES (%1, 0, 3, ?, 100)"_qs, 70000, {doWork});
        row("Y -70000", y, -70000, {doWork});
    }

    void badValueIsSurvivedUnwritten()
    {
        QFETCH(QString, damage);
        QFETCH(QVariant, value);
        QFETCH(QStringList, reportedBy);
        QFETCH(int, groupSize);
        QFETCH(int, choices);
        QFETCH(int, laidOut);
        QFETCH(QString, cell);
        QFETCH(QString, skipped);

        const int record = addSoundStudy();
        if (!damage.isEmpty())
            QVERIFY(db->exec(damage.arg(record), {value}));
        const QVariant storedName =
            db->scalar(QStringLiteral("SELECT NAME FROM SOCIOMETRY WHERE RECORD = ?"), {record});
        const QByteArray before = db->bytes();
        QVERIFY(!before.isEmpty());
        ScriptedMessages messages;
        // The grid's view follows every change of shape the damage brings.
        GridModel model(DataGrid());
        QAbstractItemModelTester modelTester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        // Opened from the project list in a fresh run of the program.
        Global::CurrentRecord = record;
        DataState data(DataGrid());
        data.FormLayout();
        verifyGridIsSound();
        QCOMPARE(data.title, storedName.isNull() ? QString() : storedName.toString());
        QVERIFY(!data.critEnabled[0]);
        QCOMPARE(data.critEnabled[1], Global::CriterionType == BothCriteria);
        QCOMPARE(model.rowCount(), groupSize);
        QCOMPARE(model.columnCount(), choices);
        if (cell != u"-"_qs)
            QCOMPARE(DataGrid().TextMatrix(4, 1), cell);
        if (QTest::currentTestFailed())
            return;

        buildEverySociogram(laidOut);
        if (QTest::currentTestFailed())
            return;
        verifyAnalysis(skipped);

        // Listed under its stored name, however long; an empty name lists as empty.
        const std::vector<ProjectEntry> list = readProjectList();
        QCOMPARE(list.size(), std::size_t(1));
        QCOMPARE(list.front().record, record);
        QCOMPARE(list.front().name, storedName.isNull() ? QString() : storedName.toString());

        // A Both study runs it all again with the negative criterion in view, so that
        // the damaged positive answer is now read from the file by the drawing.
        if (data.critEnabled[1]) {
            data.Crit_Click(DataState::CriterionItem::Negative);
            QCOMPARE(Global::CurrentCriterion, 2);
            verifyGridIsSound();
            buildEverySociogram(laidOut);
            if (QTest::currentTestFailed())
                return;
            verifyAnalysis(QString());
        }

        QCOMPARE(reportingProcedures(messages),
                 QSet<QString>(reportedBy.begin(), reportedBy.end()));
        // Nothing was saved, so nothing was written: not a byte, and no journal left.
        QVERIFY2(db->bytes() == before, "the file changed though nothing was saved");
        QCOMPARE(QDir(db->folder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("KELVAROX.MDB")});
    }

    // A study whose criterion type is none of the three opens on its negative answers;
    // saving it must store what the grid shows as negative answers again, replacing
    // only those, and leave its positive answers as they were.
    void unknownCriterionTypeSavesTheCriterionInView_data()
    {
        QTest::addColumn<int>("criterionType");
        QTest::newRow("0") << 0;
        QTest::newRow("7") << 7;
    }
    void unknownCriterionTypeSavesTheCriterionInView()
    {
        QFETCH(int, criterionType);
        const int record = addSoundStudy();
        QVERIFY(db->exec(QStringLiteral("UPDATE SOCIOMETRY SET CRITERIONTYPE = ? WHERE RECORD = ?"),
                         {criterionType, record}));
        const auto storedOfType = [&](int type) {
            return db->rows(
                QStringLiteral("SELECT INDIVIDUAL, CHOICE, ANSWER FROM SOCIDATA WHERE "
                               "HEADER = ? AND ANSWERTYPE = ? ORDER BY INDIVIDUAL, CHOICE"),
                {record, type});
        };
        const std::vector<QVariantList> positives = storedOfType(1);
        QCOMPARE(positives.size(), std::size_t(3));
        ScriptedMessages messages;
        Global::CurrentRecord = record;
        DataState data(DataGrid());
        data.FormLayout();
        QVERIFY(data.criterionLine.startsWith(QStringLiteral("Negative Criterion: ")));
        QCOMPARE(DataGrid().TextMatrix(5, 1), QStringLiteral("6"));
        QCOMPARE(DataGrid().TextMatrix(2, 1), QString());

        // Subject 3 names subject 5 as a negative choice.
        DataGrid().setRow(4);
        DataGrid().setCol(1);
        QVERIFY(data.gridClicked());
        DataGrid().setTextMatrix(4, 1, QStringLiteral("5"));
        data.Save_Click();
        QCOMPARE(messages.texts(), QStringList{QStringLiteral("Changes Saved As Requested")});

        QCOMPARE(storedOfType(1), positives);
        const std::vector<QVariantList> negatives = storedOfType(2);
        QCOMPARE(negatives.size(), std::size_t(2));
        QCOMPARE(negatives[0], (QVariantList{4, 1, 5.0}));
        QCOMPARE(negatives[1], (QVariantList{5, 1, 6.0}));
    }

    // A save that fails at any step leaves the file exactly as it was: the header, the
    // answers and the arrangement are each replaced only together.
    void refusedWriteLeavesTheFileAsItWas_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("event");
        QTest::newRow("answers: header refused") << u"SOCIOMETRY"_qs << u"UPDATE"_qs;
        QTest::newRow("answers: removal refused") << u"SOCIDATA"_qs << u"DELETE"_qs;
        QTest::newRow("answers: new answer refused") << u"SOCIDATA"_qs << u"INSERT"_qs;
        QTest::newRow("arrangement: removal refused") << u"POSITION"_qs << u"DELETE"_qs;
        QTest::newRow("arrangement: new row refused") << u"POSITION"_qs << u"INSERT"_qs;
    }
    void refusedWriteLeavesTheFileAsItWas()
    {
        QFETCH(QString, table);
        QFETCH(QString, event);
        Global::CurrentRecord = addSoundStudy();
        ScriptedMessages messages;
        DataState data(DataGrid());
        data.FormLayout();
        QVERIFY(db->failOn(table, event));
        const QStringList before = db->dump();
        if (table == u"POSITION") {
            Global::SociogramType = 0;
            SociogramState state;
            state.DoWork();
            state.PositionsSaved = Global::False; // as after a label was moved
            state.SavePositions();
            QCOMPARE(state.PositionsSaved, Global::False);
            QCOMPARE(messages.reports(), QStringList{u"DrawForm:SavePositions 3022"_qs});
        } else {
            QVERIFY(!data.SaveChanges(DataState::PositiveAnswer));
            QCOMPARE(messages.reports().first(), u"DataForm:SaveChanges 3022"_qs);
        }
        QCOMPARE(db->dump(), before);
    }
};

QTEST_MAIN(BadDataTest)
#include "tst_baddata.moc"
