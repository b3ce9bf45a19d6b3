#include "keyform.h"

#include "keydrawing.h"
#include "programicon.h"
#include "windows.h"

#include <QCloseEvent>
#include <QPainter>

KeyForm::KeyForm()
{
    setWindowTitle(QStringLiteral("Sociogram Key"));
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
    paintKey(p, QPointF(0, 0), 1.0 / Twips::perPixel(), colour);
}

void KeyForm::setColour(bool on)
{
    colour = on;
    update();
}

void KeyForm::closeEvent(QCloseEvent* event)
{
    // The close box unloads the key; the sociogram window places a new one afresh.
    event->accept();
    SingleInstance<KeyForm>::unload();
}
