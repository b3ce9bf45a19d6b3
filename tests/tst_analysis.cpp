// The analysis core: figures of groups worked out by hand, status groups, chance limits,
// choices read from the grid, the store and CSV text, the exports, class-list files and
// two surveys of one class compared.
#include "analysistable.h"
#include "classlistfile.h"
#include "codes.h"
#include "comparison.h"
#include "csv.h"
#include "csvimport.h"
#include "exports.h"
#include "filefolder.h"
#include "files.h"
#include "formresponses.h"
#include "globals.h"
#include "gridfill.h"
#include "scriptedmessages.h"
#include "sociometry.h"
#include "statusstudy.h"
#include "store.h"
#include "studychoices.h"
#include "surveypair.h"
#include "testdb.h"

#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

Q_DECLARE_METATYPE(Status)

namespace {

bool near(std::optional<double> v, double expected)
{
    return v && std::fabs(*v - expected) < 0.0005;
}

// The cell of a subject's row under a column, or "(missing)" without such a column.
QString cell(const TextTable& table, int subject, const QString& column)
{
    const qsizetype c = table.header.indexOf(column);
    return c < 0 ? u"(missing)"_qs : table.rows.at(std::size_t(subject - 1)).at(c);
}

SurveyComparison pair(const QString& name)
{
    if (name == u"status")
        return compareSurveys(swappedStatusStudy(), statusStudy());
    if (name == u"one criterion") // the later survey asked the positive criterion alone
        return compareSurveys(swappedStatusStudy(),
                              survey(StatusPositive, {}, Codes::CriterionType::Positive, 10));
    return compareSurveys(survey(EarlierPositive, EarlierNegative),
                          survey(LaterPositive, LaterNegative));
}

} // namespace

class AnalysisTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir;

