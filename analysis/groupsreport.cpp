// What the groups mean for each subject, in the words a teacher reads.
#include "csv.h"

#include "groups.h"
#include "groupsearch.h"
#include <QCoreApplication>

#include <algorithm>

namespace Groups {

namespace {

using Detail::Graph;

bool fits(const Graph& g, const Partition& p)
{
    return p.groupCount > 0 && p.groupOf.size() == g.n + 1;
}

int groupOf(const Partition& p, int vertex)
{
    return p.groupOf[vertex + 1];
}

QList<int> inGroup(const std::vector<int>& whom, int s, const Partition& p)
{
    QList<int> mates;
    for (int b : whom)
        if (groupOf(p, b) == groupOf(p, s))
            mates.append(b + 1);
    std::sort(mates.begin(), mates.end());
    return mates;
}

QString rejectionSentence(const Graph& g, int a, int b, const SubjectNames& names)
{
    // The subject's own name stands beside it in its row; the mate's is said here.
    const QString start = QCoreApplication::translate("Groups", "Subject %1 sits with subject %2")
                              .arg(QString::number(a + 1), numberAndName(names, b + 1));
    const bool ab = g.rejects[a * g.n + b], ba = g.rejects[b * g.n + a];
    if (ab && ba)
        return start + QCoreApplication::translate("Groups", ", and they rejected each other");
    return start + (ba ? QCoreApplication::translate("Groups", ", who rejected them")
                       : QCoreApplication::translate("Groups", ", whom they rejected"));
}

// Why a subject who chose somebody sits with none of them. A chosen subject who
// rejected them could only join them by breaking the first aim, which outranks the
// second, so that is said rather than "in another group", which reads as the
// search's whim.
QString mateSentence(const Graph& g, int s)
{
    const QString who = QString::number(s + 1);
    const int chose = static_cast<int>(g.out[s].size());
    if (chose == 0)
        return QCoreApplication::translate("Groups", "Subject %1 chose nobody").arg(who);
    int rejectedBy = 0;
    for (int b : g.out[s])
        rejectedBy += g.rejects[b * g.n + s];
    const int elsewhere = chose - rejectedBy;
    QString why;
    if (elsewhere == 0)
        why = chose == 1
                  ? QCoreApplication::translate("Groups", "rejected by the only subject they chose")
                  : QCoreApplication::translate("Groups", "rejected by every subject they chose");
    else if (rejectedBy > 0)
        why =
            QCoreApplication::translate("Groups", "chose %1 subjects: %2 rejected them and %3 %4")
                .arg(chose)
                .arg(rejectedBy)
                .arg(elsewhere)
                .arg(elsewhere == 1 ? QCoreApplication::translate("Groups", "is in another group")
                                    : QCoreApplication::translate("Groups", "are in other groups"));
    else
        why =
            chose == 1
                ? QCoreApplication::translate("Groups", "chose 1 subject who is in another group")
                : QCoreApplication::translate("Groups", "chose %1 subjects who are in other groups")
                      .arg(chose);
    if (g.in[s].empty())
        return QCoreApplication::translate("Groups", "Subject %1 was chosen by nobody and %2")
            .arg(who, why);
    if (elsewhere == 0)
        return QCoreApplication::translate("Groups", "Subject %1 was %2").arg(who, why);
    return QCoreApplication::translate("Groups", "Subject %1 %2").arg(who, why);
}

} // namespace

QList<SubjectReport> describe(const Class& c, const Partition& p, const SubjectNames& names)
{
    const Graph g = Detail::buildGraph(c);
    QList<SubjectReport> reports;
    if (!fits(g, p))
        return reports;
    for (int s = 0; s < g.n; ++s) {
        SubjectReport r;
        r.subject = s + 1;
        r.group = groupOf(p, s) + 1;
        r.chosenMates = inGroup(g.out[s], s, p);
        r.rejectedMates = inGroup(g.rej[s], s, p);
        QStringList why;
        for (int b : r.rejectedMates)
            why.append(rejectionSentence(g, s, b - 1, names));
        // Flags apply to the positive aims only where somebody chose anybody.
        if (g.positiveCount > 0 && r.chosenMates.isEmpty())
            why.append(mateSentence(g, s));
        r.flagged = !why.isEmpty();
        r.why = why.join(QStringLiteral("; "));
        reports.append(r);
    }
    return reports;
}

QStringList remainingRejections(const Class& c, const Partition& p, const SubjectNames& names)
{
    const Graph g = Detail::buildGraph(c);
    QStringList lines;
    if (!fits(g, p))
        return lines;
    for (int grp = 0; grp < p.groupCount; ++grp)
        for (int a = 0; a < g.n; ++a)
            for (int b = a + 1; b < g.n; ++b) {
                if (groupOf(p, a) != grp || groupOf(p, b) != grp || !g.rejectPair(a, b))
                    continue;
                const bool ab = g.rejects[a * g.n + b], ba = g.rejects[b * g.n + a];
                const QString first = numberAndName(names, a + 1);
                const QString second = numberAndName(names, b + 1);
                const QString who =
                    ab && ba ? QCoreApplication::translate("Groups", "they rejected each other")
                             : QCoreApplication::translate("Groups", "%1 rejected %2")
                                   .arg(ab ? first : second, ab ? second : first);
                lines.append(
                    QCoreApplication::translate("Groups", "Group %1: subjects %2 and %3 (%4)")
                        .arg(QString::number(grp + 1), first, second, who));
            }
    return lines;
}

QString groupsCsv(const Class& c, const Partition& p, const SubjectNames& names)
{
    const Graph g = Detail::buildGraph(c);
    QStringList header{QStringLiteral("Subject"), QStringLiteral("Group"),
                       QStringLiteral("Satisfied choices"), QStringLiteral("Flags")};
    if (!names.empty())
        header.insert(1, QStringLiteral("Name"));
    QString text = Csv::line(header);
    for (const SubjectReport& r : describe(c, p)) {
        QStringList flags;
        const int s = r.subject - 1;
        if (g.positiveCount > 0 && r.chosenMates.isEmpty())
            flags.append(g.out[s].empty() ? QStringLiteral("chose nobody")
                                          : QStringLiteral("no chosen mate"));
        if (!r.rejectedMates.isEmpty())
            flags.append(QStringLiteral("rejection"));
        QStringList row{QString::number(r.subject), QString::number(r.group),
                        QString::number(r.chosenMates.size()), flags.join(QStringLiteral("; "))};
        if (!names.empty())
            row.insert(1, nameOf(names, r.subject));
        text += Csv::line(row);
    }
    return text;
}

} // namespace Groups
