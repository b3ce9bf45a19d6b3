#pragma once
#include "primitives.h"
#include "sociogramstate.h"

#include <QPixmap>
#include <QWidget>

// The drawing area: the choice lines and guide shape with the labels on top, painted
// from the state's primitives. Positions are twips of the design area; the canvas
// alone converts them to pixels. A label is dragged here: the canvas draws the
// outline that follows the pointer and tells what the user did with the label.
class SocioCanvas : public QWidget {
    Q_OBJECT
public:
    SocioCanvas(QWidget* parent, const SociogramState& state);

    // The picture keeps its proportions and is scaled to fit the canvas, centred:
    // `zoom` is its size against the designed size, `scale` device pixels per twip.
    qreal zoom() const;
    qreal scale() const;
    QPointF pictureOrigin() const;
    // A point of the canvas as a pixel of the picture at its designed size. Positions
    // are worked out from these, so that a drop stores the same numbers at any size.
    QPoint designPixel(QPointF pixels) const;
    bool insidePicture(QPoint designPixel) const;
    // The label shown topmost at a point (twips), or 0 for the background.
    int labelAt(QPointF twips) const;
    // Label i's square in design pixels, and in the canvas' pixels; empty when it is
    // not shown.
    QRect labelDesignRect(int i) const;
    QRect labelRect(int i) const;
    // The whole picture as it is painted, in painting order, built once per change.
    const PrimitiveList& picture() const;

    // The lines, the labels or their colours changed: the picture is drawn anew.
    void pictureChanged();

Q_SIGNALS:
    // The mouse went down on label `subject`, `grab` twips inside it.
    void labelGrabbed(int subject, QPointF grab);
    // The label grabbed was let go on the picture's background at `at` (twips). A drop
    // on a label or outside the picture has nowhere to go and is not told.
    void labelDropped(int subject, QPointF at);

protected:
    // The tooltip of a label or a name gives the whole name, however much of it is drawn.
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void renderPicture(QPainter& painter) const;
    QPointF designTwips(QPointF pixels) const;

    const SociogramState& state;
    int dragged = 0; // the label held, 0 for none
    QPointF grab;    // where it is held, twips inside it
    QRectF outline;  // the outline that follows the pointer (twips)
    QPixmap painted; // the picture as last drawn, without the drag outline
    bool pictureValid = false;
    mutable PrimitiveList shown; // what `picture` is painted from
    mutable bool listValid = false;
};
