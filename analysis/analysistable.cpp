#include "analysistable.h"

#include "cliques.h"
#include "csv.h"
#include "groups.h"
#include "status.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// The figures are read on screen and in the report only: they speak the language in use.
struct Figures {
    Q_DECLARE_TR_FUNCTIONS(Figures)
};

QString number(int v)
{
    return QString::number(v);
}
// The table is also written to CSV files, which stay in English: its words are
// translated where they are shown.
QString yesNo(bool v)
{
    return v ? QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "yes"))
             : QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "no"));
}

QString limitText(const std::optional<int>& limit)
{
    return limit ? QString::number(*limit) : Figures::tr("none");
}

void addCriterion(FigureList& out, bool positive, const CriterionFigures& f)
{
    if (!f.present)
        return;
    out.emplace_back(positive ? Figures::tr("Positive choices") : Figures::tr("Negative choices"),
                     number(f.choices));
    out.emplace_back(positive ? Figures::tr("Positive density") : Figures::tr("Negative density"),
                     figureText(f.density));
    out.emplace_back(positive ? Figures::tr("Mutual positive pairs")
                              : Figures::tr("Mutual negative pairs"),
                     number(f.mutualPairs));
    out.emplace_back(positive ? Figures::tr("Positive reciprocity")
                              : Figures::tr("Negative reciprocity"),
                     figureText(f.reciprocity));
    out.emplace_back(positive ? Figures::tr("Positive choices received, mean")
                              : Figures::tr("Negative choices received, mean"),
                     figureText(f.meanReceived));
    out.emplace_back(positive ? Figures::tr("Positive choices received, standard deviation")
                              : Figures::tr("Negative choices received, standard deviation"),
                     figureText(f.sdReceived));
}

// The chance limits of a count: of choices received (positive, negative) or of impact.
enum class Count { Positive, Negative, Impact };

void addChanceLimits(FigureList& out, Count count, const ChanceLimits& limits)
{
    const auto pick = [count](const char* positive, const char* negative, const char* impact) {
        return Figures::tr(count == Count::Positive   ? positive
                           : count == Count::Negative ? negative
                                                      : impact);
    };
    out.emplace_back(pick(QT_TRANSLATE_NOOP("Figures", "Positive received chance per chooser"),
                          QT_TRANSLATE_NOOP("Figures", "Negative received chance per chooser"),
                          QT_TRANSLATE_NOOP("Figures", "Impact chance per chooser")),
                     figureText(limits.probability));
    if (!limits.probability)
        return;
    out.emplace_back(pick(QT_TRANSLATE_NOOP("Figures", "Positive received high from"),
                          QT_TRANSLATE_NOOP("Figures", "Negative received high from"),
                          QT_TRANSLATE_NOOP("Figures", "Impact high from")),
                     limitText(limits.upper));
    out.emplace_back(pick(QT_TRANSLATE_NOOP("Figures", "Positive received low up to"),
                          QT_TRANSLATE_NOOP("Figures", "Negative received low up to"),
                          QT_TRANSLATE_NOOP("Figures", "Impact low up to")),
                     limitText(limits.lower));
}

} // namespace

QString shownNumber(const QString& text)
{
    bool number = false;
    const double value = text.toDouble(&number);
    if (!number)
        return text;
    const qsizetype point = text.indexOf(u'.');
    const int decimals = point < 0 ? 0 : int(text.size() - point - 1);
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    QString shown = locale.toString(value, 'f', decimals);
    // A sign the table writes on purpose ("+2" for a change) stays.
    if (text.startsWith(u'+'))
        shown.prepend(u'+');
    return shown;
}

QString figureText(const std::optional<double>& value, int decimals)
{
    if (!value)
        return QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "undefined"));
    return QString::number(*value, 'f', decimals);
}

TextTable subjectTable(const SociometricAnalysis& analysis, StatusMethod method)
{
    TextTable t;
    const bool classified = analysis.group.classified;
    t.header = {QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Subject")),
                QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Positive given")),
                QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Negative given")),
                QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Positive received")),
                QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Negative received")),
                QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Mutual positive")),
                QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Mutual negative")),
                StatusWords::english(Status::Isolate),
                QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Rejected only"))};
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
                << StatusWords::english(s.status(method));
        }
        t.rows.push_back(row);
    }
    return t;
}

TextTable withNames(TextTable table, const SubjectNames& names)
{
    if (names.empty())
        return table;
    table.header.insert(1, QStringLiteral(QT_TRANSLATE_NOOP("Analysis", "Name")));
    for (QStringList& row : table.rows)
        row.insert(1, nameOf(names, row.first().toInt()));
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
    out.emplace_back(Figures::tr("Group size"), number(g.groupSize));
    addCriterion(out, true, g.positive);
    addCriterion(out, false, g.negative);
    if (g.positive.present)
        out.emplace_back(Figures::tr("Isolates"), number(g.isolates));
    if (g.classified) {
        out.emplace_back(Figures::tr("Rejected only"), number(g.rejectedOnly));
        for (Status group :
             {Status::Popular, Status::Rejected, Status::Neglected, Status::Controversial,
              Status::Average, Status::Unclassified, Status::None}) {
            const int n = analysis.count(method, group);
            // Groups the method cannot give (Unclassified for Newcomb-Bukowski) and an
            // empty "undefined" row would only be noise.
            if (n == 0 && (group == Status::Unclassified || group == Status::None))
                continue;
            out.emplace_back(StatusWords::shown(group), number(n));
        }
        if (method == StatusMethod::NewcombBukowski) {
            addChanceLimits(out, Count::Positive, g.likedMostLimits);
            addChanceLimits(out, Count::Negative, g.likedLeastLimits);
            addChanceLimits(out, Count::Impact, g.impactLimits);
        }
    }
    if (!analysis.skipped.empty())
        out.emplace_back(Figures::tr("Entries left out"),
                         number(static_cast<int>(analysis.skipped.size())));
    return out;
}

QString cliquesText(const ChoiceSet& choices, const SubjectNames& names)
{
    QStringList cliques;
    for (const std::vector<int>& clique :
         Shared::maximalCliques(choices.groupSize, choices.positive)) {
        QStringList members;
        for (int s : clique)
            members << numberAndName(names, s);
        cliques << members.join(QStringLiteral(", "));
    }
    if (cliques.isEmpty())
        return Figures::tr("No cliques");
    return Figures::tr("Cliques (every pair chose each other): %1")
        .arg(cliques.join(QStringLiteral("; ")));
}
