#include "pictureexport.h"

#include "labels.h"
#include "paint.h"

#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QImageWriter>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

namespace {

constexpr qreal TwipsPerInch = 1440;
constexpr qreal TwipsPerPoint = 20;
constexpr qreal MetresPerInch = 0.0254;
// PDF pages are laid out at this many device units per inch; the drawing itself is
// vector, so the figure only bounds the precision of the coordinates.
constexpr int PdfResolution = 1200;

const QString PictureTitle = QStringLiteral("Sociogram");

// The key window's legend, in twips inside the key (frames) or inside a frame
// (everything else), as the key window lays it out.
struct KeyFrame {
    QString caption;
    QRectF box;
};
const KeyFrame PositiveFrame{QStringLiteral("Positive Choice"), {120, 120, 2295, 2055}};
const KeyFrame NegativeFrame{QStringLiteral("Negative Choice"), {120, 2280, 2295, 1335}};

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

QFont labelFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    return font;
}

QFont keyCaptionFont()
{
    QFont font = labelFont();
    font.setBold(true);
    return font;
}

QFont frameCaptionFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(12);
    return font;
}

Primitive keyLine(QPointF from, QPointF to)
{
    Primitive p;
    p.kind = Primitive::Kind::Line;
    p.p1 = from;
    p.p2 = to;
    p.pen = DrawColour::Line;
    return p;
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

QRectF scaled(const QRectF& twips, qreal scale)
{
    return QRectF(twips.topLeft() * scale, twips.size() * scale);
}

// A frame: its border starts half the caption's height down, and the caption, in
// red, breaks the border near its left end.
void paintFrame(QPainter& painter, const KeyFrame& frame, QPointF origin, qreal scale)
{
    const QFont font = frameCaptionFont();
    const QFontMetricsF metrics(font, painter.device());
    const QRectF box = frame.box.translated(origin);
    const qreal captionHeight = metrics.height() / scale;
    const qreal captionWidth = metrics.horizontalAdvance(frame.caption) / scale;

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
                     frame.caption);
}

void paintKeyCaption(QPainter& painter, const KeyCaption& c, QPointF origin, qreal scale)
{
    const QRectF box = c.box.translated(c.frame.box.topLeft() + origin);
    const Qt::Alignment align =
        c.centred ? (Qt::AlignHCenter | Qt::AlignTop) : (Qt::AlignLeft | Qt::AlignVCenter);
    painter.setFont(keyCaptionFont());
    painter.setPen(Qt::black);
    painter.drawText(scaled(box, scale), align | Qt::TextDontClip, c.text);
}

QSize pixelSize(QSizeF twips, qreal scale)
{
    return QSize(qRound(twips.width() * scale), qRound(twips.height() * scale));
}

ExportFailure failure(const QString& path, const QString& reason)
{
    return ExportFailure{path, reason};
}

// Why a file could not be opened for writing, in the user's terms.
QString openReason(const QString& path, const QSaveFile& file)
{
    const QFileInfo info(path);
    if (info.isDir())
        return QStringLiteral("that name belongs to a folder");
    if (!info.absoluteDir().exists())
        return QStringLiteral("the folder \"%1\" does not exist")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    return QStringLiteral("the file could not be opened for writing (%1)").arg(file.errorString());
}

const QString CannotStartDrawing = QStringLiteral("the drawing could not be started");

ExportResult writePng(QSaveFile& file, const PrimitiveList& picture, QSizeF drawing,
                      const PictureOptions& options)
{
    const qreal scale = options.dpi / TwipsPerInch;
    const QSize pixels = pixelSize(pictureSize(drawing, options.includeKey), scale);
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return failure(file.fileName(),
                       QStringLiteral("an image of %1 by %2 pixels is too large to make")
                           .arg(pixels.width())
                           .arg(pixels.height()));
    // Viewers and word processors read the resolution to show the picture at its size.
    const int dotsPerMetre = qRound(options.dpi / MetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        paintPicture(painter, picture, drawing, options.includeKey, scale);
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image))
        return failure(
            file.fileName(),
            QStringLiteral("the image could not be written (%1)").arg(writer.errorString()));
    return std::nullopt;
}

ExportResult writeSvg(QSaveFile& file, const PrimitiveList& picture, QSizeF drawing,
                      const PictureOptions& options)
{
    // One SVG unit is one pixel of the window, so the drawing opens at the window's size.
    const qreal scale = PictureResolution::Screen / TwipsPerInch;
    const QSizeF units = pictureSize(drawing, options.includeKey) * scale;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(PictureResolution::Screen);
    svg.setSize(units.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), units));
    svg.setTitle(PictureTitle);
    QPainter painter;
    if (!painter.begin(&svg))
        return failure(file.fileName(), CannotStartDrawing);
    paintPicture(painter, picture, drawing, options.includeKey, scale);
    painter.end();
    return std::nullopt;
}

