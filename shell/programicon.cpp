#include "programicon.h"

#include <QPainter>

namespace {

// The classic 16-colour palette.
QList<QRgb> sixteenColours()
{
    return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
            qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
            qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
            qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

} // namespace

QImage programIconImage()
{
    QImage art(32, 32, QImage::Format_RGB32);
    art.fill(qRgb(255, 255, 255));
    QPainter p(&art);
    p.setPen(QPen(QColor(0, 128, 0), 1));
    p.drawEllipse(QRect(3, 3, 25, 25));
    const QPoint nodes[] = {{16, 5}, {27, 20}, {5, 20}, {16, 16}};
    p.setPen(QPen(Qt::black, 1));
    for (const QPoint& a : nodes)
        for (const QPoint& b : nodes)
            if (a.x() < b.x() || (a.x() == b.x() && a.y() < b.y()))
                p.drawLine(a, b);
    for (const QPoint& n : nodes) {
        const QRect r(n.x() - 3, n.y() - 3, 7, 7);
        p.fillRect(r, QColor(255, 0, 0));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
    p.end();
    return art.convertToFormat(QImage::Format_Indexed8, sixteenColours(), Qt::ThresholdDither);
}

QIcon programIcon()
{
    static const QIcon icon(QPixmap::fromImage(programIconImage()));
    return icon;
}
