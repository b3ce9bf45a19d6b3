#pragma once
// Small helpers of the drawing tests: a study grid, label positions and pixel probes
// addressed in twips.

#include "choicegrid.h"
#include "globals.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QStringList>
#include <cmath>
#include <functional>
#include <vector>

namespace DrawTest {

constexpr double DrawW = 6915;
constexpr double DrawH = 6630;
constexpr double TwipsPerPixel = 15;
constexpr double LabelSide = 360;

// Subject s + 1 in row s + 2; each list holds one subject's choices.
inline void fillGrid(ChoiceGrid& grid, int subjects, int slots,
                     const std::vector<QStringList>& choices = {})
{
    grid.setShape(0, 0);
    grid.setShape(subjects + 2, slots + 1);
    for (int s = 1; s <= subjects; ++s) {
        grid.setTextMatrix(s + 1, 0, QString::number(s));
        if (s - 1 < int(choices.size()))
            for (int c = 0; c < choices[s - 1].size(); ++c)
                grid.setTextMatrix(s + 1, c + 1, choices[s - 1][c]);
    }
}

inline void placeLabel(int subject, int left, int top)
{
    Global::LabelPos[subject] = {Global::Integer(left), Global::Integer(top)};
}

inline QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(3780); // 96 DPI
    image.setDotsPerMeterY(3780);
    image.fill(Qt::white);
    return image;
}

inline bool isGreen(const QColor& c)
{
    return c == QColor(0, 128, 0);
}
inline bool isRed(const QColor& c)
{
    return c.red() > 200 && c.green() < 60 && c.blue() < 60;
}
inline bool isBlack(const QColor& c)
{
    return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}
inline bool isWhite(const QColor& c)
{
    return c.red() > 200 && c.green() > 200 && c.blue() > 200;
}

// Whether any pixel within `reach` pixels of the twips point (at `scale` pixels per
// twip) satisfies the test.
inline bool near(const QImage& image, QPointF twips, double scale,
                 const std::function<bool(const QColor&)>& test, int reach = 1)
{
    const int x = int(std::floor(twips.x() * scale));
    const int y = int(std::floor(twips.y() * scale));
    for (int dy = -reach; dy <= reach; ++dy)
        for (int dx = -reach; dx <= reach; ++dx)
            if (image.valid(x + dx, y + dy) && test(image.pixelColor(x + dx, y + dy)))
                return true;
    return false;
}

inline int countPixels(const QImage& image, const std::function<bool(const QColor&)>& test)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += test(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

} // namespace DrawTest
