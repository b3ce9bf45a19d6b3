#pragma once
#include "primitives.h"
#include "sociogramstate.h"

#include <QPixmap>
#include <QWidget>

// The drawing area: the choice lines and guide shape with the labels on top, painted
// from the state's primitives. Positions are twips of the design area; the canvas
// alone converts them to pixels.
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
    // The labels as they are painted, in painting order.
    PrimitiveList labelPrimitives() const;

    // The outline that follows the pointer while a label is dragged (twips).
    void setDragOutline(const QRectF& twips);
    void clearDragOutline();

    // The lines, the labels or their colours changed: the picture is drawn anew.
    void pictureChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void renderPicture(QPainter& painter) const;

    const SociogramState& state;
    QRectF outline;
    QPixmap picture; // the picture as last drawn, without the drag outline
    bool pictureValid = false;
};
