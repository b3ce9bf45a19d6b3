#pragma once
// Pictures a test paints or reads back.

#include <QImage>

// Whether a picture has a pixel within `tolerance` (summed over red, green and blue) of `colour`.
inline bool hasColour(const QImage& image, const QColor& colour, int tolerance = 0)
{
    const auto near = [&](QColor c) {
        return qAbs(c.red() - colour.red()) + qAbs(c.green() - colour.green()) +
                   qAbs(c.blue() - colour.blue()) <=
               tolerance;
    };
    for (int i = 0; i < image.width() * image.height(); ++i)
        if (near(image.pixelColor(i % image.width(), i / image.width())))
            return true;
    return false;
}
