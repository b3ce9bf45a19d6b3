// The groups core: hand-built classes, the reports, and small random classes against an
// enumerator of every grouping.
#include "groups.h"

#include <QtTest>
#include <random>

using namespace Groups;

namespace {

// "1-2 3-4": subject 1 chose 2, subject 3 chose 4.
QList<Choice> choices(const QString& text)
{
    QList<Choice> list;
    for (const QString& pair : text.split(u' ', Qt::SkipEmptyParts))
        list.append({pair.section(u'-', 0, 0).toInt(), pair.section(u'-', 1, 1).toInt()});
    return list;
}

bool balanced(const QList<int>& groupOf, int n, int groups)
{
    QList<int> sizes(groups, 0);
    for (int g : groupOf.mid(1)) {
        if (g < 0 || g >= groups)
            return false;
        ++sizes[g];
    }
    const auto [low, high] = std::minmax_element(sizes.begin(), sizes.end());
    return groupOf.size() == n + 1 && *high - *low <= 1;
}

// Scores written independently of the core, from the choices as given.
Scores plainScore(const Class& c, const QList<int>& g)
{
    Scores s;
    for (int a = 1; a <= c.size; ++a) {
        bool mate = false;
        for (const Choice& x : c.positive)
            if (x.chooser == a && g[a] == g[x.chosen]) {
                mate = true;
                ++s.satisfiedChoices;
            }
        s.subjectsWithMate += mate;
        for (int b = a + 1; b <= c.size; ++b) {
            bool rejected = false;
            for (const Choice& x : c.negative)
                rejected |= (x.chooser == a && x.chosen == b) || (x.chooser == b && x.chosen == a);
            s.rejectionPairs += rejected && g[a] == g[b];
        }
    }
    return s;
}

// Every assignment of group numbers in first-use order, balanced ones scored.
void enumerate(const Class& c, int groups, QList<int>& g, int used, Scores& best, bool& have)
{
    const int s = static_cast<int>(g.size()) - 1;
    if (s == c.size) {
        if (balanced(g, s, groups) && (!have || better(plainScore(c, g), best))) {
            best = plainScore(c, g);
            have = true;
        }
        return;
    }
    for (int x = 0; x <= std::min(used, groups - 1); ++x) {
        g.append(x);
        enumerate(c, groups, g, std::max(used, x + 1), best, have);
        g.removeLast();
    }
}

Class randomClass(int n, int positive, int negative, unsigned seed)
{
    std::mt19937 random(seed);
    Class c{n, {}, {}};
    for (int s = 1; s <= n; ++s) {
        QList<int> others;
        for (int t = 1; t <= n; ++t)
            if (t != s)
                others.append(t);
        for (int k = 0; k < positive + negative; ++k) {
            const int t = others.takeAt(random() % others.size());
            (k < positive ? c.positive : c.negative).append({s, t});
        }
    }
    return c;
}

} // namespace

