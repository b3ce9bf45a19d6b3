#include "groupcolours.h"

#include <array>

QColor groupColour(int group)
{
    // Paul Tol's light scheme, made to be told apart by colour-blind readers and light
    // enough for a black caption, ordered so that neighbouring groups also differ in
    // lightness. A greyscale copy still confuses some of them: the label carries its group's
    // number as well (groupCaption). Past nine groups the colours come round again, darker.
    static const std::array<QColor, 9> palette = {
        QColor(0x77, 0xAA, 0xDD), QColor(0xEE, 0xDD, 0x88), QColor(0xEE, 0x88, 0x66),
        QColor(0x44, 0xBB, 0x99), QColor(0xFF, 0xAA, 0xBB), QColor(0xBB, 0xCC, 0x33),
        QColor(0x99, 0xDD, 0xFF), QColor(0xAA, 0xAA, 0x00), QColor(0xDD, 0xDD, 0xDD)};
    const int g = group < 0 ? 0 : group;
    const QColor colour = palette[std::size_t(g) % palette.size()];
    return g < int(palette.size()) ? colour : colour.darker(125);
}

QString groupCaption(const QString& caption, int group)
{
    // The group's number under the pupil's, marked so that it is not read as a pupil.
    return QStringLiteral("%1\n%2").arg(
        caption, QCoreApplication::translate("Groups", "G%1").arg(group + 1));
}
