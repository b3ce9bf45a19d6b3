#pragma once
#include <QIcon>
#include <QImage>

// The program's icon: a small sociogram, 32 x 32 pixels in the 16-colour palette.
QImage programIconImage();
QIcon programIcon();
