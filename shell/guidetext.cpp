#include "guidetext.h"

#include <QStringList>

QString GuideText::fromReadme(const QString& readme)
{
    const QString begin = QStringLiteral("\n## ") + FirstSection + u'\n';
    const qsizetype from = readme.indexOf(begin);
    if (from < 0)
        return readme;
    const qsizetype to = readme.indexOf(QStringLiteral("\n## ") + EndSection + u'\n', from);
    return readme.mid(from + 1, to < 0 ? -1 : to - from);
}
