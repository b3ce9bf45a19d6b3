#include "picturetitle.h"

#include "globals.h"
#include "sociometry.h"
#include "statusmethod.h"

#include <QLocale>

namespace {

// The kinds of choice the picture shows: for a Both study with the other criterion
// hidden, only the one in view.
QString kindsDrawn(const LineStyle& style)
{
    const QString positive = QStringLiteral("positive"), negative = QStringLiteral("negative");
    switch (Global::CriterionType) {
    case Codes::CriterionType::Positive:
        return positive;
    case Codes::CriterionType::Negative:
        return negative;
    case Codes::CriterionType::Both:
        if (style.otherCriterion)
            return QStringLiteral("positive and negative");
        return Global::CurrentCriterion == Codes::AnswerType::Negative ? negative : positive;
    default:
        return {};
    }
}

} // namespace

QString layoutName()
{
    static const QString layouts[] = {QStringLiteral("Circle"), QStringLiteral("Random"),
                                      QStringLiteral("Square"), QStringLiteral("Target")};
    const int layout =
        Global::SociogramType >= 0 && Global::SociogramType <= 3 ? int(Global::SociogramType) : 0;
    return layouts[layout];
}

QStringList pictureTitle(const LineStyle& style, bool statusDrawn, QDate date,
                         const QString& comparedWith)
{
    QString criterion = Global::Question;
    if (const QString kinds = kindsDrawn(style); !kinds.isEmpty())
        criterion += QStringLiteral(" (%1)").arg(kinds);
    QString last = QStringLiteral("%1 layout").arg(layoutName());
    if (statusDrawn && Global::CriterionType == Codes::CriterionType::Both)
        last += QStringLiteral(", status by ") +
                statusMethodName(ChosenStatusMethod::instance().method());
    else if (statusDrawn)
        last += Global::CriterionType == Codes::CriterionType::Positive
                    ? QStringLiteral(", most chosen and isolates marked")
                    : QStringLiteral(", most chosen marked");
    last += QStringLiteral(", ") + QLocale().toString(date, QLocale::LongFormat);
    QStringList title{Global::RefName, criterion};
    if (!comparedWith.isEmpty())
        title << QStringLiteral("Ties kept, new and gone since \"%1\"").arg(comparedWith);
    title << last;
    return title;
}
