// Sociometric figures of hand-computed groups, the status groups of both methods, the
// binomial chance limits and how choices are read from the grid and the stored rows.

#include "sociometry.h"
#include "store.h"
#include "tst_analysis_fixtures.h"

#include <QtTest>

Q_DECLARE_METATYPE(StatusGroup)

class TestAnalysisSociometry : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void star();
    void mutualPairAndIsolates();
    void negativeOnlyStudyHasNoIsolates();
    void statusGroups_data();
    void statusGroups();
    void coieDodgeCoppotelliThresholds_data();
    void coieDodgeCoppotelliThresholds();
    void newcombBukowskiRules_data();
    void newcombBukowskiRules();
    void standardScoresOfTheStatusStudy();
    void groupFiguresOfTheStatusStudy();
    void noSpreadLeavesScoresUndefined_data();
    void noSpreadLeavesScoresUndefined();
    void preferenceWithoutSpreadIsNotStandardized();
    void emptyGroupDividesByNothing();
    void chanceLimits_data();
    void chanceLimits();
    void unsoundChoicesInAHandMadeSetAreIgnored();
    void gridCells_data();
    void gridCells();
    void storedAnswers();
    void studyChoicesTakeTheOtherCriterionFromTheStore();
};

void TestAnalysisSociometry::star()
{
    ChoiceSet set = emptyChoiceSet(6, 1, Codes::CriterionType::Positive);
    set.positive = choicesOf({{2, {1}}, {3, {1}}, {4, {1}}, {5, {1}}, {6, {1}}});
    const SociometricAnalysis a = analyseChoices(set);

    QCOMPARE(a.subjects.size(), std::size_t(6));
    QCOMPARE(a.subjects[0].positiveReceived, 5);
    QCOMPARE(a.subjects[0].positiveGiven, 0);
    QVERIFY(!a.subjects[0].isolate);
    for (int s = 2; s <= 6; ++s) {
        QCOMPARE(a.subjects[s - 1].positiveGiven, 1);
        QCOMPARE(a.subjects[s - 1].positiveReceived, 0);
        QVERIFY(a.subjects[s - 1].isolate);
        QVERIFY(!a.subjects[s - 1].rejectedOnly);
    }
    QCOMPARE(a.group.isolates, 5);
    QCOMPARE(a.group.positive.choices, 5);
    QCOMPARE(*a.group.positive.density, 5.0 / 30.0);
    QCOMPARE(a.group.positive.mutualPairs, 0);
    QCOMPARE(*a.group.positive.reciprocity, 0.0);
    QVERIFY(!a.group.negative.present);
    QVERIFY(!a.group.classified);
    QCOMPARE(a.subjects[0].coieDodgeCoppotelli, StatusGroup::Undetermined);
}

void TestAnalysisSociometry::mutualPairAndIsolates()
{
    ChoiceSet set = emptyChoiceSet(6, 2, Codes::CriterionType::Positive);
    set.positive = choicesOf({{1, {2}}, {2, {1}}, {3, {1}}});
    const SociometricAnalysis a = analyseChoices(set);

    QCOMPARE(a.subjects[0].mutualPositive, 1);
    QCOMPARE(a.subjects[1].mutualPositive, 1);
    QCOMPARE(a.subjects[2].mutualPositive, 0);
    QCOMPARE(a.group.positive.mutualPairs, 1);
    QCOMPARE(a.group.positive.linkedPairs, 2);
    QCOMPARE(*a.group.positive.reciprocity, 0.5);
    QCOMPARE(a.group.isolates, 4); // 3, 4, 5 and 6
    QVERIFY(a.subjects[2].isolate);
    QVERIFY(!a.subjects[1].isolate);
}

void TestAnalysisSociometry::negativeOnlyStudyHasNoIsolates()
{
    ChoiceSet set = emptyChoiceSet(6, 1, Codes::CriterionType::Negative);
    set.negative = choicesOf({{1, {2}}, {2, {1}}});
    const SociometricAnalysis a = analyseChoices(set);
    QCOMPARE(a.group.isolates, 0);
    QCOMPARE(a.group.rejectedOnly, 0);
    QCOMPARE(a.subjects[0].mutualNegative, 1);
    QCOMPARE(a.group.negative.mutualPairs, 1);
    QVERIFY(!a.group.positive.present);
}

