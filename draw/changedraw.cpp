#include "changedraw.h"

#include <QLineF>
#include <algorithm>
#include <array>

namespace {

// How far a tie runs beside its reverse: clear of it even when both are drawn thick.
constexpr qreal BesideGap = 40;

bool reversedOtherwise(const ChangedTie& tie, const TieChanges& ties)
{
    return std::any_of(ties.begin(), ties.end(), [&tie](const ChangedTie& other) {
        return other.choice.chooser == tie.choice.chosen &&
               other.choice.chosen == tie.choice.chooser && other.change != tie.change;
    });
}

// To the chooser's right as it looks at the chosen: the reverse goes to the other side.
QPointF besideShift(const Primitive& line)
{
    const QLineF normal = QLineF(line.p1, line.p2).normalVector().unitVector();
    return -(normal.p2() - normal.p1()) * BesideGap;
}

} // namespace

LineLook changeLook(TieChange change)
{
    // Kept ties are the class's steady frame: thin and quiet. New ties are what a teacher
    // looks for first: the thickest, in a blue that colour-blind readers see as blue.
    // Gone ties are dashed, as a line no longer there, in vermillion, which stays apart
    // from the blue for every common colour blindness; in greyscale the three are
    // dark, middle and light as well as thin, thick and broken.
    switch (change) {
    case TieChange::Kept:
        return {QColor(0x33, 0x33, 0x33), DrawSize::ColourLineWidth, false};
    case TieChange::New:
        return {QColor(0x00, 0x72, 0xB2), 3 * DrawSize::ColourLineWidth, false};
    case TieChange::Gone:
        return {QColor(0xD5, 0x5E, 0x00), 2 * DrawSize::ColourLineWidth, true};
    }
    return {};
}

Primitive changeSample(TieChange change, QPointF from, QPointF to)
{
    const LineLook look = changeLook(change);
    Primitive p;
    p.kind = Primitive::Kind::Line;
    p.p1 = from;
    p.p2 = to;
    p.pen = look.colour;
    p.width = look.width;
    p.dashed = look.dashed;
    return p;
}

ChangePicture changedTiePrimitives(const TieChanges& ties, const PositionTable& positions,
                                   QSizeF labelSize)
{
    ChangePicture picture;
    PrimitiveList markers;
    constexpr std::array<TieChange, 3> order = {TieChange::Kept, TieChange::Gone, TieChange::New};
    for (TieChange change : order)
        for (const ChangedTie& tie : ties) {
            if (tie.change != change)
                continue;
            PrimitiveList drawn;
            if (!appendChoice(drawn, tie.choice, positions, labelSize)) {
                ++picture.refused;
                continue;
            }
            const QPointF shift =
                reversedOtherwise(tie, ties) ? besideShift(drawn[0]) : QPointF(0, 0);
            Primitive line = changeSample(change, drawn[0].p1 + shift, drawn[0].p2 + shift);
            picture.shapes.push_back(line);
            Primitive marker = drawn[1];
            marker.p1 += shift;
            marker.p2 += shift;
            markers.push_back(marker);
        }
    picture.shapes.insert(picture.shapes.end(), markers.begin(), markers.end());
    return picture;
}
