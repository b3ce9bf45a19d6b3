#include "titlekey.h"

#include "fonts.h"
#include "paint.h"

#include <QFontMetricsF>
#include <QTextLayout>

namespace {

constexpr qreal TitleLineHeight = 300;
constexpr qreal TitleMargin = 120;
constexpr qreal TitlePoints = 10;
// Glyphs are hinted a little differently on a screen, an image and a PDF: wrapping a
// little short of the width keeps every line inside it on all of them.
constexpr qreal WrapSlack = 0.95;

QFont titleFont(bool bold)
{
    return Fonts::font(Fonts::Sans, TitlePoints, bold);
}

qreal titleWidth(qreal drawingWidth)
{
    return drawingWidth - 2 * TitleMargin;
}

qreal titleHeight(const std::vector<TitleLine>& lines)
{
    return lines.empty() ? 0 : TitleMargin * 2 + TitleLineHeight * qreal(lines.size());
}

} // namespace

std::vector<TitleLine> wrappedTitle(const QStringList& lines, qreal width)
{
    std::vector<TitleLine> out;
    for (int i = 0; i < lines.size(); ++i) {
        QTextLayout layout(lines[i], titleFont(i == 0), &twipsMeasure());
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width * WrapSlack);
            out.push_back({lines[i].mid(line.textStart(), line.textLength()).trimmed(), i == 0});
        }
        layout.endLayout();
    }
    return out;
}

qreal titleLineWidth(const TitleLine& line)
{
    return QFontMetricsF(titleFont(line.bold), &twipsMeasure()).horizontalAdvance(line.text);
}

QSizeF framedSize(QSizeF drawing, const TitleAndKey& around)
{
    const qreal title = titleHeight(wrappedTitle(around.title, titleWidth(drawing.width())));
    if (!around.key)
        return {drawing.width(), drawing.height() + title};
    const QSizeF key = keySize(*around.key);
    return {drawing.width() + key.width(), std::max(drawing.height() + title, key.height())};
}

PrimitiveList framedPicture(PrimitiveList drawing, QSizeF area, const TitleAndKey& around)
{
    if (around.title.isEmpty() && !around.key)
        return drawing;
    const std::vector<TitleLine> lines = wrappedTitle(around.title, titleWidth(area.width()));
    const qreal title = titleHeight(lines);
    PrimitiveList list{clipPrimitive(QRectF(QPointF(0, title), area))};
    const PrimitiveList moved = translated(std::move(drawing), QPointF(0, title));
    list.insert(list.end(), moved.begin(), moved.end());
    list.push_back(clipPrimitive({}));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QRectF line(TitleMargin, TitleMargin + qreal(i) * TitleLineHeight,
                          titleWidth(area.width()), TitleLineHeight);
        Primitive text = textPrimitive(line, lines[i].text, TitlePoints,
                                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip);
        text.bold = lines[i].bold;
        list.push_back(text);
    }
    if (around.key) {
        const PrimitiveList key = keyItems(QPointF(area.width(), 0), *around.key);
        list.insert(list.end(), key.begin(), key.end());
    }
    return list;
}
