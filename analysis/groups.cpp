#include "groups.h"

#include "groupsearch.h"
#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Groups {

namespace {

// Beyond this many groupings the exhaustive search would keep a teacher waiting.
constexpr double ExhaustiveLimit = 1.2e6;

} // namespace

namespace Detail {

Graph buildGraph(const Class& c)
{
    Graph g;
    g.n = std::max(0, c.size);
    const int n = g.n;
    g.out.assign(n, {});
    g.in.assign(n, {});
    g.rej.assign(n, {});
    g.chose.assign(size_t(n) * n, 0);
    g.rejects.assign(size_t(n) * n, 0);
    const auto sound = [n](const Choice& x) {
        return x.chooser >= 1 && x.chooser <= n && x.chosen >= 1 && x.chosen <= n &&
               x.chooser != x.chosen;
    };
    for (const Choice& x : c.positive) {
        const int a = x.chooser - 1, b = x.chosen - 1;
        if (!sound(x) || g.chose[a * n + b]) {
            ++g.ignored;
            continue;
        }
        g.chose[a * n + b] = 1;
        g.out[a].push_back(b);
        g.in[b].push_back(a);
        ++g.positiveCount;
    }
    for (const Choice& x : c.negative) {
        const int a = x.chooser - 1, b = x.chosen - 1;
        if (!sound(x) || g.rejects[a * n + b]) {
            ++g.ignored;
            continue;
        }
        if (!g.rejects[b * n + a]) {
            g.rej[a].push_back(b);
            g.rej[b].push_back(a);
        }
        g.rejects[a * n + b] = 1;
        ++g.negativeCount;
    }
    return g;
}

Scores scoreOf(const Graph& g, const std::vector<int>& groupOf)
{
    Scores s;
    for (int a = 0; a < g.n; ++a) {
        int kept = 0;
        for (int b : g.out[a])
            kept += groupOf[a] == groupOf[b];
        s.satisfiedChoices += kept;
        s.subjectsWithMate += kept > 0;
        for (int b : g.rej[a])
            s.rejectionPairs += a < b && groupOf[a] == groupOf[b];
    }
    return s;
}

double balancedPartitions(int n, int groups)
{
    const int q = n / groups, r = n % groups;
    double log = std::lgamma(n + 1.0) - r * std::lgamma(q + 2.0) -
                 (groups - r) * std::lgamma(q + 1.0) - std::lgamma(r + 1.0) -
                 std::lgamma(groups - r + 1.0);
    return std::exp(log);
}

} // namespace Detail

bool better(const Scores& a, const Scores& b)
{
    if (a.rejectionPairs != b.rejectionPairs)
        return a.rejectionPairs < b.rejectionPairs;
    if (a.subjectsWithMate != b.subjectsWithMate)
        return a.subjectsWithMate > b.subjectsWithMate;
    return a.satisfiedChoices > b.satisfiedChoices;
}

int maxGroups(int size)
{
    return std::max(0, size / 2);
}

int seatsForGroups(int size, int groups)
{
    if (size <= 0 || groups <= 0)
        return 0;
    return (size + groups - 1) / groups;
}

int groupsForSeats(int size, int seats)
{
    return (std::max(0, size) + std::max(1, seats) - 1) / std::max(1, seats);
}

QString groupCountProblem(int size, int groups)
{
    if (maxGroups(size) < MinGroups)
        return QCoreApplication::translate(
                   "Groups", "A class of %1 subjects is too small to split: it takes at "
                             "least 4 subjects to form groups.")
            .arg(std::max(0, size));
    if (groups < MinGroups || groups > maxGroups(size))
        return QCoreApplication::translate("Groups", "Choose from %1 to %2 groups for %3 subjects.")
            .arg(MinGroups)
            .arg(maxGroups(size))
            .arg(size);
    return {};
}

// Seats that would put everyone at one table, or someone alone at one, are refused
// rather than rounded to a count the teacher did not ask for. In an odd class two
// seats a table leave someone alone, so the fewest seats offered are three.
QString seatCountProblem(int size, int seats)
{
    QString problem = groupCountProblem(size, groupsForSeats(size, seats));
    if (!problem.isEmpty() && maxGroups(size) >= MinGroups)
        problem = QCoreApplication::translate(
                      "Groups", "Choose from %1 to %2 seats per table for %3 subjects.")
                      .arg(seatsForGroups(size, maxGroups(size)))
                      .arg(seatsForGroups(size, MinGroups))
                      .arg(size);
    return problem;
}

Scores score(const Class& c, const QList<int>& groupOf)
{
    const Detail::Graph g = Detail::buildGraph(c);
    if (groupOf.size() != g.n + 1)
        return {};
    return Detail::scoreOf(g, std::vector<int>(groupOf.begin() + 1, groupOf.end()));
}

Partition makeGroups(const Class& c, int groupCount, const Effort& effort)
{
    Partition p;
    const Detail::Graph g = Detail::buildGraph(c);
    p.ignoredChoices = g.ignored;
    if (!groupCountProblem(c.size, groupCount).isEmpty())
        return p;
    p.groupCount = groupCount;
    p.nothingToGoBy = g.positiveCount == 0 && g.negativeCount == 0;

    Detail::Found found;
    if (p.nothingToGoBy) {
        // Consecutive numbers together, the larger groups first.
        const int q = g.n / groupCount, r = g.n % groupCount;
        for (int s = 0; s < g.n; ++s)
            found.groupOf.push_back(s < r * (q + 1) ? s / (q + 1) : r + (s - r * (q + 1)) / q);
        p.proven = true;
    } else if (effort.exhaustive &&
               Detail::balancedPartitions(g.n, groupCount) <= ExhaustiveLimit) {
        found = Detail::searchExhaustive(g, groupCount);
        p.proven = true;
    } else {
        found = Detail::searchLocal(g, groupCount,
                                    effort.rounds > 0 ? effort.rounds : DefaultRounds, effort.seed);
    }
    p.groupOf = {-1};
    p.groupOf.append(QList<int>(found.groupOf.begin(), found.groupOf.end()));
    p.scores = Detail::scoreOf(g, found.groupOf);
    Q_ASSERT(p.scores == found.scores); // the searches' running scores went astray
    return p;
}

} // namespace Groups
