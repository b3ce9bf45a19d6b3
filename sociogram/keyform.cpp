#include "keyform.h"

#include "keydrawing.h"
#include "programicon.h"
#include "windows.h"

#include <QCloseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>

KeyForm::KeyForm()
{
    setWindowTitle(tr("Sociogram Key"));
    setWindowIcon(programIcon());
    setWindowFlags(fixedWindowFlags());
    const QSizeF twips = keySize();
    makeFixedWindow(this, this, qRound(twips.width()), qRound(twips.height()));
}

void KeyForm::paintEvent(QPaintEvent*)
{
    // The same key the picture export and the print draw, on the same white.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    paintKey(p, QPointF(0, 0), 1.0 / Twips::perPixel(), colour, groups, status, changesSince,
             negative);
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
    colour = on;
    update();
}

void KeyForm::setGroups(int count)
{
    if (count == groups)
        return;
    groups = count;
    fitContents();
}

void KeyForm::setStatus(const std::vector<StatusMark>& marks)
{
    if (marks == status)
        return;
    status = marks;
    fitContents();
}

void KeyForm::setChanges(const QString& comparedWith)
{
    if (comparedWith == changesSince)
        return;
    changesSince = comparedWith;
    fitContents();
}

void KeyForm::setNegative(bool drawn)
{
    if (drawn == negative)
        return;
    negative = drawn;
    fitContents();
}

void KeyForm::fitContents()
{
    const QSizeF twips = keySize(groups, int(status.size()), !changesSince.isEmpty(), negative);
    setFixedSize(Twips::toPixels(int(twips.width())), Twips::toPixels(int(twips.height())));
    update();
}

void KeyForm::closeEvent(QCloseEvent* event)
{
    // The close box unloads the key; the sociogram window places a new one afresh.
    event->accept();
    SingleInstance<KeyForm>::unload();
}
