#pragma once
// The title a printed or exported sociogram may carry: the study's name; its
// criterion with the kinds of choice drawn, and no other; the layout, the status
// method when the labels carry their status, and the date; when the ties of two surveys
// are drawn, a line naming the survey they are compared with.

#include "linesteps.h"
#include "sociometry.h"

#include <QDate>
#include <QStringList>

// `method`: the status method the marks follow, handed down by the window.
QStringList pictureTitle(const LineStyle& style, bool statusDrawn, StatusMethod method, QDate date,
                         const QString& comparedWith = {});

// "Circle", "Random", "Square" or "Target": the layout in force.
QString layoutName();
