#pragma once
// The printed sociogram: one page holding what the window shows, scaled to fit.

#include <QtGlobal>

class ChoiceGrid;
class LabelSet;
class QPaintDevice;

// Prints onto any paint device (a printer, a PDF writer, an image): the grid's
// choices, the other criterion's, the guide shape unfilled, then one red label per
// subject of the grid at the labels' positions. W x H is the window's drawing area in
// twips; the page's printable area is taken from the device. The window's top-left
// goes to the page's top-left, proportions kept. Failures go to the error report
// under "DataForm:SocioPrint". False when nothing could be printed.
bool SocioPrint(QPaintDevice& device, ChoiceGrid& grid, const LabelSet& labels, qreal W, qreal H);

// The scale that fits a W x H window onto a page, both in twips; 0 when the window
// has no area.
qreal printScale(qreal pageWTwips, qreal pageHTwips, qreal W, qreal H);