void TestAnalysisSociometry::statusGroups_data()
{
    QTest::addColumn<int>("subject");
    QTest::addColumn<StatusGroup>("coie");
    QTest::addColumn<StatusGroup>("newcomb");
    using G = StatusGroup;
    QTest::newRow("1 well liked, never disliked") << 1 << G::Popular << G::Popular;
    QTest::newRow("2 disliked, never liked") << 2 << G::Rejected << G::Rejected;
    QTest::newRow("3 liked and disliked") << 3 << G::Controversial << G::Controversial;
    QTest::newRow("4 never named") << 4 << G::Neglected << G::Neglected;
    QTest::newRow("5 between thresholds") << 5 << G::Unclassified << G::Average;
    QTest::newRow("6 ordinary") << 6 << G::Average << G::Average;
    QTest::newRow("9 ordinary") << 9 << G::Average << G::Average;
    QTest::newRow("10 between thresholds") << 10 << G::Unclassified << G::Average;
}

void TestAnalysisSociometry::statusGroups()
{
    QFETCH(int, subject);
    QFETCH(StatusGroup, coie);
    QFETCH(StatusGroup, newcomb);
    const SociometricAnalysis a = analyseChoices(statusStudy());
    QVERIFY(a.group.classified);
    const SubjectFigures& s = a.subjects[static_cast<std::size_t>(subject - 1)];
    QCOMPARE(s.coieDodgeCoppotelli, coie);
    QCOMPARE(s.newcombBukowski, newcomb);
    QCOMPARE(s.status(StatusMethod::CoieDodgeCoppotelli), coie);
    QCOMPARE(s.status(StatusMethod::NewcombBukowski), newcomb);
}

void TestAnalysisSociometry::coieDodgeCoppotelliThresholds_data()
{
    QTest::addColumn<double>("zLM");
    QTest::addColumn<double>("zLL");
    QTest::addColumn<double>("sp");
    QTest::addColumn<double>("si");
    QTest::addColumn<StatusGroup>("group");
    using G = StatusGroup;
    QTest::newRow("popular") << 1.2 << -0.3 << 1.01 << 0.6 << G::Popular;
    QTest::newRow("SP of exactly 1 is not popular") << 1.2 << -0.3 << 1.0 << 0.6 << G::Unclassified;
    QTest::newRow("high SP but disliked") << 1.5 << 0.1 << 1.2 << 1.2 << G::Controversial;
    QTest::newRow("high SP, zLL of 0") << 1.2 << 0.0 << 1.2 << 0.9 << G::Unclassified;
    QTest::newRow("rejected") << -0.4 << 1.3 << -1.5 << 0.7 << G::Rejected;
    QTest::newRow("low SP, liked a little") << 0.1 << 1.9 << -1.5 << 1.6 << G::Controversial;
    QTest::newRow("low SP, zLM of 0") << 0.0 << 1.3 << -1.1 << 0.9 << G::Unclassified;
    QTest::newRow("rejected before neglected") << -2.0 << 0.2 << -1.4 << -1.3 << G::Rejected;
    QTest::newRow("neglected") << -0.8 << -0.6 << -0.1 << -1.2 << G::Neglected;
    QTest::newRow("low impact, zLM above 0") << 0.1 << -1.5 << 1.0 << -1.1 << G::Unclassified;
    QTest::newRow("SI of exactly -1") << -0.8 << -0.6 << -0.1 << -1.0 << G::Unclassified;
    QTest::newRow("controversial") << 0.9 << 0.8 << 0.1 << 1.5 << G::Controversial;
    QTest::newRow("high impact, never disliked") << 1.5 << -0.1 << 0.9 << 1.5 << G::Unclassified;
    QTest::newRow("average") << 0.1 << 0.2 << -0.49 << 0.49 << G::Average;
    QTest::newRow("SP of exactly 0.5") << 0.1 << 0.2 << 0.5 << 0.0 << G::Unclassified;
    QTest::newRow("SI of exactly -0.5") << 0.1 << 0.2 << 0.0 << -0.5 << G::Unclassified;
}

void TestAnalysisSociometry::coieDodgeCoppotelliThresholds()
{
    QFETCH(double, zLM);
    QFETCH(double, zLL);
    QFETCH(double, sp);
    QFETCH(double, si);
    QFETCH(StatusGroup, group);
    QCOMPARE(coieDodgeCoppotelliGroup(zLM, zLL, sp, si), group);
}

