#pragma once
// Pictures a test paints or reads back.

#include <QColor>
#include <QImage>

// Whether a picture has a pixel within `tolerance` (summed over red, green and blue) of `colour`.
inline bool hasColour(const QImage& image, const QColor& colour, int tolerance = 0)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) +
                    qAbs(c.blue() - colour.blue()) <=
                tolerance)
                return true;
        }
    return false;
}
