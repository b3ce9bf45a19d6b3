#pragma once
// The class report: one A4 page for the meeting where the class is discussed, with
// the study's header, the sociogram as it stands with its key, the per-pupil table,
// the group figures and cliques, the groups and the changes since an earlier survey.
// Everything on it comes in as values: it computes nothing of the analysis itself.

#include "analysistable.h"
#include "pictureexport.h"
#include "primitives.h"

#include <QSizeF>
#include <QStringList>

class QPagedPaintDevice;

struct ReportPicture {
    PrimitiveList primitives; // the drawing with the labels on top
    QSizeF drawing;           // twips of the drawing area
    PictureOptions options;   // the key and the marks as the window shows them
};

struct ClassReport {
    QStringList header;       // the study's name first (bold), then a line each
    ReportPicture picture;    // empty primitives: no sociogram
    TextTable table;          // one row per pupil
    int shortenedColumn = -1; // the column (the names) that gives up room first, if any
    QStringList figures;      // "Name: value" lines beside the picture
    QStringList groups;       // one line per group; empty when none were made
    QStringList changes;      // the comparison with an earlier survey; empty when none
    QStringList notes;        // under the table: the method, its citation, its caveats
};

namespace ClassReportLook {
inline constexpr qreal SmallestPoints = 7; // nothing on the page is smaller
}

// Lays the report out on the device's pages (A4 expected) and paints it. The table
// goes on to a further page only where the page is full, and never cuts a row.
// The number of pages, or 0 when the device could not be painted on.
int paintClassReport(QPagedPaintDevice& device, const ClassReport& report);
