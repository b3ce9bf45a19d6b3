#pragma once
// The drawing steps of the sociogram: they read the choices (the grid of the
// criterion in view, then for a Both study the other criterion's stored answers), the
// label positions and the layout in force, and hand them to draw/.

#include "errorreport.h"
#include "linedraw.h"
#include "pictureexport.h"

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
};

// The lines and markers of every choice, then the guide shape, as LineDraw paints
// them. Reads Global::LabelPos, the grid (moving its current cell: it is left on the
// last cell visited), the stored answers when Global::CriterionType is Both and the
// style shows the other criterion, Global::SociogramType and Global::MaxReceived.
// W x H is the drawing area in twips. Failures go to the error report under
// "DataForm:LineDraw"; a choice that cannot be drawn (a subject number outside 0 to
// 40, say) is reported and left out.
// `moved` holds the Target rings the last Tidy widened.
PrimitiveList drawChoiceLines(ChoiceGrid& grid, QSizeF labelSize, qreal W, qreal H,
                              const LineStyle& style = {}, const LabelSet* labels = nullptr,
                              const std::vector<MovedRing>& moved = {});

// Hands every choice to `use` in drawing order: the grid row by row and column by
// column, then the other criterion's stored answers. A text that is no subject number
// is reported to `trap` and passed over; so is a choice `use` refuses.
void forEachChoice(Trap& trap, ChoiceGrid& grid,
                   const std::function<std::optional<Failure>(const Choice&)>& use,
                   bool otherCriterion = true);
// The lines and markers of every choice, for the window and the printed page; in
// colour the markers keep clear of `labels`.
PrimitiveList choicePrimitives(Trap& trap, ChoiceGrid& grid, QSizeF labelSize,
                               const LineStyle& style = {}, const LabelSet* labels = nullptr);
// The guide of the layout in force; a failure to count the rings is reported.
PrimitiveList guidePrimitives(Trap& trap, qreal W, qreal H, RingOrder order,
                              const std::vector<MovedRing>& moved = {});

// One label primitive per existing label from 1 to count, the side that of label 1.
// With `groups` (group from 0 of subject i at i), each label takes its group's colour.
PrimitiveList labelPrimitives(const LabelSet& labels, int count, const QList<int>& groups = {});

// The name of each existing label from 1 to count, under it: subject s's at names[s - 1]; a
// subject without a name has none. The window, the print and the export add names this way.
PrimitiveList namePrimitives(const LabelSet& labels, int count, const QStringList& names);

// What the user may add to the designed page; none of it by default.
struct PrintExtras {
    PictureOptions page;           // a title above and the key beside, all fitted on the page
    QList<int> groups;             // the group of each subject, by number, coloured on the labels
    std::vector<StatusMark> marks; // the status of each subject, by number, marked on the labels
    QStringList names;             // the class list's names, subject s at s - 1, under the labels
    std::vector<MovedRing> moved;  // the rings Tidy widened or the frame it grew, as on the window
};

// Prints onto any paint device (a printer, a PDF writer, an image): the grid's
// choices, the other criterion's, the guide shape unfilled, then one red label per
// subject of the grid at the labels' positions. W x H is the window's drawing area in
// twips; the page's printable area is taken from the device. Failures go to the error
// report under "DataForm:SocioPrint". False when nothing could be printed.
bool SocioPrint(QPaintDevice& device, ChoiceGrid& grid, const LabelSet& labels, qreal W, qreal H,
                const LineStyle& style = {}, const PrintExtras& extras = {});
