#pragma once
// The title a printed or exported sociogram may carry: the study's name; its
// criterion with the kinds of choice drawn, and no other; the layout, the status
// method when the labels carry their status, and the date.

#include "linesteps.h"

#include <QDate>
#include <QStringList>

QStringList pictureTitle(const LineStyle& style, bool statusDrawn, QDate date);

// "Circle", "Random", "Square" or "Target": the layout in force.
QString layoutName();
