#include "keydrawing.h"

#include "changedraw.h"
#include "fonts.h"
#include "groupcolours.h"
#include "paint.h"

#include <QCoreApplication>
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
constexpr qreal KeyMarkerSide = 150; // the key draws its markers larger than the sociogram
constexpr qreal FramePoints = 12;

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

// A caption of the key in bold, or smaller where it would not fit its box.
Primitive captionText(const QRectF& box, int flags, const QString& text)
{
    Primitive p = textPrimitive(box, text, sociogramLabelFont().pointSizeF(), flags);
    p.bold = true;
    p.fit = true;
    return p;
}

Primitive frameItem(const KeyFrame& frame, QPointF origin)
{
    Primitive p;
    p.kind = Primitive::Kind::Frame;
    p.p1 = frame.box.topLeft() + origin;
    p.p2 = frame.box.bottomRight() + origin;
    p.pen = FrameBorderColour;
    p.fill = FrameCaptionColour;
    p.text = keyText(frame.caption);
    p.typeSize = FramePoints;
    return p;
}

Primitive captionItem(const KeyCaption& c, QPointF origin)
{
    const QRectF box = c.box.translated(c.frame.box.topLeft() + origin);
    const Qt::Alignment align =
        c.centred ? (Qt::AlignHCenter | Qt::AlignTop) : (Qt::AlignLeft | Qt::AlignVCenter);
    return captionText(box, int(align | Qt::TextDontClip), keyText(c.text));
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

void addGroupLegend(PrimitiveList& list, QPointF origin, int groups)
{
    if (groups <= 0)
        return;
    const int rows = rowsFor(groups);
    for (int g = 0; g < groups; ++g) {
        const QPointF cell = origin + QPointF(LegendMargin + ColumnWidth * (g / rows),
                                              LegendMargin + RowHeight * (g % rows));
        const QRectF swatch(cell + QPointF(0, (RowHeight - Swatch) / 2), QSizeF(Swatch, Swatch));
        list.push_back(rectanglePrimitive(swatch, DrawColour::LabelOutline, groupColour(g)));
    }
    for (int g = 0; g < groups; ++g) {
        const QPointF cell = origin + QPointF(LegendMargin + ColumnWidth * (g / rows),
                                              LegendMargin + RowHeight * (g % rows));
        const QRectF text(cell + QPointF(Swatch + 90, 0),
                          QSizeF(ColumnWidth - Swatch - 90, RowHeight));
        list.push_back(captionText(text, Qt::AlignLeft | Qt::AlignVCenter,
                                   QCoreApplication::translate("Key", "Group %1").arg(g + 1)));
    }
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

void addStatusLegend(PrimitiveList& list, QPointF origin, const std::vector<Status>& marks)
{
    if (marks.empty())
        return;
    const KeyFrame frame{QStringLiteral(QT_TRANSLATE_NOOP("Key", "Status")),
                         {120, 0, 2295, statusLegendHeight(int(marks.size())) - LegendMargin}};
    list.push_back(frameItem(frame, origin));
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const QPointF row =
            origin + QPointF(120 + 120 + StatusMarkRoom, StatusCaptionSpace + StatusRow * qreal(i) +
                                                             (StatusRow - StatusSample) / 2);
        const QRectF label(row, QSizeF(StatusSample, StatusSample));
        list.push_back(labelPrimitive(label.topLeft(), StatusSample, QString()));
        for (const Primitive& p : statusMarkPrimitives(label, marks[i]))
            list.push_back(p);
    }
    const qreal textLeft = 120 + 120 + 2 * StatusMarkRoom + StatusSample + 120;
    for (std::size_t i = 0; i < marks.size(); ++i) {
        const QRectF text(origin + QPointF(textLeft, StatusCaptionSpace + StatusRow * qreal(i)),
                          QSizeF(TextRight - textLeft, StatusRow));
        list.push_back(captionText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                                   keyText(StatusWords::shown(marks[i]))));
    }
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

void addChangeLegend(PrimitiveList& list, QPointF origin, const QString& since)
{
    if (since.isEmpty())
        return;
    const KeyFrame frame{QStringLiteral(QT_TRANSLATE_NOOP("Key", "Changes")),
                         {120, 0, 2295, changeLegendHeight(true) - LegendMargin}};
    list.push_back(frameItem(frame, origin));
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
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const qreal middle = StatusCaptionSpace + ChangeRow * (qreal(i) + 0.5);
        list.push_back(changeSample(rows[i].change, origin + QPointF(left, middle),
                                    origin + QPointF(left + ChangeSample, middle)));
    }
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const QRectF text(origin + QPointF(textLeft, StatusCaptionSpace + ChangeRow * qreal(i)),
                          QSizeF(TextRight - textLeft, ChangeRow));
        list.push_back(captionText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap,
                                   rows[i].caption));
    }
}

} // namespace

QSizeF keySize(const KeyEntries& key)
{
    return keySize(key.groups, int(key.status.size()), !key.changesSince.isEmpty(), key.negative);
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

PrimitiveList keyItems(QPointF origin, const KeyEntries& key)
{
    // Shrunk to fit where a language's words are long, the captions keep 60 twips from
    // their frame's lines, as the legends' texts do, and a word has the same room in both
    // frames so that it is drawn the same size.
    static const std::vector<KeyCaption> captions = {
        {PositiveFrame,
         QStringLiteral(QT_TRANSLATE_NOOP("Key", "Chooser")),
         {120, 720, 1080, 255},
         false},
        {PositiveFrame,
         QStringLiteral(QT_TRANSLATE_NOOP("Key", "Choice")),
         {1320, 720, 915, 255},
         false},
        {PositiveFrame,
         QStringLiteral(QT_TRANSLATE_NOOP("Key", "Mutual")),
         {480, 1680, 1335, 255},
         true},
        {NegativeFrame,
         QStringLiteral(QT_TRANSLATE_NOOP("Key", "Chooser")),
         {120, 960, 1080, 255},
         false},
        {NegativeFrame,
         QStringLiteral(QT_TRANSLATE_NOOP("Key", "Choice")),
         {1320, 960, 915, 255},
         false},
    };
    PrimitiveList list{frameItem(PositiveFrame, origin)};
    if (key.negative)
        list.push_back(frameItem(NegativeFrame, origin));
    PrimitiveList samples = keyPrimitives(origin, key.colour);
    if (!key.negative)
        samples.resize(5); // the positive samples come first
    list.insert(list.end(), samples.begin(), samples.end());
    for (const KeyCaption& c : captions)
        if (key.negative || &c.frame == &PositiveFrame)
            list.push_back(captionItem(c, origin));
    const bool changes = !key.changesSince.isEmpty();
    const auto below = [&](int marks, bool withChanges) {
        return origin + QPointF(0, keySize(0, marks, withChanges, key.negative).height());
    };
    addChangeLegend(list, below(0, false), key.changesSince);
    addStatusLegend(list, below(0, changes), key.status);
    addGroupLegend(list, below(int(key.status.size()), changes), key.groups);
    return list;
}
