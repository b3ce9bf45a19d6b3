#include "comparison.h"
#include "csv.h"

QString comparisonTableCsv(const SurveyComparison& c, StatusMethod method, const QStringList& names)
{
    return tableCsv(withNames(comparisonTable(c, method), names));
}

QString tieChangesCsv(const TieChanges& ties, const QStringList& names)
{
    QStringList header{QStringLiteral("Chooser"), QStringLiteral("Chosen"),
                       QStringLiteral("Criterion"), QStringLiteral("Change")};
    if (!names.isEmpty())
        header << QStringLiteral("Chooser name") << QStringLiteral("Chosen name");
    QString out = Csv::line(header);
    for (const ChangedTie& tie : ties) {
        QStringList row{QString::number(tie.choice.chooser), QString::number(tie.choice.chosen),
                        criterionName(tie.choice.kind), tieChangeName(tie.change)};
        if (!names.isEmpty())
            row << names.value(tie.choice.chooser - 1) << names.value(tie.choice.chosen - 1);
        out += Csv::line(row);
    }
    return out;
}