class TestGroups : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Choices naming nobody of the class, oneself, or a pupil twice are passed over.
    void badChoicesPassedOver()
    {
        const Class c{6, choices("0-1 7-2 3-3 1-2 1-2"), choices("1-9 4-4 5-6")};
        for (const bool exhaustive : {true, false}) {
            const Partition p = makeGroups(c, 3, {0, 5, exhaustive});
            QVERIFY(balanced(p.groupOf, 6, 3));
            QCOMPARE(p.proven, exhaustive);
            QCOMPARE(p.ignoredChoices, 6);
            QCOMPARE(p.scores, (Scores{0, 1, 1}));
            QCOMPARE(score(c, p.groupOf), p.scores);
            QVERIFY(p.groupOf[1] == p.groupOf[2] && p.groupOf[5] != p.groupOf[6]);
        }
    }

    void reportsForTheTeacher()
    {
        const Class c{6, choices("1-2 2-1 3-1 5-1 5-6 6-5"), choices("3-4 5-2 2-5")};
        const Partition p{2, {-1, 0, 0, 1, 1, 0, 1}, {}, false, 0, false};
        const QList<SubjectReport> r = describe(c, p);
        QCOMPARE(r.size(), 6);
        QCOMPARE(r[0].chosenMates, QList<int>{2});
        QVERIFY(!r[0].flagged);
        QVERIFY(r[2].flagged && r[3].flagged);
        QCOMPARE(r[4].rejectedMates, QList<int>{2});
        QCOMPARE(r[4].chosenMates, QList<int>{1});
        const QStringList csv = groupsCsv(c, p).split(u'\n');
        QCOMPARE(csv.size(), 8);
        QCOMPARE(csv[1], QStringLiteral("1,1,1,"));
        QCOMPARE(csv[4], QStringLiteral("4,2,0,chose nobody; rejection"));
        QCOMPARE(remainingRejections(c, p),
                 QStringList({"Group 1: subjects 2 and 5 (they rejected each other)",
                              "Group 2: subjects 3 and 4 (3 rejected 4)"}));
        // With a class list the mates are named beside their numbers, each name as typed.
        const SubjectNames names{"", "", "", "50%1", "%2"};
        QCOMPARE(remainingRejections(c, p, names).value(1),
                 "Group 2: subjects 3 50%1 and 4 %2 (3 50%1 rejected 4 %2)");
        QVERIFY(
            describe(c, p, names).value(3).why.startsWith("Subject 4 sits with subject 3 50%1,"));
    }

    // A subject kept from every mate they chose is told the real reason: when the ones
    // they chose rejected them, the first aim kept them apart.
    void whyMarked()
    {
        const Class c{6, choices("1-2 1-3 4-1 5-2 5-6"), choices("2-1 3-1 2-5")};
        const QList<SubjectReport> r =
            describe(c, {2, {-1, 0, 1, 1, 0, 0, 1}, {}, false, 0, false});
        QCOMPARE(r.value(0).why, "Subject 1 was rejected by every subject they chose");
        QCOMPARE(r.value(4).why, "Subject 5 was chosen by nobody and chose 2 subjects: 1 rejected "
                                 "them and 1 is in another group");
    }

    void optimalOnSmallClasses_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("positive");
        QTest::addColumn<int>("negative");
        QTest::addColumn<unsigned>("seed");
        for (int n = 6; n <= 10; ++n)
            for (unsigned seed = 1; seed <= 3; ++seed) {
                const int pos = n % 2 ? 0 : 1 + seed; // odd classes: negative only
                const int neg = seed == 3 ? 0 : 1 + (n + seed) % 2;
                QTest::addRow("n%d seed %u", n, seed) << n << pos << neg << seed;
            }
    }
    void optimalOnSmallClasses()
    {
        QFETCH(int, size);
        QFETCH(int, positive);
        QFETCH(int, negative);
        QFETCH(unsigned, seed);
        const Class c = randomClass(size, positive, negative, seed);
        for (int groups = 2; groups <= size / 2; ++groups) {
            QList<int> g{-1};
            Scores best;
            bool have = false;
            enumerate(c, groups, g, 0, best, have);
            for (const bool exhaustive : {true, false}) {
                const Partition p = makeGroups(c, groups, {0, seed, exhaustive});
                QVERIFY(balanced(p.groupOf, size, groups));
                QCOMPARE(plainScore(c, p.groupOf), p.scores);
                QCOMPARE(p.scores, best);
            }
        }
    }

    void sameGroupsEveryRun()
    {
        const Class c = randomClass(30, 4, 3, 11);
        const Partition a = makeGroups(c, 6), b = makeGroups(c, 6);
        QVERIFY(balanced(a.groupOf, 30, 6));
        QVERIFY(!a.proven);
        QCOMPARE(a.groupOf, b.groupOf);
        QCOMPARE(plainScore(c, a.groupOf), a.scores);

        const Partition even = makeGroups({7, {}, {}}, 3);
        QVERIFY(balanced(even.groupOf, 7, 3));
        QVERIFY(even.nothingToGoBy);
    }

    void groupCounts_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("groups");
        QTest::addColumn<bool>("fine");
        QTest::newRow("pairs") << 24 << 12 << true;
        QTest::newRow("too many") << 24 << 13 << false;
        QTest::newRow("odd class, pairs and a three") << 25 << 12 << true;
        QTest::newRow("too small to split") << 3 << 2 << false;
    }
    void groupCounts()
    {
        QFETCH(int, size);
        QFETCH(int, groups);
        QFETCH(bool, fine);
        QCOMPARE(groupCountProblem(size, groups).isEmpty(), fine);
        QCOMPARE(makeGroups({size, choices("1-2"), {}}, groups).groupCount, fine ? groups : 0);
    }

    void seatsInAnOddClass()
    {
        QCOMPARE(seatCountProblem(7, 2), "Choose from 3 to 4 seats per table for 7 subjects.");
    }
};

QTEST_APPLESS_MAIN(TestGroups)
#include "tst_analysis_groups.moc"
