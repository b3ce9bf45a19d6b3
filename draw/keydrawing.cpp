#include "keydrawing.h"

#include "changedraw.h"
#include "fonts.h"
#include "groupcolours.h"
#include "paint.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace {

// The key's words are kept in English in its tables and translated where they are drawn.
QString keyText(const QString& source)
{
    return QCoreApplication::translate("Key", source.toUtf8().constData());
}

} // namespace

namespace {

// The key window's legend, in twips inside the key (frames) or inside a frame
// (everything else), as the key window lays it out.
struct KeyFrame {
    QString caption;
    QRectF box;
};
const KeyFrame PositiveFrame{QStringLiteral(QT_TRANSLATE_NOOP("Key", "Positive Choice")),
                             {120, 120, 2295, 2055}};
const KeyFrame NegativeFrame{QStringLiteral(QT_TRANSLATE_NOOP("Key", "Negative Choice")),
                             {120, 2280, 2295, 1335}};

struct KeyCaption {
    const KeyFrame& frame;
    QString text;
    QRectF box;
    bool centred;
};

const QColor FrameCaptionColour(255, 0, 0);
const QColor FrameBorderColour(128, 128, 128);
constexpr qreal FrameCaptionIndent = 90; // the caption breaks the border near its left end
constexpr qreal FrameCaptionGap = 30;    // cleared border on either side of the caption
constexpr qreal KeyMarkerSide = 150;     // the key draws its markers larger than the sociogram

QFont keyCaptionFont()
{
    QFont font = sociogramLabelFont();
    font.setBold(true);
    return font;
}

QFont frameCaptionFont()
{
    QFont font(Fonts::Sans);
    font.setPointSizeF(12);
    return font;
}

Primitive keyLine(QPointF from, QPointF to)
{
    return choiceLine(from, to, {});
}

// A marker of the key given by the top-left corner of its 150-twip box.
Primitive keyDisc(QPointF boxTopLeft)
{
    Primitive p;
    p.kind = Primitive::Kind::Disc;
    p.p1 = boxTopLeft + QPointF(KeyMarkerSide / 2, KeyMarkerSide / 2);
    p.radius = KeyMarkerSide / 2;
    p.pen = DrawColour::Marker;
    p.fill = DrawColour::Marker;
    return p;
}

Primitive keySquare(QPointF boxTopLeft)
{
    Primitive p;
    p.kind = Primitive::Kind::SquareOutline;
    p.p1 = boxTopLeft;
    p.p2 = boxTopLeft + QPointF(KeyMarkerSide, KeyMarkerSide);
    p.pen = DrawColour::Marker;
    return p;
}

// `font`, made smaller where a longer language would run past `room` (device units);
// a key's captions have no room to grow into.
QFont fittedFont(QFont font, const QString& text, const QSizeF& room, int flags,
                 QPaintDevice* device)
{
    const qreal designed = font.pointSizeF();
    for (int step = 0; step < 3; ++step) { // text does not scale exactly with its size
        const QSizeF needed =
            QFontMetricsF(font, device).boundingRect(QRectF(QPointF(), room), flags, text).size();
        const qreal factor = std::min(room.width() / std::max(needed.width(), 1.0),
                                      room.height() / std::max(needed.height(), 1.0));
        if (factor >= 1)
            break;
        font.setPointSizeF(std::max(font.pointSizeF() * factor * 0.98, designed * 0.4));
    }
    return font;
}

// A caption of the key in `font`, or smaller where it would not fit its box.
void drawKeyText(QPainter& painter, const QFont& font, const QRectF& twips, qreal scale, int flags,
                 const QString& text)
{
    const QRectF box = scaled(twips, scale);
    painter.setFont(fittedFont(font, text, box.size(), flags, painter.device()));
    painter.drawText(box, flags, text);
}

// A frame: its border starts half the caption's height down, and the caption, in
// red, breaks the border near its left end.
void paintFrame(QPainter& painter, const KeyFrame& frame, QPointF origin, qreal scale)
{
    const QRectF box = frame.box.translated(origin);
    const QString text = keyText(frame.caption);
    const QSizeF room((box.width() - 2 * FrameCaptionIndent) * scale, box.height() * scale);
    const QFont font = fittedFont(frameCaptionFont(), text, room, Qt::AlignLeft | Qt::AlignVCenter,
                                  painter.device());
    const QFontMetricsF metrics(font, painter.device());
    const qreal captionHeight = metrics.height() / scale;
    const qreal captionWidth = metrics.horizontalAdvance(text) / scale;

    QPen border(FrameBorderColour, 0);
    border.setCosmetic(true);
    painter.setPen(border);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(scaled(box.adjusted(0, captionHeight / 2, 0, 0), scale));

    const QRectF caption(box.left() + FrameCaptionIndent, box.top(), captionWidth, captionHeight);
    painter.fillRect(scaled(caption.adjusted(-FrameCaptionGap, 0, FrameCaptionGap, 0), scale),
                     Qt::white);
    painter.setFont(font);
    painter.setPen(FrameCaptionColour);
    painter.drawText(scaled(caption, scale), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                     text);
}

void paintKeyCaption(QPainter& painter, const KeyCaption& c, QPointF origin, qreal scale)
{
    const QRectF box = c.box.translated(c.frame.box.topLeft() + origin);
    const Qt::Alignment align =
        c.centred ? (Qt::AlignHCenter | Qt::AlignTop) : (Qt::AlignLeft | Qt::AlignVCenter);
    painter.setPen(Qt::black);
    drawKeyText(painter, keyCaptionFont(), box, scale, align | Qt::TextDontClip, keyText(c.text));
}

// The legend of the groups shown on the sociogram: a swatch and "Group 1", "Group 2", ...
constexpr qreal LegendMargin = 120;
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

QSizeF groupLegendSize(int groups)
{
    if (groups <= 0)
        return {0, 0};
    return {LegendMargin * 2 + ColumnWidth * columnsFor(groups),
            LegendMargin * 2 + RowHeight * rowsFor(groups)};
}

void paintGroupLegend(QPainter& painter, QPointF origin, qreal scale, int groups)
{
    if (groups <= 0)
        return;
    const int rows = rowsFor(groups);
    PrimitiveList swatches;
    for (int g = 0; g < groups; ++g) {
        const QPointF cell = origin + QPointF(LegendMargin + ColumnWidth * (g / rows),
                                              LegendMargin + RowHeight * (g % rows));
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
    painter.setPen(Qt::black);
    for (int g = 0; g < groups; ++g) {
        const QPointF cell = origin + QPointF(LegendMargin + ColumnWidth * (g / rows),
                                              LegendMargin + RowHeight * (g % rows));
        const QRectF text(cell + QPointF(Swatch + 90, 0),
                          QSizeF(ColumnWidth - Swatch - 90, RowHeight));
        drawKeyText(painter, keyCaptionFont(), text, scale, Qt::AlignLeft | Qt::AlignVCenter,
                    QCoreApplication::translate("Key", "Group %1").arg(g + 1));
    }
    painter.restore();
}

// The status marks shown on the labels, in a frame of their own: a sample label with
// its mark and the status's name per row.
constexpr qreal TextRight = 2355; // the legends' texts keep clear of their frame's right side
constexpr qreal StatusCaptionSpace = 300; // the frame's caption above the first row
constexpr qreal StatusRow = 520;
constexpr qreal StatusSample = 240;   // the sample label, smaller than a real one
constexpr qreal StatusMarkRoom = 105; // the widest mark reaches this far out of a label

qreal statusLegendHeight(int marks)
{
    return marks <= 0 ? 0 : StatusCaptionSpace + StatusRow * marks + 2 * LegendMargin;
}

void paintStatusLegend(QPainter& painter, QPointF origin, qreal scale,
                       const std::vector<StatusMark>& marks)
{
    if (marks.empty())
        return;
    const KeyFrame frame{QStringLiteral(QT_TRANSLATE_NOOP("Key", "Status")),
                         {120, 0, 2295, statusLegendHeight(int(marks.size())) - LegendMargin}};
    paintFrame(painter, frame, origin, scale);
    PrimitiveList samples;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const QPointF row =
            origin + QPointF(120 + 120 + StatusMarkRoom, StatusCaptionSpace + StatusRow * qreal(i) +
                                                             (StatusRow - StatusSample) / 2);
        const QRectF label(row, QSizeF(StatusSample, StatusSample));
        samples.push_back(labelPrimitive(label.topLeft(), StatusSample, QString()));
        for (const Primitive& p : statusMarkPrimitives(label, marks[i]))
            samples.push_back(p);
    }
    painter.save();
    paintPrimitives(painter, samples, scale);
    painter.setPen(Qt::black);
    const qreal textLeft = 120 + 120 + 2 * StatusMarkRoom + StatusSample + 120;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const QRectF text(origin + QPointF(textLeft, StatusCaptionSpace + StatusRow * qreal(i)),
                          QSizeF(TextRight - textLeft, StatusRow));
        drawKeyText(painter, keyCaptionFont(), text, scale,
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, statusMarkName(marks[i]));
    }
    painter.restore();
}

