#pragma once
// Pieces of start-up and window placement that need no window.

#include <QPointF>
#include <QSizeF>
#include <QString>

// The program directory with exactly one trailing separator ("/" stays "/").
QString appPathFrom(const QString& directory);

// Where CenterForm puts a window's top-left corner, in twips, computed in single
// precision and not rounded; a window larger than the screen gets a negative value.
QPointF centeredTopLeft(QSizeF screenTwips, QSizeF windowTwips);
