#include "sociocanvas.h"

#include "classlist.h"
#include "codes.h"
#include "keydrawing.h"
#include "paint.h"
#include "picturebuild.h"
#include "windows.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <cmath>
#include <utility>

SocioCanvas::SocioCanvas(QWidget* parent, const SociogramState& state)
    : QWidget(parent), state(state)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
}

namespace {

QSizeF designPixels()
{
    return QSizeF(Codes::Geometry::DesignWidth, Codes::Geometry::DesignHeight) / Twips::perPixel();
}

} // namespace

qreal SocioCanvas::zoom() const
{
    const QSizeF design = designPixels();
    return std::min(width() / design.width(), height() / design.height());
}

qreal SocioCanvas::scale() const
{
    return zoom() / Twips::perPixel();
}

QPointF SocioCanvas::pictureOrigin() const
{
    const QSizeF shown = designPixels() * zoom();
    return QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2);
}

QPoint SocioCanvas::designPixel(QPointF pixels) const
{
    const QPointF p = (pixels - pictureOrigin()) / zoom();
    return QPoint(int(std::floor(p.x())), int(std::floor(p.y())));
}

bool SocioCanvas::insidePicture(QPoint designPixel) const
{
    const QSizeF design = designPixels();
    return designPixel.x() >= 0 && designPixel.y() >= 0 && designPixel.x() < design.width() &&
           designPixel.y() < design.height();
}

const PrimitiveList& SocioCanvas::picture() const
{
    if (!listValid) {
        PictureValues values = state.shownPicture();
        if (state.view().showNames())
            values.names = ClassList::instance().currentNames();
        shown = wholePicture(values);
        listValid = true;
    }
    return shown;
}

int SocioCanvas::labelAt(QPointF twips) const
{
    // Labels are painted in subject order, so the highest number is on top.
    for (int i = LabelSet::MaxIndex; i >= 1; --i) {
        const SubjectLabel* l = state.labels().get(i);
        if (l && l->Visible && QRectF(l->Left, l->Top, l->Width, l->Height).contains(twips))
            return i;
    }
    return 0;
}

QRect SocioCanvas::labelDesignRect(int i) const
{
    const SubjectLabel* l = state.labels().get(i);
    if (!l || !l->Visible)
        return {};
    const double per = Twips::perPixel();
    return QRect(qRound(l->Left / per), qRound(l->Top / per), qRound(l->Width / per),
                 qRound(l->Height / per));
}

QRect SocioCanvas::labelRect(int i) const
{
    const QRect design = labelDesignRect(i);
    if (design.isEmpty())
        return {};
    const QPointF o = pictureOrigin();
    const qreal z = zoom();
    return QRectF(o + QPointF(design.topLeft()) * z, QSizeF(design.size()) * z).toRect();
}

QPointF SocioCanvas::designTwips(QPointF pixels) const
{
    return QPointF(designPixel(pixels)) * Twips::perPixel();
}

bool SocioCanvas::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPointF twips = QPointF(designPixel(help->pos())) * Twips::perPixel();
    QString whole;
    if (state.view().showNames()) {
        if (const int subject = labelAt(twips)) {
            if (!ClassList::instance().nameOf(subject).isEmpty())
                whole = ClassList::instance().numberAndName(subject);
        } else {
            for (const Primitive& p : picture())
                if (p.kind == Primitive::Kind::Name && QRectF(p.p1, p.p2).contains(twips))
                    whole = p.text;
        }
    }
    if (whole.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), whole, this);
    return true;
}

void SocioCanvas::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = designPixel(event->position());
    const int subject = labelAt(QPointF(at) * Twips::perPixel());
    if (subject == 0)
        return QWidget::mousePressEvent(event);
    // The grab point is kept in the label's own coordinates, as the label shows it.
    grab = QPointF(at - labelDesignRect(subject).topLeft()) * Twips::perPixel();
    dragged = subject;
    Q_EMIT labelGrabbed(subject, grab);
}

void SocioCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (dragged == 0)
        return QWidget::mouseMoveEvent(event);
    const SubjectLabel& t = state.labels().Template();
    outline = QRectF(designTwips(event->position()) - grab, QSizeF(t.Width, t.Height));
    update(); // coalesced by Qt: at most one repaint per frame however fast the pointer moves
}

void SocioCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (dragged == 0)
        return QWidget::mouseReleaseEvent(event);
    const int subject = std::exchange(dragged, 0);
    outline = QRectF();
    update();
    const QPoint at = designPixel(event->position());
    const QPointF twips = QPointF(at) * Twips::perPixel();
    if (insidePicture(at) && labelAt(twips) == 0)
        Q_EMIT labelDropped(subject, twips);
}

void SocioCanvas::pictureChanged()
{
    pictureValid = listValid = false;
    update();
}

void SocioCanvas::renderPicture(QPainter& p) const
{
    p.translate(pictureOrigin());
    if (zoom() > 1)
        p.setRenderHint(QPainter::Antialiasing);
    QFont font = sociogramLabelFont();
    font.setPointSizeF(font.pointSizeF() * zoom());
    p.setFont(font);
    paintPrimitives(p, picture(), scale());
}

void SocioCanvas::paintEvent(QPaintEvent*)
{
    // The picture is drawn once per change and then copied: a drag repaints on every
    // pointer move, and a smoothed picture of a large class in a large window costs
    // about a frame to draw, but almost nothing to copy.
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (!pictureValid || painted.size() != pixels) {
        painted = QPixmap(pixels);
        painted.setDevicePixelRatio(ratio);
        painted.fill(palette().window().color());
        QPainter painter(&painted);
        renderPicture(painter);
        pictureValid = true;
    }
    QPainter p(this);
    p.drawPixmap(0, 0, painted);
    if (!outline.isNull()) {
        const qreal s = scale();
        p.translate(pictureOrigin());
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(outline.topLeft() * s, outline.size() * s));
    }
}