void TestAnalysisSociometry::newcombBukowskiRules_data()
{
    // The status study's group: means 1.5 and 1.5, counts high from 4, impact low up to 0.
    QTest::addColumn<int>("lm");
    QTest::addColumn<int>("ll");
    QTest::addColumn<StatusGroup>("group");
    using G = StatusGroup;
    QTest::newRow("liked, rarely disliked") << 4 << 1 << G::Popular;
    QTest::newRow("liked, disliked above the mean") << 4 << 2 << G::Controversial;
    QTest::newRow("disliked, liked above the mean") << 2 << 5 << G::Controversial;
    QTest::newRow("disliked, rarely liked") << 1 << 4 << G::Rejected;
    QTest::newRow("just below the high count") << 3 << 0 << G::Average;
    QTest::newRow("never named") << 0 << 0 << G::Neglected;
    QTest::newRow("named once") << 0 << 1 << G::Average;
}

void TestAnalysisSociometry::newcombBukowskiRules()
{
    QFETCH(int, lm);
    QFETCH(int, ll);
    QFETCH(StatusGroup, group);
    const GroupFigures g = analyseChoices(statusStudy()).group;
    QCOMPARE(newcombBukowskiGroup(lm, ll, g), group);

    // A count exactly at the mean is neither below nor above it.
    GroupFigures even = g;
    even.negative.meanReceived = 2.0;
    QCOMPARE(newcombBukowskiGroup(4, 2, even), StatusGroup::Average);
}

void TestAnalysisSociometry::standardScoresOfTheStatusStudy()
{
    const SociometricAnalysis a = analyseChoices(statusStudy());
    const auto near = [](std::optional<double> v, double expected) {
        return v && std::fabs(*v - expected) < 0.0005;
    };
    QVERIFY(near(a.subjects[0].zLikedMost, 2.040));
    QVERIFY(near(a.subjects[0].zLikedLeast, -0.874));
    QVERIFY(near(a.subjects[0].socialPreference, 1.970));
    QVERIFY(near(a.subjects[0].socialImpact, 0.866));
    QVERIFY(near(a.subjects[2].socialImpact, 2.165));
    QVERIFY(near(a.subjects[3].socialImpact, -1.299));
    QVERIFY(near(a.subjects[4].socialPreference, 0.788));
    QVERIFY(near(a.subjects[9].socialPreference, -0.788));
    QCOMPARE(a.count(StatusMethod::CoieDodgeCoppotelli, StatusGroup::Average), 4);
    QCOMPARE(a.count(StatusMethod::NewcombBukowski, StatusGroup::Average), 6);
}

void TestAnalysisSociometry::groupFiguresOfTheStatusStudy()
{
    const SociometricAnalysis a = analyseChoices(statusStudy());
    const GroupFigures& g = a.group;
    QCOMPARE(g.positive.choices, 15);
    QCOMPARE(g.negative.choices, 15);
    QCOMPARE(*g.positive.density, 15.0 / 90.0);
    QCOMPARE(g.positive.mutualPairs, 1);
    QCOMPARE(g.positive.linkedPairs, 14);
    QCOMPARE(g.negative.mutualPairs, 2);
    QCOMPARE(g.negative.linkedPairs, 13);
    QCOMPARE(*g.positive.meanReceived, 1.5);
    QCOMPARE(g.isolates, 3);     // 2, 4 and 10
    QCOMPARE(g.rejectedOnly, 2); // 2 and 10; 4 got no negative choice either
    QCOMPARE(a.subjects[6].mutualPositive, 1);
    QCOMPARE(a.subjects[6].mutualNegative, 1);
    QCOMPARE(a.subjects[9].mutualNegative, 1);
    QCOMPARE(a.subjects[5].positiveGiven, 3);
    QCOMPARE(a.subjects[0].negativeGiven, 3);
    QCOMPARE(g.likedMostLimits.upper, std::optional<int>(4));
    QCOMPARE(g.likedMostLimits.lower, std::optional<int>());
    QCOMPARE(g.impactLimits.upper, std::optional<int>(6));
    QCOMPARE(g.impactLimits.lower, std::optional<int>(0));
}

