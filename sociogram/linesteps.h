#pragma once
// The drawing steps of the sociogram: they read the choices (the grid of the
// criterion in view, then for a Both study the other criterion's stored answers), the
// label positions and the layout in force, and hand them to draw/.

#include "errorreport.h"
#include "linedraw.h"
#include "picturebuild.h"
#include "pictureexport.h"
#include "subjectnames.h"
#include "tiechange.h"

#include <QSizeF>
#include <QStringList>
#include <functional>
#include <optional>

class ChoiceGrid;
class LabelSet;
class QPaintDevice;

// How the window is asked to draw the choices: as designed, or with kinds told apart
// ("&Colour Choices"); with or without the other criterion of a Both study.
struct LineStyle {
    bool colour = false;
    bool otherCriterion = true;
    bool routed = false;   // "Lines &Round Labels"
    bool arranged = false; // the labels stand where Tidy, a drag or a saved arrangement put them
};

// Where the picture's lines come from: the grid's choices (with the other criterion's stored
// answers when the style shows it), or the ties of two surveys while they are shown.
struct PictureSource {
    ChoiceGrid* grid = nullptr;
    const TieChanges* ties = nullptr; // in place of the grid when given
    const LabelSet* labels = nullptr;
    QSizeF labelSize;
    QSizeF area; // the drawing area, twips
    LineStyle style;
    std::vector<Layout::RingRadius> moved; // the rings or frame the last Tidy widened
};

// The values the picture is built from (picturebuild.h): the choices or ties drawn, read
// as LineDraw reads them, Global::LabelPos, Global::SociogramType and Global::MaxReceived.
// Reads the grid (moving its current cell: it is left on the last cell visited) and the
// stored answers when Global::CriterionType is Both and the style shows the other
// criterion. A choice or tie that cannot be drawn (a subject number outside 0 to 40, say)
// is reported to `trap` and left out, and so is a guide whose rings cannot be counted.
PictureValues readPicture(Trap& trap, const PictureSource& source);
// The lines, markers and guide of what readPicture reads, failures reported under
// "DataForm:LineDraw". W x H is the drawing area in twips.
PrimitiveList drawChoiceLines(ChoiceGrid& grid, QSizeF labelSize, qreal W, qreal H,
                              const LineStyle& style = {}, const LabelSet* labels = nullptr,
                              const std::vector<Layout::RingRadius>& moved = {});
PrimitiveList drawChangeLines(const TieChanges& ties, QSizeF labelSize, qreal W, qreal H,
                              const LineStyle& style,
                              const std::vector<Layout::RingRadius>& moved = {});

// Hands every choice to `use` in drawing order: the grid row by row and column by
// column, then the other criterion's stored answers. A text that is no subject number
// is reported to `trap` and passed over; so is a choice `use` refuses.
void forEachChoice(Trap& trap, ChoiceGrid& grid,
                   const std::function<std::optional<Failure>(const Choice&)>& use,
                   bool otherCriterion = true);
// One label primitive per existing label from 1 to count, the side that of label 1.
// With `groups` (group from 0 of subject i at i), each label takes its group's colour.
PrimitiveList labelPrimitives(const LabelSet& labels, int count, const QList<int>& groups = {});

// The name of each existing label from 1 to count, beside it where its neighbours leave room
// (placedNames) in the W x H area; a subject without a name has none. The window, the print and the
// export add names this way. Each name keeps clear of the status marks, which reach `markReach`
// out of their squares (by subject number, entry 0 unused) and, with `inward`, goes on the side
// of its label facing the middle of the area first.
PrimitiveList namePrimitives(const LabelSet& labels, int count, const SubjectNames& names,
                             QSizeF area, const std::vector<qreal>& markReach = {},
                             bool inward = false);
// The names of the picture: clear of its status marks as drawn, and with the lines round labels
// on the Circle and the Square inside the frame, as its outside carries lines.
PrimitiveList namePrimitives(const PictureValues& values, const std::vector<qreal>& markReach);

// Prints `page`, the whole picture in twips of the W x H window, onto any paint device (a
// printer, a PDF writer, an image), with the title and the key when `options` ask for them,
// fitted on the page's printable area. Failures go to the error report under
// "DataForm:SocioPrint". False when nothing could be printed.
bool SocioPrint(QPaintDevice& device, const PrimitiveList& page, qreal W, qreal H,
                const PictureOptions& options = {});
