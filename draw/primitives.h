#pragma once
// What the sociogram drawing is made of, as plain data in twips: the window, the
// printed page and any export paint the same list, each at its own scale.

#include <QColor>
#include <QPointF>
#include <QString>
#include <vector>

struct Primitive {
    enum class Kind {
        Line,
        Path,
        Disc,
        SquareOutline,
        Circle,
        Rectangle,
        Label,
        Name,
        Text,  // a caption of the title or the key
        Frame, // a frame of the key, its caption breaking its top border
        Clip   // what follows is cut to p1..p2; an empty rectangle cuts no more
    };
    Kind kind = Kind::Line;
    // Line: its two ends. Path: a line drawn round labels, through `points` (p1 the first,
    // p2 the last). Disc and Circle: p1 is the centre.
    // SquareOutline, Rectangle, Label, Name, Text, Frame and Clip: p1 top-left, p2
    // bottom-right.
    QPointF p1, p2;
    qreal radius = 0; // Disc, Circle
    QColor pen;       // outline colour
    QColor fill;      // an invalid colour leaves the shape unfilled
    // Label caption, centred on the square; Name: the name, centred; Text: the text, in
    // the pen's colour; Frame: the caption, in the fill's colour, the border in the pen's.
    QString text;
    qreal width = 0; // outline width in twips; 0 is one device pixel at any scale
    bool dashed = false;
    std::vector<QPointF> points; // Path
    // Text and Frame: the labels' type at `typeSize` points (bold for a Text when `bold`),
    // made smaller where a longer language would run past its room (a Text when `fit`,
    // a Frame's caption always). Text: placed in its box by `flags` (Qt::AlignmentFlag
    // and Qt::TextFlag).
    qreal typeSize = 0;
    bool bold = false;
    bool fit = false;
    int flags = 0;
    // Name: how the name is turned in its band, starting at the end nearest its label.
    enum class Turn { Level, ReadingDown, ReadingUp };
    Turn turn = Turn::Level;
    friend bool operator==(const Primitive&, const Primitive&) = default;
};

using PrimitiveList = std::vector<Primitive>;

namespace DrawColour {
inline const QColor Line = QColor(0, 0, 0);
inline const QColor Marker = QColor(0, 0, 0);
inline const QColor Guide = QColor(0, 128, 0);
inline const QColor LabelBack = QColor(255, 0, 0);
inline const QColor LabelOutline = QColor(0, 0, 0);
// "Colour Choices": rejections. Dark blue, not red: a red line ran into the red labels
// and was lost there; in greyscale it is near black, well apart from the labels' grey,
// and its dashes tell it from a positive line.
inline const QColor Negative = QColor(0, 0, 160);
} // namespace DrawColour

namespace DrawSize {
constexpr qreal DiscRadius = 50;      // positive-choice marker
constexpr qreal SquareHalfSide = 70;  // negative-choice marker
constexpr qreal MutualLineWidth = 40; // "Colour Choices": a mutual positive pair
constexpr qreal ColourLineWidth = 15; // "Colour Choices": one pixel at the designed size
constexpr qreal MarkerClearance = 20; // a moved marker's gap to the label it left
// A name beside its label: a band of the small type's height, just clear of the square so
// it is read as belonging to it.
constexpr qreal NameGap = 15;
constexpr qreal NameHeight = 195;
// Longer names are cut with an ellipsis: the picture needs only enough to recognise the
// pupil, and a shorter band crosses fewer neighbours.
constexpr qreal NameWidth = 1200;
// Less room than this shows no more than an ellipsis: such a name is left out.
constexpr qreal NameMinWidth = 240;
} // namespace DrawSize