void TestAnalysisSociometry::noSpreadLeavesScoresUndefined_data()
{
    QTest::addColumn<int>("positiveShape");
    QTest::addColumn<int>("negativeShape");
    QTest::addColumn<bool>("zLMDefined");
    QTest::addColumn<bool>("zLLDefined");
    QTest::addColumn<bool>("newcombDefined");
    // Shapes: 0 a ring (everyone chosen once), 1 a few chosen, 2 no choice at all.
    QTest::newRow("everyone liked once") << 0 << 1 << false << true << true;
    QTest::newRow("everyone disliked once") << 1 << 0 << true << false << true;
    QTest::newRow("nobody disliked") << 1 << 2 << true << false << false;
    QTest::newRow("liked as often as disliked") << 1 << 1 << true << true << true;
}

void TestAnalysisSociometry::noSpreadLeavesScoresUndefined()
{
    QFETCH(int, positiveShape);
    QFETCH(int, negativeShape);
    QFETCH(bool, zLMDefined);
    QFETCH(bool, zLLDefined);
    QFETCH(bool, newcombDefined);
    const auto shape = [](int kind) {
        if (kind == 0)
            return choicesOf({{1, {2}}, {2, {3}}, {3, {4}}, {4, {5}}, {5, {6}}, {6, {1}}});
        if (kind == 1)
            return choicesOf({{2, {1}}, {3, {1}}, {4, {2}}});
        return std::vector<Choice>();
    };
    ChoiceSet set = emptyChoiceSet(6, 1, Codes::CriterionType::Both);
    set.positive = shape(positiveShape);
    set.negative = shape(negativeShape);
    const SociometricAnalysis a = analyseChoices(set);
    for (const SubjectFigures& s : a.subjects) {
        QCOMPARE(s.zLikedMost.has_value(), zLMDefined);
        QCOMPARE(s.zLikedLeast.has_value(), zLLDefined);
        // Equal counts give equal z scores: preference has no spread in any case here.
        QVERIFY(!s.socialPreference);
        QCOMPARE(s.coieDodgeCoppotelli, StatusGroup::Undetermined);
        QCOMPARE(s.newcombBukowski != StatusGroup::Undetermined, newcombDefined);
    }
    QCOMPARE(a.group.positive.sdReceived.has_value(), zLMDefined);
    QCOMPARE(a.group.negative.sdReceived.has_value(), zLLDefined);
}

void TestAnalysisSociometry::preferenceWithoutSpreadIsNotStandardized()
{
    // Everyone is liked exactly once more than disliked, so zLM equals zLL and SP has
    // no spread; in floating point the differences come out as tiny non-zero noise.
    ChoiceSet set = emptyChoiceSet(7, 3, Codes::CriterionType::Both);
    set.positive =
        choicesOf({{1, {2, 3}}, {2, {1}}, {3, {1, 2}}, {4, {1, 5}}, {5, {4}}, {6, {7}}, {7, {6}}});
    set.negative = choicesOf({{5, {1}}, {6, {1}}, {7, {2}}});
    const SociometricAnalysis a = analyseChoices(set);
    QCOMPARE(a.subjects[0].positiveReceived, 3);
    QCOMPARE(a.subjects[0].negativeReceived, 2);
    QCOMPARE(a.subjects[6].positiveReceived, 1);
    for (const SubjectFigures& s : a.subjects) {
        QVERIFY(s.zLikedMost && s.zLikedLeast);
        QVERIFY(!s.socialPreference);
        QVERIFY(s.socialImpact);
        QCOMPARE(s.coieDodgeCoppotelli, StatusGroup::Undetermined);
    }
}

void TestAnalysisSociometry::emptyGroupDividesByNothing()
{
    const SociometricAnalysis empty =
        analyseChoices(emptyChoiceSet(6, 3, Codes::CriterionType::Both));
    QCOMPARE(empty.group.positive.choices, 0);
    QCOMPARE(*empty.group.positive.density, 0.0);
    QVERIFY(!empty.group.positive.reciprocity);
    QVERIFY(!empty.group.positive.sdReceived);
    QVERIFY(!empty.group.likedMostLimits.probability);
    QCOMPARE(empty.group.isolates, 6);
    QCOMPARE(empty.group.rejectedOnly, 0);

    const SociometricAnalysis single =
        analyseChoices(emptyChoiceSet(1, 1, Codes::CriterionType::Both));
    QVERIFY(!single.group.positive.density);
    QCOMPARE(single.subjects.size(), std::size_t(1));
    QCOMPARE(single.subjects[0].newcombBukowski, StatusGroup::Undetermined);
}

