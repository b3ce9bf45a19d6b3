#include "reportlines.h"

#include <QCoreApplication>

namespace {

// The context of this file's texts in the catalogues.
struct ClassReport {
    Q_DECLARE_TR_FUNCTIONS(ClassReport)
};

// The technical figures (chance levels, spreads) are for the analysis window.
bool forTheMeeting(const QString& name)
{
    for (const char* word : {"chance", "high from", "low up to", "standard deviation", ", mean"})
        if (name.contains(QLatin1String(word)))
            return false;
    return true;
}

} // namespace

QString statusMethodCitation(StatusMethod method)
{
    return method == StatusMethod::CoieDodgeCoppotelli
               ? QStringLiteral("Coie, J. D., Dodge, K. A., & Coppotelli, H. (1982). Dimensions "
                                "and types of social status: A cross-age perspective. "
                                "Developmental Psychology, 18(4), 557-570.")
               : QStringLiteral("Newcomb, A. F., & Bukowski, W. M. (1983). Social impact and "
                                "social preference as determinants of children's peer group "
                                "status. Developmental Psychology, 19(6), 856-867.");
}

namespace ReportLines {

QStringList figures(const SociometricAnalysis& analysis, StatusMethod method,
                    const ChoiceSet& choices, const SubjectNames& names)
{
    QStringList lines;
    for (const auto& [name, value] : groupFigures(analysis, method))
        if (forTheMeeting(name))
            lines << name + QStringLiteral(": ") + shownNumber(value);
    lines << cliquesText(choices, names);
    return lines;
}

TextTable table(const SociometricAnalysis& analysis, StatusMethod method)
{
    // The subject and the six counts lead the analysis table; the status ends it.
    constexpr int Counts = 7;
    const TextTable full = subjectTable(analysis, method);
    const auto pick = [&](const QStringList& row) {
        QStringList kept = row.mid(0, Counts);
        if (analysis.group.classified)
            kept << row.last();
        return kept;
    };
    TextTable out;
    out.header = pick(full.header);
    for (const QStringList& row : full.rows)
        out.rows.push_back(pick(row));
    return out;
}

QStringList groups(const Groups::Partition& partition, const SubjectNames& names)
{
    std::vector<QStringList> members(std::size_t(std::max(partition.groupCount, 0)));
    for (int s = 1; s < partition.groupOf.size(); ++s) {
        const int g = partition.groupOf[s];
        if (g >= 0 && g < int(members.size()))
            members[std::size_t(g)] << numberAndName(names, s);
    }
    QStringList lines;
    for (std::size_t g = 0; g < members.size(); ++g)
        lines << ClassReport::tr("Group %1: %2")
                     .arg(g + 1)
                     .arg(members[g].join(QStringLiteral(", ")));
    return lines;
}

QStringList changes(const SurveyComparison& comparison, StatusMethod method,
                    const SubjectNames& names)
{
    QStringList lines = stabilityText(comparison).split(u'\n');
    const auto& before = comparison.earlier.subjects;
    const auto& after = comparison.later.subjects;
    QStringList moves;
    for (std::size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
        const Status was = before[i].status(method);
        const Status is = after[i].status(method);
        if (was != is && was != Status::None && is != Status::None)
            moves << QStringLiteral("%1 %2 \u2192 %3")
                         .arg(numberAndName(names, int(i) + 1), StatusWords::english(was),
                              StatusWords::english(is));
    }
    if (!moves.isEmpty())
        lines << ClassReport::tr("Status changed: %1").arg(moves.join(QStringLiteral("; ")));
    return lines;
}

QStringList methodNotes(StatusMethod method)
{
    return {ClassReport::tr("Status groups by the %1 method: %2")
                .arg(statusMethodName(method), statusMethodCitation(method)),
            statusMethodNote(method)};
}

} // namespace ReportLines
