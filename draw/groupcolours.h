#pragma once
// Groups shown on the sociogram: each group's labels take the group's colour, and the
// key lists the colours under its markers.

#include <QColor>

// The colour of group g (from 0): light enough for a black caption, and neighbouring
// groups far apart in hue. Twenty groups (a class of forty in pairs) stay distinct.
QColor groupColour(int group);