void TestAnalysisSociometry::chanceLimits_data()
{
    QTest::addColumn<int>("trials");
    QTest::addColumn<double>("p");
    QTest::addColumn<int>("upper"); // -1: none
    QTest::addColumn<int>("lower"); // -1: none
    // Tails by hand: Bin(5, .2): P(X >= 3) = .05792, P(X >= 4) = .00672, P(X = 0) = .328.
    QTest::newRow("5 choosers, p .2") << 5 << 0.2 << 4 << -1;
    // Bin(9, 1/6): P(X >= 4) = .0480, P(X >= 3) = .178; Bin(9, 1/3): P(X >= 6) = .0424,
    // P(X >= 5) = .145, P(X = 0) = .026, P(X <= 1) = .143.
    QTest::newRow("9 choosers, p 1/6") << 9 << 1.0 / 6 << 4 << -1;
    QTest::newRow("9 choosers, p 1/3") << 9 << 1.0 / 3 << 6 << 0;
    // Bin(39, .25): P(X >= 14) = .0862, P(X >= 15) = .0439; P(X <= 4) = .0194,
    // P(X <= 5) = .0512.
    QTest::newRow("39 choosers, p .25") << 39 << 0.25 << 15 << 4;
    QTest::newRow("nobody chooses") << 5 << 0.0 << 1 << -1;
    QTest::newRow("everyone chooses everyone") << 5 << 1.0 << -1 << 4;
}

void TestAnalysisSociometry::chanceLimits()
{
    QFETCH(int, trials);
    QFETCH(double, p);
    QFETCH(int, upper);
    QFETCH(int, lower);
    const ChanceLimits limits = ::chanceLimits(trials, p);
    QCOMPARE(limits.upper.value_or(-1), upper);
    QCOMPARE(limits.lower.value_or(-1), lower);
    QVERIFY(std::fabs(binomialUpperTail(trials, p, 0) - 1) < 1e-12);
    QVERIFY(std::fabs(binomialLowerTail(trials, p, trials) - 1) < 1e-12);
    QVERIFY(!::chanceLimits(trials, std::nullopt).probability);
}

void TestAnalysisSociometry::unsoundChoicesInAHandMadeSetAreIgnored()
{
    ChoiceSet set = emptyChoiceSet(6, 3, Codes::CriterionType::Positive);
    set.positive = {{1, 1, 2}, {1, 2, 2}, {1, 3, 1}, {0, 1, 3}, {7, 1, 3}, {2, 1, 41}, {2, 2, -1}};
    const SociometricAnalysis a = analyseChoices(set);
    QCOMPARE(a.group.positive.choices, 1);
    QCOMPARE(a.subjects[1].positiveReceived, 1);
    QCOMPARE(a.subjects[0].positiveGiven, 1);
}

void TestAnalysisSociometry::gridCells_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<int>("chosen");     // 0: no choice
    QTest::addColumn<int>("skipReason"); // -1: not skipped
    const int notASubject = static_cast<int>(SkipReason::NotASubject);
    QTest::newRow("number") << u"3"_qs << 3 << -1;
    QTest::newRow("leading number, as saved") << u"3x"_qs << 3 << -1;
    QTest::newRow("blanks around") << u" 4 "_qs << 4 << -1;
    QTest::newRow("empty") << QString() << 0 << -1;
    QTest::newRow("blank") << u"  "_qs << 0 << -1;
    QTest::newRow("zero") << u"0"_qs << 0 << notASubject;
    QTest::newRow("letter") << u"x"_qs << 0 << notASubject;
    QTest::newRow("fraction") << u"2.5"_qs << 0 << notASubject;
    QTest::newRow("negative") << u"-2"_qs << 0 << notASubject;
    QTest::newRow("outside the group") << u"7"_qs << 0 << notASubject;
    QTest::newRow("himself") << u"1"_qs << 0 << static_cast<int>(SkipReason::SelfChoice);
    QTest::newRow("named in slot 1 already")
        << u"2"_qs << 0 << static_cast<int>(SkipReason::Repeated);
}

