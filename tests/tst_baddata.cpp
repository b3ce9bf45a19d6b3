// Damaged study data through every reader: the data window, the four sociograms, the
// project list and the analysis. Nothing may crash or write to the file; every report
// names the procedure that met it.
#include "choicegrid.h"
#include "datastate.h"
#include "errorreport.h"
#include "globals.h"
#include "gridmodel.h"
#include "linedraw.h"
#include "linesteps.h"
#include "projectlist.h"
#include "scriptedmessages.h"
#include "sociogramstate.h"
#include "socioprint.h"
#include "store.h"
#include "storedsurvey.h"
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

    // The grid keeps the shape of the sizes the program holds, which stay those of a study.
    void verifyGridIsSound()
    {
        const ChoiceGrid& grid = DataGrid();
        QVERIFY(Global::GroupSize >= 0 && Global::GroupSize <= Global::MaxSubjects);
        QVERIFY(Global::MaxChoices >= 0 && Global::MaxChoices <= 10);
        QCOMPARE(grid.Rows(), Global::GroupSize + 2);
        QCOMPARE(grid.Cols(), Global::MaxChoices + 1);
    }

    // Every line runs between two label centres and every shape has finite corners.
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

    // A computed layout keeps every label inside the drawing area; LabelPos row 0 is
    // never written.
    void verifyLayout(const SociogramState& state, int expectedLabels)
    {
        QCOMPARE(Global::LabelPos[0][0], Global::Integer(0));
        QCOMPARE(Global::LabelPos[0][1], Global::Integer(0));
        const Layout::Area area = state.layout().area();
        int count = 0;
        for (int i = 1; i <= LabelSet::MaxIndex; ++i) {
            const SubjectLabel* l = state.labels().get(i);
            if (!l)
                continue;
            ++count;
            QVERIFY(l->Left >= 0 && l->Top >= 0 && l->Left + l->Width <= area.W &&
                    l->Top + l->Height <= area.H);
        }
        if (expectedLabels >= 0)
            QCOMPARE(count, expectedLabels);
    }

    // The four sociograms built and printed, then laid out afresh and printed again.
    void buildEverySociogram(int layoutLabels)
    {
        QImage page(850, 1100, QImage::Format_RGB32);
        page.fill(Qt::white);
        for (Global::Integer type = 0; type <= 3; ++type) {
            Global::SociogramType = type;
            SociogramState state;
            const Layout::Area area = state.layout().area();
            PrimitiveList lines;
            int lineDraws = 0;
            QObject::connect(&state, &SociogramState::drawingChanged, &state, [&] {
                ++lineDraws;
                lines = state.drawing();
            });
            state.DoWork();
            QVERIFY(lineDraws > 0);
            verifyLines(lines);
            if (QTest::currentTestFailed())
                return;
            QVERIFY(SocioPrint(page, wholePicture(state.shownPicture()), area.W, area.H));

            state.DefaultDistribution();
            verifyLines(lines);
            verifyLayout(state, type == 3 ? -1 : layoutLabels);
            if (QTest::currentTestFailed())
                return;
            QVERIFY(SocioPrint(page, wholePicture(state.shownPicture()), area.W, area.H));
        }
    }

    // Every choice taken is a sound one of the set's study; the bad entry is told.
    static void verifyChoices(const ChoiceSet& set, const QString& skippedText)
    {
        for (const auto* list : {&set.positive, &set.negative}) {
            for (const Choice& c : *list) {
                QVERIFY(c.chooser >= 1 && c.chooser <= set.groupSize);
                QVERIFY(c.chosen >= 1 && c.chosen <= set.groupSize);
                QVERIFY(c.slot >= 1 && c.slot <= set.maxChoices);
                QVERIFY(c.chooser != c.chosen);
            }
        }
        QVERIFY2(skippedText.isEmpty() ||
                     std::any_of(set.skipped.begin(), set.skipped.end(),
                                 [&](const SkippedEntry& e) { return e.text == skippedText; }),
                 qPrintable(QStringLiteral("the choices do not tell of ") + skippedText));
    }

    // The analysis of the grid's study, and the study read as the earlier survey of a
    // comparison.
    void verifyAnalysis(const QString& skippedText)
    {
        verifyChoices(currentStudyChoices().choices, skippedText);
    }
    void verifyComparison(int record, const QString& skippedText)
    {
        Trap trap(u"DataForm:Compare"_qs);
        (void)comparableStudies(trap, BaseGroupSize, BothCriteria, 0);
        const StoredSurvey other = readStoredSurvey(trap, record);
        if (other.state == SurveyRead::Read)
            verifyChoices(other.choices, skippedText);
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

    // Each row damages the sound study with one statement (%1 its record, ? the bad value).
    void badValueIsSurvivedUnwritten_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QStringList>("reportedBy"); // procedures, some with their words
        QTest::addColumn<int>("groupSize");          // as the grid shows it
        QTest::addColumn<int>("choices");
        QTest::addColumn<int>("laidOut");  // labels of a computed Circle, Random or Square layout
        QTest::addColumn<QString>("cell"); // what grid cell (2, 3) shows, "-" for not checked
        QTest::addColumn<QString>("skipped"); // a text the analysis must tell was left out

        const QString header = u"UPDATE SOCIOMETRY SET %2 = ? WHERE RECORD = %1"_qs;
        auto setHeader = [&](const char* field) { return header.arg(u"%1"_qs, field); };
        // A fourth positive answer, by subject 1 in slot 3 (grid cell (2, 3)), read before
        // subject 2's.
        const QString socidata =
            u"INSERT INTO SOCIDATA (HEADER, ANSWERTYPE, INDIVIDUAL, CHOICE, ANSWER) VALUES "_qs;
        const QString answer = socidata + u"(%1, 1, 2, 3, ?)"_qs;
        const QString individual = socidata + u"(%1, 1, ?, 1, 5)"_qs;
        const QString choice = socidata + u"(%1, 1, 4, ?, 5)"_qs;
        const QString position = u"INSERT INTO POSITION (HEADER, SOCIOGRAM, LABEL, X, Y) "_qs;
        const QString y = position + u"VALUES (%1, 0, 3, 100, ?)"_qs;

        const QString loadGrid = u"DataForm:LoadGrid"_qs, loadData = u"DataForm:LoadData"_qs;
        const QString lineDraw = u"DataForm:LineDraw"_qs;
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
        // A refused size keeps the program's own (none yet); the layouts read the file's.
        row("GROUPSIZE 41", setHeader("GROUPSIZE"), 41,
            QStringList{loadGrid +
                            u", Error Number 380, The study's group size in the file (41)"_qs,
                        loadData} +
                layouts,
            0, BaseChoices, LabelSet::MaxIndex, u"-"_qs);
        row("GROUPSIZE 0", setHeader("GROUPSIZE"), 0, {loadGrid, loadData, layouts[0]}, 0,
            BaseChoices, 0, u"-"_qs);
        row("GROUPSIZE -4", setHeader("GROUPSIZE"), -4, {loadGrid, loadData, layouts[2]}, 0,
            BaseChoices, 0, u"-"_qs);
        row("GROUPSIZE text", setHeader("GROUPSIZE"), u"twelve"_qs,
            QStringList{loadGrid, loadData} + layouts, 0, BaseChoices, 0, u"-"_qs);
        row("CHOICES 11", setHeader("CHOICES"), 11, {loadGrid, loadData}, n, 0, n, u"-"_qs);
        row("NAME empty", setHeader("NAME"), QVariant(QMetaType::fromType<QString>()), {loadGrid});
        // A chosen number that is no subject stays in the grid, draws no line and the
        // analysis says it left it out.
        row("ANSWER 99", answer, 99, {lineDraw}, n, BaseChoices, n, u"99"_qs, u"99"_qs);
        row("ANSWER -1", answer, -1, {lineDraw}, n, BaseChoices, n, u"-1"_qs, u"-1"_qs);
        // One that is no number at all is reported and passed over.
        row("ANSWER empty", answer, QVariant(), {loadData + u", Error Number 94"_qs, lineDraw});
        row("ANSWER text", answer, u"x"_qs, {loadData + u", Error Number 13"_qs});
        row("ANSWER infinity", answer, std::numeric_limits<double>::infinity(),
            {u"DrawForm:TargetDraw"_qs}, n, BaseChoices, n, u"inf"_qs, u"inf"_qs);
        row("INDIVIDUAL 0", individual, 0, {loadData, lineDraw});
        row("INDIVIDUAL 1 (a header row)", individual, 1, {loadData});
        row("INDIVIDUAL 100", individual, 100, {loadData, lineDraw});
        row("CHOICE 0 (the subject column)", choice, 0, {loadData});
        row("CHOICE 4 (one beyond)", choice, 4, {loadData});
        row("Y -70000", y, -70000, {doWork});
    }

    void badValueIsSurvivedUnwritten()
    {
        QFETCH(QString, damage);
        QFETCH(QVariant, value);
        QFETCH(QStringList, reportedBy);
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
        GridModel model(DataGrid());
        QAbstractItemModelTester modelTester(
            &model, QAbstractItemModelTester::FailureReportingMode::QtTest);

        Global::CurrentRecord = record;
        DataState data(DataGrid());
        data.FormLayout();
        verifyGridIsSound();
        QCOMPARE(data.title(), storedName.isNull() ? QString() : storedName.toString());
        QVERIFY(!data.critEnabled(0));
        QCOMPARE(data.critEnabled(1), Global::CriterionType == BothCriteria);
        QTEST(model.rowCount(), "groupSize");
        QTEST(model.columnCount(), "choices");
        if (cell != u"-"_qs) {
            QCOMPARE(DataGrid().TextMatrix(2, 3), cell);
            QCOMPARE(DataGrid().TextMatrix(3, 1), u"1"_qs); // the answer read after it
        }
        if (QTest::currentTestFailed())
            return;

        buildEverySociogram(laidOut);
        if (QTest::currentTestFailed())
            return;
        verifyAnalysis(skipped);
        verifyComparison(record, skipped);

        QCOMPARE(readProjectList().size(), std::size_t(1));

        // Again with the negative criterion in view: the damaged answer is read from the file.
        if (data.critEnabled(1)) {
            data.Crit_Click(DataState::CriterionItem::Negative);
            QCOMPARE(Global::CurrentCriterion, 2);
            verifyGridIsSound();
            buildEverySociogram(laidOut);
            if (QTest::currentTestFailed())
                return;
            verifyAnalysis(QString());
        }

        QStringList labels;
        for (const QString& report : reportedBy) {
            labels << report.section(u',', 0, 0);
            if (report.contains(u','))
                QVERIFY2(messages.texts().join(u'\n').contains(report), qPrintable(report));
        }
        QCOMPARE(reportingProcedures(messages), QSet<QString>(labels.begin(), labels.end()));
        // A header read only in part is never written back.
        if (labels.contains(u"DataForm:LoadGrid"_qs))
            QVERIFY(!data.SaveChanges(DataState::PositiveAnswer));
        QVERIFY2(db->bytes() == before, "the file changed");
        QCOMPARE(QDir(db->folder()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("KELVAROX.MDB")});
    }
};

QTEST_MAIN(BadDataTest)
#include "tst_baddata.moc"
