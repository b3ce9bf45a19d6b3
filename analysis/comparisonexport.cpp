#include "comparison.h"
#include "csv.h"
#include "groups.h"

QString comparisonTableCsv(const SurveyComparison& c, StatusMethod method,
                           const SubjectNames& names)
{
    return tableCsv(withNames(comparisonTable(c, method), names));
}

QString tieChangesCsv(const TieChanges& ties, const SubjectNames& names)
{
    QStringList header{QStringLiteral("Chooser"), QStringLiteral("Chosen"),
                       QStringLiteral("Criterion"), QStringLiteral("Change")};
    if (!names.empty())
        header << QStringLiteral("Chooser name") << QStringLiteral("Chosen name");
    QString out = Csv::line(header);
    for (const ChangedTie& tie : ties) {
        QStringList row{QString::number(tie.choice.chooser), QString::number(tie.choice.chosen),
                        criterionName(tie.choice.kind), tieChangeName(tie.change)};
        if (!names.empty())
            row << nameOf(names, tie.choice.chooser) << nameOf(names, tie.choice.chosen);
        out += Csv::line(row);
    }
    return out;
}