void TestAnalysisSociometry::gridCells()
{
    QFETCH(QString, cell);
    QFETCH(int, chosen);
    QFETCH(int, skipReason);
    ChoiceGrid grid;
    shapeGrid(grid, 6, 2);
    fillRow(grid, 1, {u"2"_qs, cell});
    fillRow(grid, 5, {u"6"_qs});
    std::vector<SkippedEntry> skipped;
    const std::vector<Choice> choices = choicesFromGrid(grid, Criterion::Negative, &skipped);

    std::vector<Choice> expected{{1, 1, 2}};
    if (chosen > 0)
        expected.push_back({1, 2, chosen});
    expected.push_back({5, 1, 6});
    QCOMPARE(choices, expected);
    QCOMPARE(static_cast<int>(skipped.size()), skipReason < 0 ? 0 : 1);
    if (skipReason >= 0) {
        QCOMPARE(static_cast<int>(skipped[0].reason), skipReason);
        QCOMPARE(skipped[0].chooser, 1);
        QCOMPARE(skipped[0].slot, 2);
        QCOMPARE(skipped[0].text, cell);
        QCOMPARE(skipped[0].criterion, Criterion::Negative);
    }
}

void TestAnalysisSociometry::storedAnswers()
{
    const auto row = [](QVariant type, QVariant individual, QVariant choice, QVariant answer) {
        return AnswerRow{QVariant(7), type, individual, choice, answer};
    };
    const std::vector<AnswerRow> rows{row(2, 3, 1, 5.0), // subject 2, slot 1
                                      row(1, 2, 1, 3.0), // positive: passed over
                                      row(2, 2, 2, 4.0), // subject 1, slot 2 (stored before slot 1)
                                      row(2, 2, 1, 6.0), // subject 1, slot 1
                                      row(2, 8, 1, 2.0), // a chooser 7 in a group of 6
                                      row(2, 4, 4, 2.0), // slot 4 of 3
                                      row(2, 4, 1, 2.5), // not a subject
                                      row(2, 4, 2, 3.0)}; // subject 3 choosing himself
    std::vector<SkippedEntry> skipped;
    const std::vector<Choice> choices =
        choicesFromAnswers(rows, Criterion::Negative, 6, 3, &skipped);
    const std::vector<Choice> expected{{1, 1, 6}, {1, 2, 4}, {2, 1, 5}};
    QCOMPARE(choices, expected);
    QCOMPARE(skipped.size(), std::size_t(4));
    QCOMPARE(skipped[0].reason, SkipReason::OutsideGrid);
    QCOMPARE(skipped[1].reason, SkipReason::OutsideGrid);
    QCOMPARE(skipped[2].reason, SkipReason::NotASubject);
    QCOMPARE(skipped[3].reason, SkipReason::SelfChoice);
}

void TestAnalysisSociometry::studyChoicesTakeTheOtherCriterionFromTheStore()
{
    ChoiceGrid grid;
    shapeGrid(grid, 10, 3);
    for (const auto& [chooser, chosen] : StatusNegative) {
        QStringList cells;
        for (int c : chosen)
            cells << QString::number(c);
        fillRow(grid, chooser, cells);
    }
    std::vector<AnswerRow> stored;
    for (const Choice& c : choicesOf(StatusPositive))
        stored.push_back({QVariant(1), QVariant(1), QVariant(c.chooser + 1), QVariant(c.slot),
                          QVariant(double(c.chosen))});
    // Stored answers of the criterion in view are stale: the grid wins.
    stored.push_back({QVariant(1), QVariant(2), QVariant(2), QVariant(1), QVariant(5.0)});

    const ChoiceSet both =
        studyChoices(grid, Codes::CriterionType::Both, Criterion::Negative, stored);
    QCOMPARE(both.groupSize, 10);
    QCOMPARE(both.maxChoices, 3);
    QCOMPARE(both.negative, choicesOf(StatusNegative));
    QCOMPARE(both.positive, choicesOf(StatusPositive));
    QCOMPARE(analyseChoices(both).subjects[0].coieDodgeCoppotelli, StatusGroup::Popular);

    const ChoiceSet single =
        studyChoices(grid, Codes::CriterionType::Negative, Criterion::Negative, stored);
    QVERIFY(single.positive.empty());
    QVERIFY(!single.has(Criterion::Positive));
}

QTEST_GUILESS_MAIN(TestAnalysisSociometry)
#include "tst_analysis_sociometry.moc"
