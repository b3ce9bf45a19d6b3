#include "startup.h"

QString appPathFrom(const QString& directory)
{
    if (directory.endsWith(u'/'))
        return directory;
    return directory + u'/';
}

QPointF centeredTopLeft(QSizeF screen, QSizeF window)
{
    const float left = (static_cast<float>(screen.width()) - static_cast<float>(window.width())) / 2.0f;
    const float top = (static_cast<float>(screen.height()) - static_cast<float>(window.height())) / 2.0f;
    return {left, top};
}
