#include "keyform.h"

#include "paint.h"
#include "programicon.h"
#include "windows.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

namespace {

QString keyTitle()
{
    return KeyForm::tr("Sociogram Key");
}

} // namespace

KeyForm::KeyForm()
{
    setWindowTitle(keyTitle());
    setWindowIcon(programIcon());
    setWindowFlags(fixedWindowFlags());
    const QSizeF twips = keySize();
    makeFixedWindow(this, this, qRound(twips.width()), qRound(twips.height()));
}

void KeyForm::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange)
        setWindowTitle(keyTitle());
    QWidget::changeEvent(event);
}

void KeyForm::paintEvent(QPaintEvent*)
{
    // The same items the picture export and the print draw, on the same white.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    paintPrimitives(p, keyItems(QPointF(0, 0), shown), 1.0 / Twips::perPixel());
}

void KeyForm::showFirstBeside(const QWidget& window)
{
    const bool place = Tag.isEmpty();
    show();
    if (place) {
        placeBeside(window);
        Tag = QStringLiteral("User");
    }
}

void KeyForm::placeBeside(const QWidget& window)
{
    // A window has its outer frame only once it is shown: the key is placed after.
    const QRect outer = window.frameGeometry();
    const QSize size = frameGeometry().size();
    const QRect free = window.screen()->availableGeometry();
    int x = outer.left() - size.width();
    if (x < free.left())
        x = outer.right() + 1;
    x = std::clamp(x, free.left(), std::max(free.left(), free.right() + 1 - size.width()));
    const int y = std::clamp(outer.top(), free.top(),
                             std::max(free.top(), free.bottom() + 1 - size.height()));
    move(x, y);
}

void KeyForm::setColour(bool on)
{
    shown.colour = on;
    update();
}

void KeyForm::setGroups(int count)
{
    if (count == shown.groups)
        return;
    shown.groups = count;
    fitContents();
}

void KeyForm::setStatus(const std::vector<Status>& marks)
{
    if (marks == shown.status)
        return;
    shown.status = marks;
    fitContents();
}

void KeyForm::setChanges(const QString& comparedWith)
{
    if (comparedWith == shown.changesSince)
        return;
    shown.changesSince = comparedWith;
    fitContents();
}

void KeyForm::setNegative(bool drawn)
{
    if (drawn == shown.negative)
        return;
    shown.negative = drawn;
    fitContents();
}

void KeyForm::fitContents()
{
    const QSizeF twips = keySize(shown);
    setFixedSize(Twips::toPixels(int(twips.width())), Twips::toPixels(int(twips.height())));
    update();
}

void KeyForm::closeEvent(QCloseEvent* event)
{
    // The close box unloads the key; the sociogram window places a new one afresh.
    event->accept();
    SingleInstance<KeyForm>::unload();
}
