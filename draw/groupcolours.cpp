#include "groupcolours.h"

#include "keydrawing.h"
#include "paint.h"

#include <QPainter>
#include <cmath>

namespace {

constexpr qreal Margin = 120;
constexpr qreal RowHeight = 255;
constexpr qreal Swatch = 180;
constexpr qreal ColumnWidth = 1200;
constexpr int RowsInOneColumn = 8; // more groups than this take two columns

int columnsFor(int groups)
{
    return groups > RowsInOneColumn ? 2 : 1;
}

int rowsFor(int groups)
{
    const int columns = columnsFor(groups);
    return (groups + columns - 1) / columns;
}

} // namespace

QColor groupColour(int group)
{
    // Hues a golden angle apart never bunch up however many groups there are; the
    // second ten are darker so that group 11 does not pass for group 1.
    constexpr double GoldenTurn = 0.381966;
    const double hue = std::fmod(0.08 + GoldenTurn * (group % 10), 1.0);
    return QColor::fromHsvF(float(hue), 0.45f, group < 10 ? 1.0f : 0.78f);
}

QSizeF groupLegendSize(int groups)
{
    if (groups <= 0)
        return {0, 0};
    return {Margin * 2 + ColumnWidth * columnsFor(groups),
            Margin * 2 + RowHeight * rowsFor(groups)};
}

void paintGroupLegend(QPainter& painter, QPointF origin, qreal scale, int groups)
{
    if (groups <= 0)
        return;
    const int rows = rowsFor(groups);
    PrimitiveList swatches;
    for (int g = 0; g < groups; ++g) {
        const QPointF cell =
            origin + QPointF(Margin + ColumnWidth * (g / rows), Margin + RowHeight * (g % rows));
        Primitive p;
        p.kind = Primitive::Kind::Rectangle;
        p.p1 = cell + QPointF(0, (RowHeight - Swatch) / 2);
        p.p2 = p.p1 + QPointF(Swatch, Swatch);
        p.pen = DrawColour::LabelOutline;
        p.fill = groupColour(g);
        swatches.push_back(p);
    }
    painter.save();
    paintPrimitives(painter, swatches, scale);
    QFont font = sociogramLabelFont();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (int g = 0; g < groups; ++g) {
        const QPointF cell =
            origin + QPointF(Margin + ColumnWidth * (g / rows), Margin + RowHeight * (g % rows));
        const QRectF text(cell + QPointF(Swatch + 90, 0),
                          QSizeF(ColumnWidth - Swatch - 90, RowHeight));
        painter.drawText(QRectF(text.topLeft() * scale, text.size() * scale),
                         Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Group %1").arg(g + 1));
    }
    painter.restore();
}
