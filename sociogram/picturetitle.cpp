#include "picturetitle.h"

#include <QCoreApplication>

#include "globals.h"
#include "sociometry.h"

#include <QLocale>

namespace {

struct PictureTitle {
    Q_DECLARE_TR_FUNCTIONS(PictureTitle)
};

// The kinds of choice the picture shows: for a Both study with the other criterion
// hidden, only the one in view.
QString kindsDrawn(const LineStyle& style)
{
    const QString positive = PictureTitle::tr("positive"), negative = PictureTitle::tr("negative");
    switch (Global::CriterionType) {
    case Codes::CriterionType::Positive:
        return positive;
    case Codes::CriterionType::Negative:
        return negative;
    case Codes::CriterionType::Both:
        if (style.otherCriterion)
            return PictureTitle::tr("positive and negative");
        return Global::CurrentCriterion == Codes::AnswerType::Negative ? negative : positive;
    default:
        return {};
    }
}

} // namespace

QString layoutName()
{
    const QString layouts[] = {PictureTitle::tr("Circle"), PictureTitle::tr("Random"),
                               PictureTitle::tr("Square"), PictureTitle::tr("Target")};
    const int layout =
        Global::SociogramType >= 0 && Global::SociogramType <= 3 ? int(Global::SociogramType) : 0;
    return layouts[layout];
}

QStringList pictureTitle(const LineStyle& style, bool statusDrawn, StatusMethod method, QDate date,
                         const QString& comparedWith)
{
    QString criterion = Global::Question;
    if (const QString kinds = kindsDrawn(style); !kinds.isEmpty())
        criterion += QStringLiteral(" (%1)").arg(kinds);
    QString last = PictureTitle::tr("%1 layout").arg(layoutName());
    if (statusDrawn && Global::CriterionType == Codes::CriterionType::Both)
        last += PictureTitle::tr(", status by %1").arg(statusMethodName(method));
    else if (statusDrawn)
        last += Global::CriterionType == Codes::CriterionType::Positive
                    ? PictureTitle::tr(", most chosen and isolates marked")
                    : PictureTitle::tr(", most chosen marked");
    last += QStringLiteral(", ") + QLocale().toString(date, QLocale::LongFormat);
    QStringList title{Global::RefName, criterion};
    if (!comparedWith.isEmpty())
        title << PictureTitle::tr("Ties kept, new and gone since \"%1\"").arg(comparedWith);
    title << last;
    return title;
}