// The ties of two surveys: a sample of each look and what it means, in a frame of its
// own. The other survey's name is cut short here; the title carries it whole.
constexpr qreal ChangeRow = 540; // room for a caption of two lines
constexpr qreal ChangeSample = 600;
constexpr int SinceMaxChars = 24;

qreal changeLegendHeight(bool shown)
{
    return shown ? StatusCaptionSpace + ChangeRow * 3 + 2 * LegendMargin : 0;
}

void paintChangeLegend(QPainter& painter, QPointF origin, qreal scale, const QString& since)
{
    if (since.isEmpty())
        return;
    const KeyFrame frame{QStringLiteral(QT_TRANSLATE_NOOP("Key", "Changes")),
                         {120, 0, 2295, changeLegendHeight(true) - LegendMargin}};
    paintFrame(painter, frame, origin, scale);
    const QString name =
        since.size() > SinceMaxChars ? since.left(SinceMaxChars - 1) + QChar(0x2026) : since;
    const struct {
        TieChange change;
        QString caption;
    } rows[] = {
        {TieChange::Kept, QCoreApplication::translate("Key", "Kept in both surveys")},
        {TieChange::New, QCoreApplication::translate("Key", "New since \"%1\"").arg(name)},
        {TieChange::Gone, QCoreApplication::translate("Key", "Gone since \"%1\"").arg(name)},
    };
    constexpr qreal left = 120 + 120;
    constexpr qreal textLeft = left + ChangeSample + 120;
    PrimitiveList samples;
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const qreal middle = StatusCaptionSpace + ChangeRow * (qreal(i) + 0.5);
        samples.push_back(changeSample(rows[i].change, origin + QPointF(left, middle),
                                       origin + QPointF(left + ChangeSample, middle)));
    }
    painter.save();
    paintPrimitives(painter, samples, scale);
    painter.setPen(Qt::black);
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const QRectF text(origin + QPointF(textLeft, StatusCaptionSpace + ChangeRow * qreal(i)),
                          QSizeF(TextRight - textLeft, ChangeRow));
        drawKeyText(painter, keyCaptionFont(), text, scale,
                    Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, rows[i].caption);
    }
    painter.restore();
}

} // namespace

