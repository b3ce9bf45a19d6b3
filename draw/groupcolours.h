#pragma once
// Groups shown on the sociogram: each group's labels take the group's colour and carry the
// group's number, and the key lists the colours under its markers.

#include <QColor>
#include <QCoreApplication>
#include <QString>

// The colour of group g (from 0): light enough for a black caption, told apart by
// colour-blind readers.
QColor groupColour(int group);
// A label's caption with the number of its group g (from 0) under it, so that a greyscale
// copy tells the groups apart too.
QString groupCaption(const QString& caption, int group);
