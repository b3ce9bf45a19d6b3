#pragma once
// The key to the sociogram's markers as primitives: the key window paints these items,
// and the whole picture (wholePicture) carries the same beside the drawing, so that
// screen, page and file cannot disagree.

#include "paint.h"
#include "primitives.h"
#include "statusmarks.h"

#include <QSizeF>
#include <QString>
#include <vector>

// What the key lists, as the picture it stands beside shows it.
struct KeyEntries {
    bool colour = false;        // the samples drawn as "Colour Choices" draws the choices
    int groups = 0;             // groups coloured on the labels
    std::vector<Status> status; // status marks on the labels
    QString changesSince;       // the survey the ties drawn are compared with; empty: none
    bool negative = true;       // a negative choice is drawn
    friend bool operator==(const KeyEntries&, const KeyEntries&) = default;
};

// The key: the window's legend of the markers, 2535 by 3735 twips, under it the three
// looks of the ties when two surveys are compared (`changes`), the legend of
// `statusMarks` status marks when the status is shown, and under that the legend of
// `groups` groups when groups are shown on the sociogram.
// Without `negative` the key lists no negative choice: none is drawn.
QSizeF keySize(int groups = 0, int statusMarks = 0, bool changes = false, bool negative = true);
QSizeF keySize(const KeyEntries& key);
// The key's sample lines and markers, with the key's top-left at origin (twips).
// With `colour`, the samples are drawn as "Colour Choices" draws the choices.
PrimitiveList keyPrimitives(QPointF origin, bool colour = false);
// The whole key with its top-left at origin (twips): frames with their red captions, the
// sample lines and markers with their captions, the ties' looks, the status marks listed
// and the groups in their colours, as `key` has them.
PrimitiveList keyItems(QPointF origin, const KeyEntries& key);
