#include "groupcolours.h"

#include <cmath>

QColor groupColour(int group)
{
    // Hues a golden angle apart never bunch up however many groups there are; the
    // second ten are darker so that group 11 does not pass for group 1.
    constexpr double GoldenTurn = 0.381966;
    const double hue = std::fmod(0.08 + GoldenTurn * (group % 10), 1.0);
    return QColor::fromHsvF(float(hue), 0.45f, group < 10 ? 1.0f : 0.78f);
}
