#include "pictureexport.h"

#include <QCoreApplication>

#include "codes.h"
#include "paint.h"

#include <QDir>
#include <QFileInfo>
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

constexpr qreal TwipsPerInch = Codes::TwipsPerInch;
constexpr qreal TwipsPerPoint = 20;
constexpr qreal MetresPerInch = 0.0254;
// PDF pages are laid out at this many device units per inch; the drawing itself is
// vector, so the figure only bounds the precision of the coordinates.
constexpr int PdfResolution = 1200;

const QString PictureTitle = QStringLiteral("Sociogram");

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
        return QCoreApplication::translate("PictureExport", "that name belongs to a folder");
    if (!info.absoluteDir().exists())
        return QCoreApplication::translate("PictureExport", "the folder \"%1\" does not exist")
            .arg(QDir::toNativeSeparators(info.absolutePath()));
    return QCoreApplication::translate("PictureExport",
                                       "the file could not be opened for writing (%1)")
        .arg(file.errorString());
}

const char* const CannotStartDrawing =
    QT_TRANSLATE_NOOP("PictureExport", "the drawing could not be started");

ExportResult writePng(QSaveFile& file, const PrimitiveList& picture, QSizeF drawing,
                      const PictureOptions& options)
{
    const qreal scale = options.dpi / TwipsPerInch;
    const QSize pixels = pixelSize(pictureSize(drawing, options), scale);
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        return failure(file.fileName(),
                       QCoreApplication::translate(
                           "PictureExport", "an image of %1 by %2 pixels is too large to make")
                           .arg(pixels.width())
                           .arg(pixels.height()));
    // Viewers and word processors read the resolution to show the picture at its size.
    const int dotsPerMetre = qRound(options.dpi / MetresPerInch);
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    {
        QPainter painter(&image);
        paintPicture(painter, picture, drawing, options, scale);
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(image))
        return failure(file.fileName(), QCoreApplication::translate(
                                            "PictureExport", "the image could not be written (%1)")
                                            .arg(writer.errorString()));
    return std::nullopt;
}

ExportResult writeSvg(QSaveFile& file, const PrimitiveList& picture, QSizeF drawing,
                      const PictureOptions& options)
{
    // One SVG unit is one pixel of the window, so the drawing opens at the window's size.
    const qreal scale = PictureResolution::Screen / TwipsPerInch;
    const QSizeF units = pictureSize(drawing, options) * scale;
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setResolution(PictureResolution::Screen);
    svg.setSize(units.toSize());
    svg.setViewBox(QRectF(QPointF(0, 0), units));
    svg.setTitle(PictureTitle);
    QPainter painter;
    if (!painter.begin(&svg))
        return failure(file.fileName(),
                       QCoreApplication::translate("PictureExport", CannotStartDrawing));
    paintPicture(painter, picture, drawing, options, scale);
    painter.end();
    return std::nullopt;
}

ExportResult writePdf(QSaveFile& file, const PrimitiveList& picture, QSizeF drawing,
                      const PictureOptions& options)
{
    const QSizeF twips = pictureSize(drawing, options);
    QPdfWriter pdf(&file);
    pdf.setTitle(PictureTitle);
    pdf.setCreator(PictureTitle);
    pdf.setResolution(PdfResolution);
    // One page exactly the picture's size, without margins.
    const QPageSize page(twips / TwipsPerPoint, QPageSize::Point, PictureTitle,
                         QPageSize::ExactMatch);
    if (!pdf.setPageLayout(QPageLayout(page, QPageLayout::Portrait, QMarginsF())))
        return failure(file.fileName(), QCoreApplication::translate(
                                            "PictureExport", "the page could not be set up"));
    QPainter painter;
    if (!painter.begin(&pdf))
        return failure(file.fileName(),
                       QCoreApplication::translate("PictureExport", CannotStartDrawing));
    paintPicture(painter, picture, drawing, options, pdf.resolution() / TwipsPerInch);
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
    return failure(file.fileName(),
                   QCoreApplication::translate("PictureExport", "the picture format is not known"));
}

// What can be known to fail before any file is touched.
ExportResult checkRequest(const QString& path, QSizeF drawing, const PictureOptions& options)
{
    if (path.isEmpty())
        return failure(path,
                       QCoreApplication::translate("PictureExport", "no file name was given"));
    if (!(drawing.width() > 0 && drawing.height() > 0))
        return failure(path, QCoreApplication::translate("PictureExport",
                                                         "the sociogram has no area to draw"));
    if (options.format == PictureFormat::Png &&
        (options.dpi < PictureResolution::Minimum || options.dpi > PictureResolution::Maximum))
        return failure(
            path, QCoreApplication::translate("PictureExport",
                                              "the resolution must be from %1 to %2 dots per inch")
                      .arg(PictureResolution::Minimum)
                      .arg(PictureResolution::Maximum));
    return std::nullopt;
}

} // namespace

QString ExportFailure::sentence() const
{
    return QCoreApplication::translate(
               "PictureExport", "The sociogram picture could not be saved as \"%1\" because %2.")
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

TitleAndKey PictureOptions::titleAndKey() const
{
    TitleAndKey around;
    if (includeTitle)
        around.title = titleLines;
    if (includeKey)
        around.key = key;
    return around;
}

QSizeF pictureSize(QSizeF drawing, const PictureOptions& options)
{
    return framedSize(drawing, options.titleAndKey());
}

void paintPicture(QPainter& painter, const PrimitiveList& picture, QSizeF drawing,
                  const PictureOptions& options, qreal scale)
{
    const QRectF whole = scaled(QRectF(QPointF(0, 0), pictureSize(drawing, options)), scale);
    painter.save();
    painter.fillRect(whole, Qt::white);
    painter.setFont(sociogramLabelFont());
    // A label dragged past the window's edge is cut off there, as on screen.
    painter.setClipRect(whole);
    paintPrimitives(painter, picture, scale);
    painter.restore();
}

void paintPictureOnPage(QPainter& painter, const QPaintDevice& device, const PrimitiveList& picture,
                        QSizeF drawing, const PictureOptions& options)
{
    // As the designed page does: twips kept square, the top-left corner of the
    // printable area, the largest scale at which the whole picture fits.
    const qreal perTwipX = device.logicalDpiX() / TwipsPerInch;
    const qreal perTwipY = device.logicalDpiY() / TwipsPerInch;
    const QSizeF twips = pictureSize(drawing, options);
    const qreal fit = std::min(device.width() / perTwipX / twips.width(),
                               device.height() / perTwipY / twips.height());
    if (!(fit > 0))
        return;
    // Scaled by the painter, not by the twips: the captions and the title shrink or
    // grow with the picture and stay where they belong on any page.
    painter.save();
    painter.scale(fit, fit * perTwipY / perTwipX);
    paintPicture(painter, picture, drawing, options, perTwipX);
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
                       QCoreApplication::translate("PictureExport", "writing the file failed (%1)")
                           .arg(file.errorString()));
    return std::nullopt;
}