ExportResult writePdf(QSaveFile& file, const PrimitiveList& picture, QSizeF drawing,
                      const PictureOptions& options)
{
    const QSizeF twips = pictureSize(drawing, options.includeKey);
    QPdfWriter pdf(&file);
    pdf.setTitle(PictureTitle);
    pdf.setCreator(PictureTitle);
    pdf.setResolution(PdfResolution);
    // One page exactly the picture's size, without margins.
    const QPageSize page(twips / TwipsPerPoint, QPageSize::Point, PictureTitle,
                         QPageSize::ExactMatch);
    if (!pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF())))
        return failure(file.fileName(), QStringLiteral("the page could not be set up"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return failure(file.fileName(), CannotStartDrawing);
    paintPicture(painter, picture, drawing, options.includeKey, pdf.resolution() / TwipsPerInch);
    painter.end();
    return std::nullopt;
}

ExportResult writeFormat(QSaveFile& file, const PrimitiveList& picture, QSizeF drawing,
                         const PictureOptions& options)
{
    switch (options.format) {
    case PictureFormat::Png:
        return writePng(file, picture, drawing, options);
    case PictureFormat::Svg:
        return writeSvg(file, picture, drawing, options);
    case PictureFormat::Pdf:
        return writePdf(file, picture, drawing, options);
    }
    return failure(file.fileName(), QStringLiteral("the picture format is not known"));
}

// What can be known to fail before any file is touched.
ExportResult checkRequest(const QString& path, QSizeF drawing, const PictureOptions& options)
{
    if (path.isEmpty())
        return failure(path, QStringLiteral("no file name was given"));
    if (!(drawing.width() > 0 && drawing.height() > 0))
        return failure(path, QStringLiteral("the sociogram has no area to draw"));
    if (options.format == PictureFormat::Png &&
        (options.dpi < PictureResolution::Minimum || options.dpi > PictureResolution::Maximum))
        return failure(path, QStringLiteral("the resolution must be from %1 to %2 dots per inch")
                                 .arg(PictureResolution::Minimum)
                                 .arg(PictureResolution::Maximum));
    return std::nullopt;
}

} // namespace

QString ExportFailure::sentence() const
{
    return QStringLiteral("The sociogram picture could not be saved as \"%1\" because %2.")
        .arg(QDir::toNativeSeparators(file), reason);
}

QString pictureSuffix(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Png:
        return QStringLiteral("png");
    case PictureFormat::Svg:
        return QStringLiteral("svg");
    case PictureFormat::Pdf:
        return QStringLiteral("pdf");
    }
    return {};
}

QString withPictureSuffix(const QString& path, PictureFormat format)
{
    const QString suffix = pictureSuffix(format);
    if (path.isEmpty() || QFileInfo(path).suffix().compare(suffix, Qt::CaseInsensitive) == 0)
        return path;
    return path + u'.' + suffix;
}

PrimitiveList sociogramPicture(const PrimitiveList& drawing, const LabelSet& labels)
{
    PrimitiveList picture = drawing;
    const PrimitiveList shown = labelPrimitives(labels, labels.highestIndex());
    picture.insert(picture.end(), shown.begin(), shown.end());
    return picture;
}

QSizeF keySize()
{
    return {2535, 3735};
}

PrimitiveList keyPrimitives(QPointF origin)
{
    const QPointF positive = origin + PositiveFrame.box.topLeft();
    const QPointF negative = origin + NegativeFrame.box.topLeft();
    return {
        keyLine(positive + QPointF(120, 480), positive + QPointF(2160, 480)),
        keyDisc(positive + QPointF(360, 400)),
        keyLine(positive + QPointF(120, 1440), positive + QPointF(2160, 1440)),
        keyDisc(positive + QPointF(360, 1360)),
        keyDisc(positive + QPointF(1440, 1360)),
        keyLine(negative + QPointF(120, 720), negative + QPointF(2160, 720)),
        keySquare(negative + QPointF(360, 640)),
    };
}

void paintKey(QPainter& painter, QPointF origin, qreal scale)
{
    static const std::vector<KeyCaption> captions = {
        {PositiveFrame, QStringLiteral("Chooser"), {120, 720, 735, 255}, false},
        {PositiveFrame, QStringLiteral("Choice"), {1320, 720, 735, 255}, false},
        {PositiveFrame, QStringLiteral("Mutual"), {480, 1680, 1335, 255}, true},
        {NegativeFrame, QStringLiteral("Chooser"), {120, 960, 735, 255}, false},
        {NegativeFrame, QStringLiteral("Choice"), {1440, 960, 735, 255}, false},
    };
    painter.save();
    painter.setBackgroundMode(Qt::TransparentMode);
    paintFrame(painter, PositiveFrame, origin, scale);
    paintFrame(painter, NegativeFrame, origin, scale);
    paintPrimitives(painter, keyPrimitives(origin), scale);
    for (const KeyCaption& c : captions)
        paintKeyCaption(painter, c, origin, scale);
    painter.restore();
}

QSizeF pictureSize(QSizeF drawing, bool includeKey)
{
    if (!includeKey)
        return drawing;
    const QSizeF key = keySize();
    return {drawing.width() + key.width(), std::max(drawing.height(), key.height())};
}

void paintPicture(QPainter& painter, const PrimitiveList& picture, QSizeF drawing, bool includeKey,
                  qreal scale)
{
    painter.save();
    painter.fillRect(scaled(QRectF(QPointF(0, 0), pictureSize(drawing, includeKey)), scale),
                     Qt::white);
    painter.setFont(labelFont());
    // A label dragged past the window's edge is cut off there, as on screen, and
    // never lands on the key.
    if (includeKey)
        painter.setClipRect(scaled(QRectF(QPointF(0, 0), drawing), scale));
    paintPrimitives(painter, picture, scale);
    painter.setClipping(false);
    if (includeKey)
        paintKey(painter, QPointF(drawing.width(), 0), scale);
    painter.restore();
}

ExportResult exportPicture(const QString& path, const PrimitiveList& picture, QSizeF drawing,
                           const PictureOptions& options)
{
    if (ExportResult refused = checkRequest(path, drawing, options))
        return refused;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failure(path, openReason(path, file));
    if (ExportResult failed = writeFormat(file, picture, drawing, options)) {
        failed->file = path;
        file.cancelWriting();
        return failed;
    }
    if (!file.commit())
        return failure(path,
                       QStringLiteral("writing the file failed (%1)").arg(file.errorString()));
    return std::nullopt;
}
