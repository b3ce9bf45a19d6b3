// The analysis: figures of groups worked out by hand, status groups, chance limits, and
// choices read from the grid, the store and CSV text.
#include "codes.h"
#include "csvimport.h"
#include "exports.h"
#include "files.h"
#include "globals.h"
#include "gridfill.h"
#include "scriptedmessages.h"
#include "sociometry.h"
#include "statusstudy.h"
#include "store.h"
#include "studychoices.h"
#include "testdb.h"

#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(StatusGroup)

namespace {

bool near(std::optional<double> v, double expected)
{
    return v && std::fabs(*v - expected) < 0.0005;
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
        QTest::addColumn<StatusGroup>("group");
        using G = StatusGroup;
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
        QTest::addColumn<StatusGroup>("group");
        QTest::newRow("liked, rarely disliked") << 4 << 1 << StatusGroup::Popular;
        QTest::newRow("liked, disliked above the mean") << 4 << 2 << StatusGroup::Controversial;
        QTest::newRow("just below the high count") << 3 << 0 << StatusGroup::Average;
        QTest::newRow("named once") << 0 << 1 << StatusGroup::Average;
    }
    void newcombBukowskiRules()
    {
        QFETCH(int, lm);
        QFETCH(int, ll);
        GroupFigures g = analyseChoices(statusStudy()).group;
        QTEST(newcombBukowskiGroup(lm, ll, g), "group");
        g.negative.meanReceived = 2.0; // a count at the mean is neither below nor above it
        QCOMPARE(newcombBukowskiGroup(4, 2, g), StatusGroup::Average);
    }

    void figuresOfTheStatusStudy()
    {
        const SociometricAnalysis a = analyseChoices(statusStudy());
        QVERIFY(a.group.classified);
        for (const StatusMethod m :
             {StatusMethod::CoieDodgeCoppotelli, StatusMethod::NewcombBukowski}) {
            QStringList groups;
            for (const SubjectFigures& s : a.subjects)
                groups << statusGroupName(s.status(m));
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
                QCOMPARE(s.coieDodgeCoppotelli, StatusGroup::Undetermined);
                QCOMPARE(s.newcombBukowski != StatusGroup::Undetermined, disliked);
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
        QCOMPARE(single.subjects[0].newcombBukowski, StatusGroup::Undetermined);
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
            << u"1,2\n2,2\n"_qs << u"Line 2, column 2: Subject 2 cannot choose himself."_qs;
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

    void textFiles()
    {
        const QString utf8 = dir.filePath(u"utf8.csv"_qs), latin = dir.filePath(u"latin.csv"_qs);
        QVERIFY(writeFile(utf8, "\xEF\xBB\xBFSch\xC3\xBCler,Wahl\n1,2\n"));
        QVERIFY(writeFile(latin, "Sch\xFCler;Wahl\n1;2\n"));
        QVERIFY(readTextFile(utf8)->contains(u"Sch\u00fcler"_qs));
        QVERIFY(readTextFile(latin)->startsWith(u"Sch\u00fcler"_qs));
        const QString out = dir.filePath(u"table.csv"_qs);
        QVERIFY(writeTextFile(out, u"Sch\u00fcler\n"_qs));
        QCOMPARE(fileText(out), u"Sch\u00fcler\n"_qs);
    }
};

QTEST_GUILESS_MAIN(AnalysisTest)
#include "tst_analysis.moc"
