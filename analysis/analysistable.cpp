#include "analysistable.h"

#include "cliques.h"
#include "csv.h"
#include "groups.h"

namespace {

QString number(int v)
{
    return QString::number(v);
}
QString yesNo(bool v)
{
    return v ? QStringLiteral("yes") : QStringLiteral("no");
}

QString limitText(const std::optional<int>& limit, const QString& relation)
{
    if (!limit)
        return QStringLiteral("none");
    return relation.arg(*limit);
}

void addCriterion(FigureList& out, const QString& name, const CriterionFigures& f)
{
    if (!f.present)
        return;
    out.emplace_back(QStringLiteral("%1 choices").arg(name), number(f.choices));
    out.emplace_back(QStringLiteral("%1 density").arg(name), figureText(f.density));
    out.emplace_back(QStringLiteral("Mutual %1 pairs").arg(name.toLower()), number(f.mutualPairs));
    out.emplace_back(QStringLiteral("%1 reciprocity").arg(name), figureText(f.reciprocity));
    out.emplace_back(QStringLiteral("%1 choices received, mean").arg(name),
                     figureText(f.meanReceived));
    out.emplace_back(QStringLiteral("%1 choices received, standard deviation").arg(name),
                     figureText(f.sdReceived));
}

void addChanceLimits(FigureList& out, const QString& name, const ChanceLimits& limits)
{
    out.emplace_back(QStringLiteral("%1 chance per chooser").arg(name),
                     figureText(limits.probability));
    if (!limits.probability)
        return;
    out.emplace_back(QStringLiteral("%1 high from").arg(name),
                     limitText(limits.upper, QStringLiteral("%1")));
    out.emplace_back(QStringLiteral("%1 low up to").arg(name),
                     limitText(limits.lower, QStringLiteral("%1")));
}

} // namespace

QString figureText(const std::optional<double>& value, int decimals)
{
    if (!value)
        return QStringLiteral("undefined");
    return QString::number(*value, 'f', decimals);
}

TextTable subjectTable(const SociometricAnalysis& analysis, StatusMethod method)
{
    TextTable t;
    const bool classified = analysis.group.classified;
    t.header = {QStringLiteral("Subject"),           QStringLiteral("Positive given"),
                QStringLiteral("Negative given"),    QStringLiteral("Positive received"),
                QStringLiteral("Negative received"), QStringLiteral("Mutual positive"),
                QStringLiteral("Mutual negative"),   QStringLiteral("Isolate"),
                QStringLiteral("Rejected only")};
    if (classified) {
        t.header << QStringLiteral("zLM") << QStringLiteral("zLL") << QStringLiteral("SP")
                 << QStringLiteral("SI") << statusMethodName(method);
    }
    for (const SubjectFigures& s : analysis.subjects) {
        QStringList row{
            number(s.subject),          number(s.positiveGiven),    number(s.negativeGiven),
            number(s.positiveReceived), number(s.negativeReceived), number(s.mutualPositive),
            number(s.mutualNegative),   yesNo(s.isolate),           yesNo(s.rejectedOnly)};
        if (classified) {
            row << figureText(s.zLikedMost) << figureText(s.zLikedLeast)
                << figureText(s.socialPreference) << figureText(s.socialImpact)
                << statusGroupName(s.status(method));
        }
        t.rows.push_back(row);
    }
    return t;
}

TextTable withNames(TextTable table, const QStringList& names)
{
    if (names.isEmpty())
        return table;
    table.header.insert(1, QStringLiteral("Name"));
    for (QStringList& row : table.rows)
        row.insert(1, names.value(row.first().toInt() - 1));
    return table;
}

QString tableCsv(const TextTable& table)
{
    QString out = Csv::line(table.header);
    for (const QStringList& row : table.rows)
        out += Csv::line(row);
    return out;
}

FigureList groupFigures(const SociometricAnalysis& analysis, StatusMethod method)
{
    const GroupFigures& g = analysis.group;
    FigureList out;
    out.emplace_back(QStringLiteral("Group size"), number(g.groupSize));
    addCriterion(out, QStringLiteral("Positive"), g.positive);
    addCriterion(out, QStringLiteral("Negative"), g.negative);
    if (g.positive.present)
        out.emplace_back(QStringLiteral("Isolates"), number(g.isolates));
    if (g.classified) {
        out.emplace_back(QStringLiteral("Rejected only"), number(g.rejectedOnly));
        for (StatusGroup group :
             {StatusGroup::Popular, StatusGroup::Rejected, StatusGroup::Neglected,
              StatusGroup::Controversial, StatusGroup::Average, StatusGroup::Unclassified,
              StatusGroup::Undetermined}) {
            const int n = analysis.count(method, group);
            // Groups the method cannot give (Unclassified for Newcomb-Bukowski) and an
            // empty "undefined" row would only be noise.
            if (n == 0 &&
                (group == StatusGroup::Unclassified || group == StatusGroup::Undetermined))
                continue;
            out.emplace_back(statusGroupName(group), number(n));
        }
        if (method == StatusMethod::NewcombBukowski) {
            addChanceLimits(out, QStringLiteral("Positive received"), g.likedMostLimits);
            addChanceLimits(out, QStringLiteral("Negative received"), g.likedLeastLimits);
            addChanceLimits(out, QStringLiteral("Impact"), g.impactLimits);
        }
    }
    if (!analysis.skipped.empty())
        out.emplace_back(QStringLiteral("Entries left out"),
                         number(static_cast<int>(analysis.skipped.size())));
    return out;
}

QString cliquesText(const ChoiceSet& choices, const QStringList& names)
{
    QStringList cliques;
    for (const std::vector<int>& clique :
         Shared::maximalCliques(choices.groupSize, choices.positive)) {
        QStringList members;
        for (int s : clique)
            members << Groups::numberAndName(s, names);
        cliques << members.join(QStringLiteral(", "));
    }
    if (cliques.isEmpty())
        return QStringLiteral("No cliques");
    return QStringLiteral("Cliques (every pair chose each other): ") +
           cliques.join(QStringLiteral("; "));
}
