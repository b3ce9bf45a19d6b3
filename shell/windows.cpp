#include "windows.h"

#include <QAbstractButton>

#include <QLabel>

#include <QMainWindow>

#include "startup.h"

#include <QFont>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QScreen>
#include <cmath>

namespace Twips {

namespace {
double dpi()
{
    if (const QScreen* s = QGuiApplication::primaryScreen())
        return s->logicalDotsPerInchX();
    return 96.0;
}
} // namespace

int toPixels(double twips)
{
    return static_cast<int>(std::lround(twips * dpi() / Codes::TwipsPerInch));
}
double fromPixels(double pixels)
{
    return pixels * Codes::TwipsPerInch / dpi();
}
double perPixel()
{
    return Codes::TwipsPerInch / dpi();
}

} // namespace Twips

void placeTwips(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
                   Twips::toPixels(height));
}

Qt::WindowFlags fixedWindowFlags()
{
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
}

void makeFixedWindow(QWidget* window, QWidget* clientArea, int widthTwips, int heightTwips)
{
    clientArea->setFixedSize(Twips::toPixels(widthTwips), Twips::toPixels(heightTwips));
    window->setWindowFlags(fixedWindowFlags());
    if (window->layout())
        window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    else if (window != clientArea)
        window->setFixedSize(window->sizeHint());
}

void CenterForm(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QSize outer = window->frameGeometry().size();
    const QSize screenSize = screen->geometry().size();
    const QPointF tw = centeredTopLeft(
        QSizeF(Twips::fromPixels(screenSize.width()), Twips::fromPixels(screenSize.height())),
        QSizeF(Twips::fromPixels(outer.width()), Twips::fromPixels(outer.height())));
    window->move(screen->geometry().topLeft() +
                 QPoint(Twips::toPixels(tw.x()), Twips::toPixels(tw.y())));
}

void SelectAllText(QLineEdit* box)
{
    box->setSelection(0, box->text().size());
}

namespace {

// Watches a window for its first paint, hands the work to the queue and goes.
class FirstFrame : public QObject {
public:
    FirstFrame(QWidget* window, std::function<void()> then) : QObject(window), work(std::move(then))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(watched, std::move(work), Qt::QueuedConnection);
            deleteLater();
        }
        return false;
    }

private:
    std::function<void()> work;
};

} // namespace

void afterFirstFrame(QWidget* window, std::function<void()> then)
{
    new FirstFrame(window, std::move(then));
}

namespace {

const char* const DesignedGeometry = "designedGeometry";

QWidget* clientOf(QWidget* window)
{
    if (auto* main = qobject_cast<QMainWindow*>(window))
        return main->centralWidget();
    return window;
}

// How much wider (first) and taller (second) a caption wants to be than it is.
std::pair<qreal, qreal> captionStretch(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        if (label->text().isEmpty() || !label->isVisibleTo(label->window()))
            return {1, 1};
        if (label->wordWrap())
            return {1, qreal(label->heightForWidth(label->width())) / std::max(1, label->height())};
        return {qreal(label->sizeHint().width()) / std::max(1, label->width()), 1};
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(w)) {
        const int text =
            button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&')) + 6;
        return {qreal(text) / std::max(1, button->width()), 1};
    }
    return {1, 1};
}

} // namespace

void fitFormToTexts(QWidget* window)
{
    QWidget* client = clientOf(window);
    if (!client)
        return;
    if (!client->property(DesignedGeometry).isValid())
        client->setProperty(DesignedGeometry, QRect(QPoint(), client->size()));
    const QList<QWidget*> children = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (!child->property(DesignedGeometry).isValid())
            child->setProperty(DesignedGeometry, child->geometry());
        child->setGeometry(child->property(DesignedGeometry).toRect());
    }
    qreal across = 1, down = 1;
    for (const QWidget* child : children) {
        const auto [x, y] = captionStretch(child);
        across = std::max(across, x);
        down = std::max(down, y);
    }
    const QSize designed = client->property(DesignedGeometry).toRect().size();
    const auto stretch = [across, down](QRect r) {
        return QRect(qRound(r.x() * across), qRound(r.y() * down), qRound(r.width() * across),
                     qRound(r.height() * down));
    };
    for (QWidget* child : children)
        child->setGeometry(stretch(child->property(DesignedGeometry).toRect()));
    client->setFixedSize(stretch(QRect(QPoint(), designed)).size());
    if (window != client)
        window->setFixedSize(window->sizeHint());
}