private Q_SLOTS:
    void init()
    {
        resetProgram();
        DataGrid().setShape(0, 0);
    }

    void coieDodgeCoppotelliThresholds_data()
    {
        QTest::addColumn<double>("zLM");
        QTest::addColumn<double>("zLL");
        QTest::addColumn<double>("sp");
        QTest::addColumn<double>("si");
        QTest::addColumn<Status>("group");
        using G = Status;
        QTest::newRow("SP of exactly 1") << 1.2 << -0.3 << 1.0 << 0.6 << G::Unclassified;
        QTest::newRow("high SP, zLL of 0") << 1.2 << 0.0 << 1.2 << 0.9 << G::Unclassified;
        QTest::newRow("low SP, liked a little") << 0.1 << 1.9 << -1.5 << 1.6 << G::Controversial;
        QTest::newRow("rejected before neglected") << -2.0 << 0.2 << -1.4 << -1.3 << G::Rejected;
        QTest::newRow("SI of exactly -1") << -0.8 << -0.6 << -0.1 << -1.0 << G::Unclassified;
        QTest::newRow("SP of exactly 0.5") << 0.1 << 0.2 << 0.5 << 0.0 << G::Unclassified;
    }
    void coieDodgeCoppotelliThresholds()
    {
        QFETCH(double, zLM);
        QFETCH(double, zLL);
        QFETCH(double, sp);
        QFETCH(double, si);
        QTEST(coieDodgeCoppotelliGroup(zLM, zLL, sp, si), "group");
    }

    void newcombBukowskiRules_data()
    {
        // The status study's group: means 1.5 and 1.5, counts high from 4.
        QTest::addColumn<int>("lm");
        QTest::addColumn<int>("ll");
        QTest::addColumn<Status>("group");
        QTest::newRow("liked, rarely disliked") << 4 << 1 << Status::Popular;
        QTest::newRow("liked, disliked above the mean") << 4 << 2 << Status::Controversial;
        QTest::newRow("just below the high count") << 3 << 0 << Status::Average;
        QTest::newRow("named once") << 0 << 1 << Status::Average;
    }
    void newcombBukowskiRules()
    {
        QFETCH(int, lm);
        QFETCH(int, ll);
        GroupFigures g = analyseChoices(statusStudy()).group;
        QTEST(newcombBukowskiGroup(lm, ll, g), "group");
        g.negative.meanReceived = 2.0; // a count at the mean is neither below nor above it
        QCOMPARE(newcombBukowskiGroup(4, 2, g), Status::Average);
    }

    void figuresOfTheStatusStudy()
    {
        const SociometricAnalysis a = analyseChoices(statusStudy());
        QVERIFY(a.group.classified);
        for (const StatusMethod m :
             {StatusMethod::CoieDodgeCoppotelli, StatusMethod::NewcombBukowski}) {
            QStringList groups;
            for (const SubjectFigures& s : a.subjects)
                groups << StatusWords::english(s.status(m));
            QCOMPARE(
                groups.join(u' '),
                m == StatusMethod::NewcombBukowski
                    ? u"Popular Rejected Controversial Neglected Average Average Average Average Average Average"_qs
                    : u"Popular Rejected Controversial Neglected Unclassified Average Average Average Average Unclassified"_qs);
        }
        QVERIFY(near(a.subjects[0].zLikedMost, 2.040));
        QVERIFY(near(a.subjects[0].zLikedLeast, -0.874));
        QVERIFY(near(a.subjects[0].socialPreference, 1.970));
        QVERIFY(near(a.subjects[2].socialImpact, 2.165));
        QVERIFY(near(a.subjects[9].socialPreference, -0.788));
        const GroupFigures& g = a.group;
        QCOMPARE(g.negative.mutualPairs, 2);
        QCOMPARE(g.negative.linkedPairs, 13);
        QCOMPARE(*g.positive.meanReceived, 1.5);
        QCOMPARE(g.isolates, 3);     // 2, 4 and 10
        QCOMPARE(g.rejectedOnly, 2); // 2 and 10; 4 got no negative choice either
        QCOMPARE(a.subjects[6].mutualNegative, 1);
        QCOMPARE(a.subjects[5].mutualPositive, 1);
        QCOMPARE(*g.positive.reciprocity, 1.0 / 14); // one mutual pair of 14 linked
        QVERIFY(a.subjects[3].isolate && !a.subjects[3].rejectedOnly && !a.subjects[0].isolate);
        QCOMPARE(a.subjects[0].negativeGiven, 3);
        QCOMPARE(g.likedMostLimits.upper, std::optional<int>(4));
        QCOMPARE(g.likedMostLimits.lower, std::optional<int>());
        QCOMPARE(g.impactLimits.lower, std::optional<int>(0));
    }

    void noSpreadLeavesScoresUndefined()
    {
        // Everyone liked once (zLM has no spread), then nobody disliked (zLL has none).
        ChoiceSet set = emptyChoiceSet(6, 1, Codes::CriterionType::Both);
        set.positive = choicesOf(Ring);
        set.negative = choicesOf({{2, {1}}, {3, {1}}, {4, {2}}}, ChoiceKind::Negative);
        for (const bool disliked : {true, false}) {
            for (const SubjectFigures& s : analyseChoices(set).subjects) {
                QVERIFY(s.zLikedMost.has_value() != disliked &&
                        s.zLikedLeast.has_value() == disliked);
                QCOMPARE(s.coieDodgeCoppotelli, Status::None);
                QCOMPARE(s.newcombBukowski != Status::None, disliked);
            }
            std::swap(set.positive, set.negative);
            set.negative.clear();
        }
        // zLM equals zLL for everyone: SP has no spread, though floating point leaves noise.
        set = emptyChoiceSet(7, 3, Codes::CriterionType::Both);
        set.positive = choicesOf(
            {{1, {2, 3}}, {2, {1}}, {3, {1, 2}}, {4, {1, 5}}, {5, {4}}, {6, {7}}, {7, {6}}});
        set.negative = choicesOf({{5, {1}}, {6, {1}}, {7, {2}}}, ChoiceKind::Negative);
        for (const SubjectFigures& s : analyseChoices(set).subjects)
            QVERIFY(s.zLikedMost && s.zLikedLeast && s.socialImpact && !s.socialPreference);
    }

    void emptyGroupDividesByNothing()
    {
        const GroupFigures empty =
            analyseChoices(emptyChoiceSet(6, 3, Codes::CriterionType::Both)).group;
        QCOMPARE(*empty.positive.density, 0.0);
        QVERIFY(!empty.positive.reciprocity && !empty.positive.sdReceived);
        QVERIFY(!empty.likedMostLimits.probability);
        QCOMPARE(empty.isolates, 6);
        const SociometricAnalysis single =
            analyseChoices(emptyChoiceSet(1, 1, Codes::CriterionType::Both));
        QVERIFY(!single.group.positive.density);
        QCOMPARE(single.subjects[0].newcombBukowski, Status::None);
        const GroupFigures positive =
            analyseChoices(emptyChoiceSet(6, 1, Codes::CriterionType::Positive)).group;
        QVERIFY(!positive.negative.present && !positive.classified);
        const GroupFigures negative =
            analyseChoices(emptyChoiceSet(6, 1, Codes::CriterionType::Negative)).group;
        QCOMPARE(negative.isolates, 0); // no positive criterion
    }

    void chanceLimits_data()
    {
        QTest::addColumn<int>("trials");
        QTest::addColumn<double>("p");
        QTest::addColumn<int>("upper"); // -1: none
        QTest::addColumn<int>("lower"); // -1: none
        // Bin(39, .25): P(X >= 14) = .0862, P(X >= 15) = .0439; P(X <= 4) = .0194,
        // P(X <= 5) = .0512.
        QTest::newRow("39 choosers, p .25") << 39 << 0.25 << 15 << 4;
        QTest::newRow("nobody chooses") << 5 << 0.0 << 1 << -1;
        QTest::newRow("everyone chooses everyone") << 5 << 1.0 << -1 << 4;
    }
    void chanceLimits()
    {
        QFETCH(int, trials);
        QFETCH(double, p);
        const ChanceLimits limits = ::chanceLimits(trials, p);
        QTEST(limits.upper.value_or(-1), "upper");
        QTEST(limits.lower.value_or(-1), "lower");
        QVERIFY(std::fabs(binomialUpperTail(trials, p, 0) - 1) < 1e-12);
        QVERIFY(!::chanceLimits(trials, std::nullopt).probability);
    }

    void gridCells_data()
    {
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("chosen");     // 0: no choice
        QTest::addColumn<int>("skipReason"); // -1: not skipped
        const int notASubject = static_cast<int>(SkipReason::NotASubject);
        QTest::newRow("leading number, as saved") << u"3x"_qs << 3 << -1;
        QTest::newRow("blank") << u"  "_qs << 0 << -1;
        QTest::newRow("zero") << u"0"_qs << 0 << notASubject;
        QTest::newRow("fraction") << u"2.5"_qs << 0 << notASubject;
        QTest::newRow("outside the group") << u"7"_qs << 0 << notASubject;
        QTest::newRow("named in slot 1") << u"2"_qs << 0 << static_cast<int>(SkipReason::Repeated);
    }
    void gridCells()
    {
        QFETCH(QString, cell);
        QFETCH(int, chosen);
        QFETCH(int, skipReason);
        ChoiceGrid grid;
        fillGrid(grid, 6, 2, {{u"2"_qs, cell}, {}, {}, {}, {u"6"_qs}});
        std::vector<SkippedEntry> skipped;
        constexpr ChoiceKind N = ChoiceKind::Negative;
        std::vector<Choice> expected{{1, 2, N, 1}};
        if (chosen > 0)
            expected.push_back({1, chosen, N, 2});
        expected.push_back({5, 6, N, 1});
        QCOMPARE(choicesFromGrid(grid, Criterion::Negative, &skipped), expected);
        QCOMPARE(static_cast<int>(skipped.size()), skipReason < 0 ? 0 : 1);
        if (skipReason >= 0) {
            QCOMPARE(static_cast<int>(skipped[0].reason), skipReason);
            QCOMPARE(skipped[0].slot, 2);
            QCOMPARE(skipped[0].text, cell);
        }
    }

    void storedAnswers()
    {
        const auto row = [](QVariant type, QVariant individual, QVariant choice, QVariant answer) {
            return AnswerRow{QVariant(7), type, individual, choice, answer};
        };
        const std::vector<AnswerRow> rows{row(2, 3, 1, 5.0),  // subject 2, slot 1
                                          row(1, 2, 1, 3.0),  // positive: passed over
                                          row(2, 2, 2, 4.0),  // subject 1, slot 2, stored first
                                          row(2, 2, 1, 6.0),  // subject 1, slot 1
                                          row(2, 8, 1, 2.0),  // a chooser 7 in a group of 6
                                          row(2, 4, 4, 2.0),  // slot 4 of 3
                                          row(2, 4, 1, 2.5),  // not a subject
                                          row(2, 4, 2, 3.0)}; // subject 3 choosing himself
        std::vector<SkippedEntry> skipped;
        QCOMPARE(choicesFromAnswers(rows, Criterion::Negative, 6, 3, &skipped),
                 (std::vector<Choice>{{1, 6, Criterion::Negative, 1},
                                      {1, 4, Criterion::Negative, 2},
                                      {2, 5, Criterion::Negative, 1}}));
        std::vector<SkipReason> reasons;
        for (const SkippedEntry& e : skipped)
            reasons.push_back(e.reason);
        QCOMPARE(reasons,
                 (std::vector<SkipReason>{SkipReason::OutsideGrid, SkipReason::OutsideGrid,
                                          SkipReason::NotASubject, SkipReason::SelfChoice}));
    }

    // The grid holds the criterion in view; the other comes from the stored answers.
    void currentStudyTakesTheOtherCriterionFromTheStore()
    {
        TestDatabase db;
        const int record = db.addStudy("Class", 10, 3, "Who?", 3);
        for (const Choice& c : choicesOf(StatusNegative, ChoiceKind::Negative))
            QVERIFY(db.addAnswer(record, 2, c.chooser + 1, c.slot, double(c.chosen)));
        QVERIFY(db.addAnswer(record, 1, 2, 1, 9)); // stale: the grid holds positive now
        std::vector<QStringList> cells(10);
        for (const Choice& c : choicesOf(StatusPositive))
            cells[c.chooser - 1] << QString::number(c.chosen);
        fillGrid(DataGrid(), 10, 3, cells);
        Global::CurrentRecord = record;
        Global::CriterionType = 3;
        Global::CurrentCriterion = 1;
        const CurrentChoices current = currentStudyChoices();
        QVERIFY(!current.storedUnread);
        QCOMPARE(current.choices.positive, choicesOf(StatusPositive));
        QCOMPARE(current.choices.negative, choicesOf(StatusNegative, ChoiceKind::Negative));

        // The file gone: what the grid holds, and the user is told.
        Global::AppPath = dir.filePath(u"no-database/"_qs);
        ScriptedMessages messages;
        const CurrentChoices unread = currentStudyChoices();
        QVERIFY(unread.storedUnread);
        QVERIFY(messages.texts().first().contains(u"DataForm:Analysis"_qs));
        QCOMPARE(unread.choices.positive, choicesOf(StatusPositive));
        QVERIFY(unread.choices.negative.empty());
        Global::CriterionType = 1; // one criterion: the file is never read
        QVERIFY(!currentStudyChoices().storedUnread);
        QCOMPARE(messages.count(), 1);
    }

    void csvText_data()
    {
        // Six subjects, two choices: subject:slot=chosen of every filled cell, or the problem.
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("semicolons, CRLF, no final break")
            << u"1;2;3\r\n6;1"_qs << u"1:1=2 1:2=3 6:1=1"_qs;
        QTest::newRow("tabs") << u"4\t5\n"_qs << u"4:1=5"_qs;
        QTest::newRow("header with an empty corner")
            << u",Choice 1,Choice 2\n3,,1\n"_qs << u"3:2=1"_qs;
        QTest::newRow("quotes, blanks, trailing empty fields")
            << u"\"1\" , \" 2 \",\"4\",,,\n"_qs << u"1:1=2 1:2=4"_qs;
        QTest::newRow("byte-order mark and a quoted comma in the header")
            << QString(QChar(0xFEFF)) + u"Who; \"First, best\"; Second\n5;6;1\n"_qs
            << u"5:1=6 5:2=1"_qs;
        QTest::newRow("self-choice")
            << u"1,2\n2,2\n"_qs << u"Line 2, column 2: Subject 2 cannot choose themselves."_qs;
        QTest::newRow("too many choices")
            << u"1,2,3,4\n"_qs
            << u"Line 1, column 4: More choices are given than the study allows (2)."_qs;
        QTest::newRow("chooser given twice")
            << u"1,2\n3,4\n1,5\n"_qs
            << u"Line 3, column 1: Subject 1 is given a second time; the first row is line 1."_qs;
        QTest::newRow("chosen twice in a row")
            << u"1,2,2\n"_qs << u"Line 1, column 3: Subject 2 is chosen twice in this row."_qs;
        QTest::newRow("quote never closed")
            << u"1,\"2\n"_qs << u"Line 1, column 2: A quoted field is not closed."_qs;
        QTest::newRow("header only") << u"Chooser,Choice 1\n"_qs
                                     << u"Line 1, column 1: The text holds no rows of choices."_qs;
        QTest::newRow("a quoted line break moves the lines on")
            << u"\r\n\"1\",\"3\n\"\n2,y\n"_qs << u"Line 4, column 2: \"y\" is not a number."_qs;
    }
    void csvText()
    {
        QFETCH(QString, text);
        const ImportResult result = importChoicesCsv(text, 6, 2);
        QStringList found;
        for (const ImportProblem& p : result.problems)
            found << p.text();
        for (int s = 1; result.choices && s <= 6; ++s)
            for (int slot = 1; slot <= 2; ++slot)
                if (const int c = result.choices->at(s, slot); c > 0)
                    found << QStringLiteral("%1:%2=%3").arg(s).arg(slot).arg(c);
        QTEST(found.join(u' '), "result");
        if (result.choices)
            QCOMPARE(result.choices->filled(), static_cast<int>(found.size()));
    }

    // Read back, a file fills only a grid of its shape.
    void importedChoicesFitTheirGridOnly()
    {
        ChoiceGrid other;
        fillGrid(other, 6, 3, {{u"5"_qs}});
        QVERIFY(!applyImportedChoices(*importChoicesCsv(u"1,2\n"_qs, 6, 2).choices, other));
        QCOMPARE(other.TextMatrix(2, 1), u"5"_qs);
    }

    void textFiles_data()
    {
        // The bytes of a file: its text, or the line refused.
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("result");
        QTest::newRow("UTF-8 with a byte-order mark")
            << QByteArray("\xEF\xBB\xBFSch\xC3\xBCler,Wahl\n") << u"Sch\u00fcler,Wahl\n"_qs;
        QTest::newRow("Windows-1252") << QByteArray("Siobh\xE1n O\x92Neill;\x8A\x8E \x80\r\n")
                                      << u"Siobh\u00e1n O\u2019Neill;\u0160\u017d \u20ac\r\n"_qs;
        QTest::newRow("accents written apart, made one")
            << QByteArray("Chloe\xCC\x81") << u"Chlo\u00e9"_qs;
        QTest::newRow("UTF-16 with its mark")
            << QByteArray("\xFF\xFEZ\0o\0\xEB\0", 8) << u"Zo\u00eb"_qs;
        QTest::newRow("a byte undefined in the code page")
            << QByteArray("Anna\n\xE9mile\x81\n") << u"line 2"_qs;
        QTest::newRow("a binary file") << QByteArray("PK\x03\x04\n", 5) << u"line 1"_qs;
    }
    void textFiles()
    {
        QFETCH(QByteArray, bytes);
        const DecodedText decoded = decodeText(bytes);
        QTEST(decoded.text.value_or(u"line %1"_qs.arg(decoded.badLine)), "result");
        const QString latin = dir.filePath(u"latin.csv"_qs);
        QVERIFY(writeFile(latin, bytes));
        QString error;
        QCOMPARE(readTextFile(latin, &error), decoded.text);
        QCOMPARE(error.contains(u"line %1 "_qs.arg(decoded.badLine)), !decoded.text);
    }
    void textFileOut()
    {
        const QString out = dir.filePath(u"table.csv"_qs);
        QVERIFY(writeTextFile(out, u"Sch\u00fcler\n"_qs));
        QCOMPARE(fileText(out), u"Sch\u00fcler\n"_qs);
    }
    void edgeListAndCsvQuoting()
    {
        const Csv::Text csv = Csv::parse(choicesEdgeListCsv(statusStudy()), u',');
        QCOMPARE(csv.records.size(), std::size_t(1 + 15 + 15));
        QCOMPARE(csv.records[1].fields, QStringList({u"2"_qs, u"1"_qs, u"1"_qs, u"Positive"_qs}));
        const auto has = [&](const QStringList& fields) {
            return std::any_of(csv.records.begin(), csv.records.end(),
                               [&](const Csv::Record& r) { return r.fields == fields; });
        };
        QVERIFY(has({u"6"_qs, u"7"_qs, u"3"_qs, u"Positive"_qs}));
        QVERIFY(has({u"10"_qs, u"9"_qs, u"1"_qs, u"Negative"_qs}));
        QCOMPARE(Csv::line({u"a"_qs, u"b,c"_qs, u"say \"hi\""_qs, u"two\nlines"_qs}),
                 u"a,\"b,c\",\"say \"\"hi\"\"\",\"two\nlines\"\n"_qs);
    }

    void graphMl_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("edges"); // count, then source>target:sign:slot
        QTest::newRow("both criteria") << int(Codes::CriterionType::Both) << "30 6>7:1:3 1>10:-1:3";
        QTest::newRow("negative only") << int(Codes::CriterionType::Negative) << "15 1>10:-1:3";
    }
    void graphMl()
    {
        QFETCH(int, type);
        QFETCH(QString, edges);
        ChoiceSet set = statusStudy();
        set.criterionType = type;
        QXmlStreamReader xml(choicesGraphMl(set));
        int nodes = 0;
        QStringList found;
        std::map<QString, QString> data;
        while (!xml.atEnd()) {
            xml.readNext();
            const QXmlStreamAttributes at = xml.attributes();
            nodes += xml.isStartElement() && xml.name() == u"node";
            if (xml.isEndElement() && xml.name() == u"edge")
                found.last() += u':' + data[u"sign"_qs] + u':' + data[u"slot"_qs];
            else if (xml.isStartElement() && xml.name() == u"edge")
                found << at.value(u"source"_qs).toString() + u'>' +
                             at.value(u"target"_qs).toString();
            else if (xml.isStartElement() && xml.name() == u"data")
                data[at.value(u"key"_qs).toString()] = xml.readElementText();
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(nodes, 10);
        const QStringList want = edges.split(u' ');
        QCOMPARE(found.size(), want[0].toInt());
        for (const QString& e : want.mid(1))
            QVERIFY2(found.contains(e), qPrintable(e));
    }

    void analysisTableWithUndefinedFigures()
    {
        const Csv::Text coie = Csv::parse(
            analysisTableCsv(analyseChoices(statusStudy()), StatusMethod::CoieDodgeCoppotelli),
            u',');
        QCOMPARE(coie.records.size(), std::size_t(11));
        const QStringList header = coie.records[0].fields;
        const QStringList first = coie.records[1].fields;
        QCOMPARE(first[header.indexOf(u"Positive received"_qs)], u"5"_qs);
        QCOMPARE(first[header.indexOf(u"SP"_qs)], u"1.970"_qs);
        QCOMPARE(first.last(), u"Popular"_qs);
        QCOMPARE(coie.records[2].fields[header.indexOf(u"Rejected only"_qs)], u"yes"_qs);
        ChoiceSet ring = emptyChoiceSet(6, 1, Codes::CriterionType::Both);
        ring.positive = choicesOf(Ring); // and no negative choice
        const SociometricAnalysis r = analyseChoices(ring);
        const TextTable table = ::subjectTable(r, StatusMethod::CoieDodgeCoppotelli);
        QCOMPARE(table.rows[0][table.header.indexOf(u"zLM"_qs)], u"undefined"_qs);
        QCOMPARE(table.rows[0].last(), u"undefined"_qs);
        std::map<QString, QString> figures;
        for (const auto& [name, value] : groupFigures(r, StatusMethod::NewcombBukowski))
            figures[name] = value;
        QCOMPARE(figures[u"Negative reciprocity"_qs], u"undefined"_qs);
        QCOMPARE(figures[u"Positive reciprocity"_qs], u"0.000"_qs);
        QCOMPARE(figures[u"Positive density"_qs], u"0.200"_qs);
        QCOMPARE(figures[u"undefined"_qs], u"6"_qs); // every subject's status group
    }
    void classListText_data()
    {
        // Six subjects: subject=name of every name read, or the problems.
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("result");
        QTest::newRow("numbers in any order, a header")
            << u"Number;Name\n5; Zo\u00eb  Ng \n1;\"Smith, Anna\"\n"_qs
            << u"1=Smith, Anna 5=Zo\u00eb Ng"_qs;
        QTest::newRow("a name a line, CRLF, empty lines at the end")
            << u"Anna\r\nO\u2019Brien, Ben\r\n\r\n \r\n"_qs << u"1=Anna 2=O\u2019Brien, Ben"_qs;
        QTest::newRow("number outside the group")
            << u"7,Gus\n"_qs << u"Line 1, column 1: 7 is not a subject number from 1 to 6."_qs;
        QTest::newRow("number twice")
            << u"1,Al\n1,Bo\n"_qs
            << u"Line 2, column 1: Subject 1 is given a second time; the first row is line 1."_qs;
        QTest::newRow("a name of blanks")
            << u"1,Al\n2,  \n"_qs << u"Line 2, column 2: The name is empty."_qs;
        QTest::newRow("an empty line among names")
            << u"Al\n \nCy\n"_qs
            << u"Line 2, column 1: The line holds no name: without numbers, each line is the "
               "name of the next subject."_qs;
        QTest::newRow("more names than subjects")
            << u"A\nB\nC\nD\nE\nF\nG\nH\n"_qs
            << u"Line 7, column 1: The list holds 8 names for the 6 subjects of the study."_qs;
        QTest::newRow("not text") << u"Al\nB;\u0001;x\n"_qs
                                  << u"Line 2, column 2: The file is not text: it holds control "
                                     "characters."_qs;
        QTest::newRow("a header only")
            << u"Number,Name\n"_qs << u"Line 1, column 1: The file holds no names."_qs;
        QTest::newRow("an accent written apart") << u"Chloe\u0301\n"_qs << u"1=Chlo\u00e9"_qs;
    }
    void classListText()
    {
        QFETCH(QString, text);
        const ClassListRead read = readClassList(text, 6);
        QStringList found;
        for (const ImportProblem& p : read.problems)
            found << p.text();
        for (int s = 1; read.names && s <= 6; ++s)
            if (!read.names->at(s).isEmpty())
                found << QStringLiteral("%1=%2").arg(s).arg(read.names->at(s));
        QTEST(found.join(u' '), "result");
        if (read.names) // what the program writes, it reads back unchanged
            QCOMPARE(readClassList(classListCsv(*read.names), 6).names, read.names);
    }
    void formResponses_data()
    {
        // A Both study of 8 pupils, 2 choices; with a class list unless the row says
        // "numbers". The result: P or N, respondent:slot=chosen, or the problems, then
        // the rows taken.
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("result");
        QTest::newRow("names matched, list spelling")
            << u"t,a@b,anna kowalska.,\"Ben  Okafor; CHLOE MARTIN\",Siobhan O\u2019Neill\n"_qs
            << u"P1:1=2 P1:2=3 N1:1=4 taken 1"_qs;
        QTest::newRow("a name with a comma, nobody, numbers")
            << u"t,,2,\"Smith, Eve\",Nobody\n,,3,\"1, 2\",\n"_qs
            << u"P2:1=7 P3:1=1 P3:2=2 taken 2"_qs;
        QTest::newRow("unknown name, clean row still taken")
            << u"t,,1,Zed,\nt,,2,1,\n"_qs
            << u"Line 2, column 4: \"Zed\" is not a name of the class list. P2:1=1 taken 1"_qs;
        QTest::newRow("ambiguous name")
            << u"t,,1,dan li,\n"_qs
            << u"Line 2, column 4: \"dan li\" fits more than one pupil: 5 Dan Li, 6 Dan  Li. "
               "taken 0"_qs;
        QTest::newRow("self choice")
            << u"t,,Ben Okafor,,Ben Okafor\n"_qs
            << u"Line 2, column 5: 2 Ben Okafor cannot choose themselves. taken 0"_qs;
        QTest::newRow("same classmate twice")
            << u"t,,1,2;ben okafor,\n"_qs
            << u"Line 2, column 4: 2 Ben Okafor is chosen twice. taken 0"_qs;
        QTest::newRow("too many choices")
            << u"t,,1,2;3;4,\n"_qs
            << u"Line 2, column 4: More choices are given than the study allows (2). taken 0"_qs;
        QTest::newRow("outside the group")
            << u"t,,9,2,\n"_qs
            << u"Line 2, column 3: 9 is not a subject number from 1 to 8. taken 0"_qs;
        QTest::newRow("no respondent") << u"t,,,2,\n"_qs
                                       << u"Line 2, column 3: The row does not say who answers. "
                                          "taken 0"_qs;
        QTest::newRow("respondent twice, the later row offered")
            << u"t,,1,2;3,\nt,,1,4,\n"_qs
            << u"Line 3, column 3: 1 Anna Kowalska answers a second time; the first row is "
               "line 2, and this later row is the one offered. P1:1=4 taken 1"_qs;
        QTest::newRow("numbers: no class list")
            << u"numbers\nt,,1,Ben,2\n"_qs
            << u"Line 2, column 4: \"Ben\" is not a number, and without a class list only "
               "numbers are matched. taken 0"_qs;
        QTest::newRow("empty file")
            << u"\n"_qs << u"Line 1, column 1: The file holds no responses. taken 0"_qs;
        QTest::newRow("not text") << u"t,,1,\u0002,\n"_qs
                                  << u"Line 2, column 4: The file is not text: it holds control "
                                     "characters. taken 0"_qs;
    }
    // A form in the teacher's language writes "nobody" in it, as the kiosk and the ballots do.
    void formNobodyInTheLanguageInUse()
    {
        struct Dutch : QTranslator {
            QString translate(const char* context, const char* source, const char*,
                              int) const override
            {
                return qstrcmp(context, "KioskWindow") == 0 && qstrcmp(source, "Nobody") == 0
                           ? u"Niemand"_qs
                           : QString();
            }
            bool isEmpty() const override { return false; }
        } dutch;
        QCoreApplication::installTranslator(&dutch);
        const FormSheet sheet = readFormSheet(u"Naam,Wie wel?,Wie niet?\n1,2,niemand\n"_qs);
        const FormStudy study{8, 2, Codes::CriterionType::Both, {}};
        const FormResponses read =
            readFormResponses(sheet, guessFormRoles(sheet.header, study.criterionType), study);
        QCoreApplication::removeTranslator(&dutch);
        const QString said = read.problems.empty() ? QString() : read.problems.front().text();
        QVERIFY2(read.problems.empty(), qPrintable(said));
    }
    void formResponses()
    {
        QFETCH(QString, rows);
        FormStudy study{8, 2, Codes::CriterionType::Both, {}};
        if (!rows.startsWith(u"numbers\n"_qs))
            study.names = {{},
                           u"Anna Kowalska"_qs,
                           u"Ben Okafor"_qs,
                           u"Chlo\u00e9 Martin"_qs,
                           u"Siobh\u00e1n O\u2019Neill"_qs,
                           u"Dan Li"_qs,
                           u"Dan  Li"_qs,
                           u"Smith, Eve"_qs,
                           {}};
        rows.remove(u"numbers\n"_qs);
        const QString text = u"Timestamp,Email Address,Your name,Who would you like to sit "
                             "with?,Who would you rather not sit with?\n"_qs +
                             rows;
        const FormSheet sheet = readFormSheet(text);
        const FormResponses read =
            readFormResponses(sheet, guessFormRoles(sheet.header, study.criterionType), study);
        QStringList found;
        for (const ImportProblem& p : read.problems)
            found << p.text();
        for (const auto& [sign, choices] : {std::pair{u'P', read.positive}, {u'N', read.negative}})
            for (int s = 1; choices && s <= 8; ++s)
                for (int slot = 1; slot <= 2; ++slot)
                    if (const int c = choices->at(s, slot); c > 0)
                        found << QStringLiteral("%1%2:%3=%4")
                                     .arg(QChar(sign))
                                     .arg(s)
                                     .arg(slot)
                                     .arg(c);
        found << u"taken %1"_qs.arg(read.rowsTaken);
        QTEST(found.join(u' '), "result");
    }
    // Tabs, one column per slot, a positive study: the choices close up, the negative stays
    // untouched.
    void formResponsesInSlotColumns()
    {
        const FormStudy study{6, 2, 1, {{}, u"Anna"_qs, u"Ben"_qs}};
        const FormSheet sheet =
            readFormSheet(u"Pupil\tChoice 1\tChoice 2\nAnna\tBen\t3\n3\t\tanna\n"_qs);
        const FormResponses read =
            readFormResponses(sheet, guessFormRoles(sheet.header, study.criterionType), study);
        QVERIFY(read.problems.empty() && !read.negative);
        QCOMPARE(read.positive->at(1, 1), 2);
        QCOMPARE(read.positive->at(1, 2), 3);
        QCOMPARE(read.positive->at(3, 1), 1);
        QCOMPARE(read.rowsTaken, 2);
    }
    void formColumnsGuessed_data()
    {
        QTest::addColumn<QString>("header");
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("roles"); // i ignored, r respondent, p, n
        QTest::newRow("a slot per column, both halves")
            << u"Name,Choice 1,Choice 2,Choice 3,Choice 4"_qs << 3 << u"rppnn"_qs;
        QTest::newRow("timestamp and mail ignored, respondent not first")
            << u"Submitted at,Pick friends,E-mail,Your number"_qs << 1 << u"ipir"_qs;
        QTest::newRow("a negative study") << u"Pupil,Who not"_qs << 2 << u"rn"_qs;
    }
    void formColumnsGuessed()
    {
        QFETCH(QString, header);
        QFETCH(int, type);
        QString roles;
        for (FormRole r : guessFormRoles(header.split(u','), type))
            roles += QStringLiteral("irpn").at(static_cast<int>(r));
        QTEST(roles, "roles");
    }
    void subjectTable_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<int>("subject");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        const auto row = [](const char* name, const char* pair, int subject, const char* column,
                            const char* value) {
            QTest::newRow(name) << QString(pair) << subject << QString(column) << QString(value);
        };
        row("received, earlier", "six", 3, "Positive earlier", "2");
        row("received, later", "six", 5, "Positive later", "2");
        row("received more", "six", 5, "Positive change", "+2");
        row("received fewer", "six", 3, "Positive change", "-1");
        row("received as many", "six", 1, "Positive change", "0");
        row("rejected less", "six", 6, "Negative change", "-1");
        row("rejected anew", "six", 2, "Negative change", "+1");
        row("mutual kept", "six", 2, "Mutual positive kept", "1");
        row("mutual lost", "six", 4, "Mutual positive lost", "1");
        row("mutual gained", "six", 6, "Mutual positive gained", "1");
        row("no mutual gained", "six", 1, "Mutual positive gained", "0");
        row("status before", "status", 1, "Status earlier", "Rejected");
        row("status after", "status", 1, "Status later", "Popular");
        row("status changed", "status", 2, "Status changed", "changed");
        row("status kept", "status", 3, "Status changed", "");
        row("one criterion: no status", "one criterion", 1, "Status later", "");
        row("one criterion: no mark", "one criterion", 2, "Status changed", "");
        row("the other survey's status", "one criterion", 2, "Status earlier", "Popular");
        row("criterion of one survey only", "one criterion", 1, "Negative earlier", "(missing)");
        row("one survey's criterion compared", "one criterion", 1, "Positive change", "+5");
    }

    void subjectTable()
    {
        QFETCH(QString, pair);
        QFETCH(int, subject);
        QFETCH(QString, column);
        const TextTable table = comparisonTable(::pair(pair), StatusMethod::CoieDodgeCoppotelli);
        QTEST(cell(table, subject, column), "value");
    }

    void tiesAndStability()
    {
        const SurveyComparison c = pair(u"six"_qs);
        QCOMPARE(tieChangesCsv(c.ties),
                 u"Chooser,Chosen,Criterion,Change\n"
                 "1,2,Positive,kept\n1,3,Positive,gone\n1,4,Positive,new\n2,1,Positive,kept\n"
                 "3,4,Positive,gone\n3,5,Positive,new\n4,3,Positive,kept\n5,1,Positive,kept\n"
                 "5,6,Positive,new\n6,5,Positive,new\n"
                 "2,6,Negative,gone\n3,6,Negative,kept\n4,2,Negative,new\n"_qs);
        QCOMPARE(c.stability.size(), 2u);
        QCOMPARE(c.stability[0].share(), std::optional<double>(0.4));
        QCOMPARE(c.stability[1].share(), std::optional<double>(1.0 / 3));
        // Only the criterion both surveys asked is compared, tie by tie.
        const SurveyComparison one = pair(u"one criterion"_qs);
        QCOMPARE(one.stability.size(), 1u);
        QVERIFY(std::all_of(one.ties.begin(), one.ties.end(),
                            [](const ChangedTie& t) { return t.choice.positive(); }));
        QCOMPARE(TieStability{}.share(), std::optional<double>());

        // Each survey's figures stand beside the other's, as the analysis gives them.
        for (const FigurePair& f : comparisonFigures(c, StatusMethod::CoieDodgeCoppotelli))
            if (f.name == u"Positive choices")
                QCOMPARE(f.earlier + u'/' + f.later, u"6/8"_qs);
    }

    void csvWithNames()
    {
        const SubjectNames names{{}, u"Anna"_qs, u"Ben, Jr."_qs};
        const SurveyComparison c = pair(u"six"_qs);
        QCOMPARE(tieChangesCsv({c.ties[3]}, names).section(u'\n', 1, 1),
                 u"2,1,Positive,kept,\"Ben, Jr.\",Anna"_qs);
        const QStringList lines =
            comparisonTableCsv(c, StatusMethod::CoieDodgeCoppotelli, names).split(u'\n');
        QCOMPARE(lines.size(), 8); // header, six subjects, the last line's end
        QVERIFY(lines[0].startsWith(u"Subject,Name,Positive earlier,"_qs));
        QVERIFY(lines[2].startsWith(u"2,\"Ben, Jr.\",1,1,0,"_qs));
        QVERIFY(!comparisonTableCsv(c, StatusMethod::CoieDodgeCoppotelli).contains(u"Anna"_qs));
    }
};

QTEST_GUILESS_MAIN(AnalysisTest)
#include "tst_analysis.moc"