QFont sociogramLabelFont()
{
    QFont font(Fonts::Sans);
    font.setPointSizeF(8.25);
    return font;
}

QSizeF keySize(int groups, int statusMarks, bool changes, bool negative)
{
    const QSizeF markers(2535, negative ? 3735 : 2295);
    const QSizeF legend = groupLegendSize(groups);
    return {std::max(markers.width(), legend.width()),
            markers.height() + changeLegendHeight(changes) + statusLegendHeight(statusMarks) +
                legend.height()};
}

PrimitiveList keyPrimitives(QPointF origin, bool colour)
{
    const QPointF positive = origin + PositiveFrame.box.topLeft();
    const QPointF negative = origin + NegativeFrame.box.topLeft();
    PrimitiveList list = {
        keyLine(positive + QPointF(120, 480), positive + QPointF(2160, 480)),
        keyDisc(positive + QPointF(360, 400)),
        keyLine(positive + QPointF(120, 1440), positive + QPointF(2160, 1440)),
        keyDisc(positive + QPointF(360, 1360)),
        keyDisc(positive + QPointF(1440, 1360)),
        keyLine(negative + QPointF(120, 720), negative + QPointF(2160, 720)),
        keySquare(negative + QPointF(360, 640)),
    };
    if (colour) {
        // The key shows what the window shows: the mutual pair's line thicker, the
        // negative choice red and dashed.
        list[2].width = DrawSize::MutualLineWidth;
        list[5].pen = DrawColour::Negative;
        list[5].width = DrawSize::ColourLineWidth;
        list[5].dashed = true;
        list[6].pen = DrawColour::Negative;
        list[6].width = DrawSize::ColourLineWidth;
    }
    return list;
}

void paintKey(QPainter& painter, QPointF origin, qreal scale, bool colour, int groups,
              const std::vector<StatusMark>& status, const QString& changesSince, bool negative)
{
    static const std::vector<KeyCaption> captions = {
        {PositiveFrame,
         QStringLiteral(QT_TRANSLATE_NOOP("Key", "Chooser")),
         {120, 720, 1080, 255},
         false},
        {PositiveFrame,
         QStringLiteral(QT_TRANSLATE_NOOP("Key", "Choice")),
         {1320, 720, 975, 255},
         false},
        {PositiveFrame,
         QStringLiteral(QT_TRANSLATE_NOOP("Key", "Mutual")),
         {480, 1680, 1335, 255},
         true},
        {NegativeFrame,
         QStringLiteral(QT_TRANSLATE_NOOP("Key", "Chooser")),
         {120, 960, 1200, 255},
         false},
        {NegativeFrame,
         QStringLiteral(QT_TRANSLATE_NOOP("Key", "Choice")),
         {1440, 960, 855, 255},
         false},
    };
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    paintFrame(painter, PositiveFrame, origin, scale);
    PrimitiveList samples = keyPrimitives(origin, colour);
    if (negative)
        paintFrame(painter, NegativeFrame, origin, scale);
    else
        samples.resize(5); // the positive samples come first
    paintPrimitives(painter, samples, scale);
    for (const KeyCaption& c : captions)
        if (negative || &c.frame == &PositiveFrame)
            paintKeyCaption(painter, c, origin, scale);
    const bool changes = !changesSince.isEmpty();
    const auto below = [&](int marks, bool withChanges) {
        return origin + QPointF(0, keySize(0, marks, withChanges, negative).height());
    };
    paintChangeLegend(painter, below(0, false), scale, changesSince);
    paintStatusLegend(painter, below(0, changes), scale, status);
    paintGroupLegend(painter, below(int(status.size()), changes), scale, groups);
    painter.restore();
}
