#include "changedraw.h"

#include <QLineF>
#include <array>
#include <vector>

namespace {

// How far a tie runs beside its reverse: clear of it even when both are drawn thick.
constexpr qreal BesideGap = 40;

// Which changes each ordered pair of subjects has, one bit a change: a class of forty
// with ten choices each way brings over a thousand ties, too many to pair by search.
class PairChanges {
public:
    explicit PairChanges(const TieChanges& ties) : bits(Side * Side, 0)
    {
        for (const ChangedTie& tie : ties)
            if (const int at = index(tie.choice.chooser, tie.choice.chosen); at >= 0)
                bits[std::size_t(at)] |= bit(tie.change);
    }
    // The reverse of `tie` is drawn too, in another look.
    bool reversedOtherwise(const ChangedTie& tie) const
    {
        const int at = index(tie.choice.chosen, tie.choice.chooser);
        return at >= 0 && (bits[std::size_t(at)] & ~bit(tie.change)) != 0;
    }

private:
    static constexpr int Side = Codes::MaxSubjects + 1;
    static unsigned char bit(TieChange change)
    {
        return static_cast<unsigned char>(1u << int(change));
    }
    static int index(int chooser, int chosen)
    {
        const bool inside = chooser >= 0 && chooser < Side && chosen >= 0 && chosen < Side;
        return inside ? chooser * Side + chosen : -1;
    }
    std::vector<unsigned char> bits;
};

// To the chooser's right as it looks at the chosen: the reverse goes to the other side.
QPointF besideShift(const Primitive& line)
{
    const QLineF normal = QLineF(line.p1, line.p2).normalVector().unitVector();
    return -(normal.p2() - normal.p1()) * BesideGap;
}

} // namespace

LineLook changeLook(TieChange change)
{
    // Kept ties are the class's steady frame: thin and light, so that the changes stand out.
    // New ties are what a teacher looks for first: the thickest, in a deep blue. Gone ties
    // are broken, as a line no longer there, in vermillion, which every common colour
    // blindness still tells from the blue. On a greyscale copy the three are light, middle
    // and dark as well as thin, broken and thick.
    switch (change) {
    case TieChange::Kept:
        return {QColor(0x99, 0x99, 0x99), DrawSize::ColourLineWidth, false};
    case TieChange::New:
        return {QColor(0x00, 0x4C, 0x8C), 35, false};
    case TieChange::Gone:
        return {QColor(0xD5, 0x5E, 0x00), 25, true};
    }
    return {};
}

Primitive changeSample(TieChange change, QPointF from, QPointF to)
{
    return choiceLine(from, to, {}, changeLook(change));
}

ChangePicture changedTiePrimitives(const TieChanges& ties, const PositionTable& positions,
                                   QSizeF labelSize, const Layout::LineRoutes* routes)
{
    ChangePicture picture;
    PrimitiveList markers;
    const PairChanges pairs(ties);
    constexpr std::array<TieChange, 3> order = {TieChange::Kept, TieChange::Gone, TieChange::New};
    for (TieChange change : order)
        for (const ChangedTie& tie : ties) {
            if (tie.change != change)
                continue;
            PrimitiveList drawn;
            if (!appendChoice(drawn, tie.choice, positions, labelSize, routes)) {
                ++picture.refused;
                continue;
            }
            const QPointF shift =
                pairs.reversedOtherwise(tie) ? besideShift(drawn[0]) : QPointF(0, 0);
            Primitive line = changeSample(change, drawn[0].p1 + shift, drawn[0].p2 + shift);
            line.kind = drawn[0].kind;
            for (const QPointF& point : drawn[0].points)
                line.points.push_back(point + shift);
            picture.shapes.push_back(line);
            Primitive marker = drawn[1];
            marker.p1 += shift;
            marker.p2 += shift;
            markers.push_back(marker);
        }
    picture.shapes.insert(picture.shapes.end(), markers.begin(), markers.end());
    return picture;
}
