#pragma once
// The sociogram picture as a file: a PNG image at a chosen resolution, an SVG
// drawing or a one-page PDF document. Every format paints the same primitive list
// that the window and the printed page paint, so the file shows what the window
// shows, title and key included when they are items of the list.

#include "primitives.h"
#include "titlekey.h"

#include <QSizeF>
#include <QString>
#include <QStringList>
#include <optional>

class QPainter;
class QPaintDevice;

enum class PictureFormat { Png, Svg, Pdf };

namespace PictureResolution {
constexpr int Minimum = 30;  // below this the labels' captions are unreadable
constexpr int Maximum = 600; // the picture with the key stays under 4000 pixels a side
constexpr int Default = 150;
constexpr int Screen = 96; // the window's own resolution: 15 twips per pixel
} // namespace PictureResolution

struct PictureOptions {
    PictureFormat format = PictureFormat::Png;
    int dpi = PictureResolution::Default; // PNG only; SVG and PDF are drawn as vectors
    bool includeKey = false;
    bool includeTitle = false; // titleLines above the drawing
    // Whether the groups and the status shown on the window's labels are drawn; a
    // print starts without them, an export with them.
    bool groupColours = false;
    bool statusMarks = false;
    // The pupils' names beside the numbers; off unless asked for at each export or print,
    // so that a shared picture shows no name by default.
    bool withNames = false;

    // What the window fills in once the choices above are made.
    KeyEntries key;         // what the key lists
    QStringList titleLines; // the first line in bold

    // The title and the key as asked for.
    TitleAndKey titleAndKey() const;
};

// Why a picture was not written, with the file it was meant for.
struct ExportFailure {
    QString file;
    QString reason; // a clause such as "the folder does not exist"
    // One sentence for the user, naming the file.
    QString sentence() const;
};

using ExportResult = std::optional<ExportFailure>; // nullopt: the file was written

// The file name ending of a format, without the dot: "png", "svg" or "pdf".
QString pictureSuffix(PictureFormat format);
// The path with the format's ending added when it has none (of any letter case).
QString withPictureSuffix(const QString& path, PictureFormat format);

// The size of the picture in twips: the title band when asked for, the drawing area
// under it, and the key to its right (framedSize).
QSizeF pictureSize(QSizeF drawing, const PictureOptions& options);
// Paints the picture (built with the options' title and key) on a white background at
// scale device units per twip, with the labels' font.
void paintPicture(QPainter& painter, const PrimitiveList& picture, QSizeF drawing,
                  const PictureOptions& options, qreal scale);

// Paints the picture as large as it fits on the printable area of `device`, from its
// top-left corner.
void paintPictureOnPage(QPainter& painter, const QPaintDevice& device, const PrimitiveList& picture,
                        QSizeF drawing, const PictureOptions& options);

// Writes the picture of a drawing area of `drawing` twips to path. The file is
// replaced only once the whole picture has been written; on failure any earlier
// file of that name is left as it was.
ExportResult exportPicture(const QString& path, const PrimitiveList& picture, QSizeF drawing,
                           const PictureOptions& options);
