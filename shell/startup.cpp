#include "startup.h"

QString appPathFrom(const QString& directory)
{
    // Extra trailing separators would double up in every path built from AppPath.
    QString path = directory;
    while (path.size() > 1 && path.endsWith(u'/') && path.at(path.size() - 2) == u'/')
        path.chop(1);
    if (path.endsWith(u'/'))
        return path;
    return path + u'/';
}

QPointF centeredTopLeft(QSizeF screen, QSizeF window)
{
    const float left =
        (static_cast<float>(screen.width()) - static_cast<float>(window.width())) / 2.0f;
    const float top =
        (static_cast<float>(screen.height()) - static_cast<float>(window.height())) / 2.0f;
    return {left, top};
}
