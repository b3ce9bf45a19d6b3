#pragma once
// The sociogram picture as a file: a PNG image at a chosen resolution, an SVG
// drawing or a one-page PDF document. Every format paints the same primitive list
// that the window and the printed page paint, so the file shows what the window
// shows; the key to the markers may stand beside it.

#include "keydrawing.h"
#include "primitives.h"

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
    bool colourKey = false;            // the key drawn as "Colour Choices" draws the choices
    int keyGroups = 0;                 // groups coloured on the labels, listed under the key
    std::vector<StatusMark> keyStatus; // status marks on the labels, listed in the key
    QString keyChanges;      // the survey the ties drawn are compared with; empty: no changes
    bool keyNegative = true; // a negative choice is drawn, and the key lists it
    QStringList titleLines;  // the first line in bold
};

// The title as drawn: each line of titleLines wrapped into lines no wider than
// `width` twips, never cut; the lines of the first one bold.
struct TitleLine {
    QString text;
    bool bold = false;
};
std::vector<TitleLine> wrappedTitle(const QStringList& lines, qreal width);
// The width of a title line in twips, as wrappedTitle measures it.
qreal titleLineWidth(const TitleLine& line);

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
// under it, and the key to its right.
QSizeF pictureSize(QSizeF drawing, const PictureOptions& options);
// Paints the picture on a white background at scale device units per twip: the
// title, the primitives with the labels' font, then the key when asked for.
void paintPicture(QPainter& painter, const PrimitiveList& picture, QSizeF drawing,
                  const PictureOptions& options, qreal scale);

// Paints the picture, title and key included, as large as it fits on the printable
// area of `device`, from its top-left corner.
void paintPictureOnPage(QPainter& painter, const QPaintDevice& device, const PrimitiveList& picture,
                        QSizeF drawing, const PictureOptions& options);

// Writes the picture of a drawing area of `drawing` twips to path. The file is
// replaced only once the whole picture has been written; on failure any earlier
// file of that name is left as it was.
ExportResult exportPicture(const QString& path, const PrimitiveList& picture, QSizeF drawing,
                           const PictureOptions& options);
