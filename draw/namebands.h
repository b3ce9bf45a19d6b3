#pragma once
// Where the pupils' names go: each in a band of its own under its label, or above or beside
// it where below is taken, as wide as the whole name or as the room its neighbours leave, or
// turned upright, hanging down from it or standing over it, where labels side by side leave
// no side that holds the whole name. No band meets another band or another label, so a name
// never runs into a neighbour's name or number, and none starts as near another label as its
// own; a name with no room worth showing is left out (the window's tooltip still gives it).
// The window, the print and every export place names this way. Values in, bands and
// primitives out.

#include "primitives.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

struct NameSpot {
    QRectF label;    // the label's square, in twips
    QString name;    // the whole name
    qreal width = 0; // what the whole name needs across, in twips
    qreal reach = 0; // how far the label's status mark reaches out of its square, twips
};

// The band of each spot, in the same order, inside the W x H area, clear of every status
// mark; an empty rectangle where the name has no room. `inward`: the labels stand on a frame
// whose outside carries lines (the Circle and the Square), so each name goes on the side
// facing the middle of the area first.
std::vector<QRectF> nameBands(const std::vector<NameSpot>& spots, QSizeF area, bool inward = false);

// What `name` needs across, in twips, in the type names are drawn in beside labels of the
// sociogram's label font.
qreal nameWidth(const QString& name);

// One Name primitive per spot that has room, holding the whole name: the painter cuts it to
// its band with an ellipsis.
PrimitiveList placedNames(const std::vector<NameSpot>& spots, QSizeF area, bool inward = false);
