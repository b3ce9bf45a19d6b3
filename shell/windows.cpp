#include "windows.h"

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

QFont namedFont(const QString& family, double points, bool bold)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
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
