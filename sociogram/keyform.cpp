#include "keyform.h"

#include "programicon.h"
#include "windows.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>

namespace {

// A sample line of the key with its markers, drawn in the frame's own coordinates.
class Sample : public QWidget {
public:
    enum class Marker { Disc, Square };
    Sample(QWidget* frame, QLine lineTwips, Marker marker, std::initializer_list<QRect> shapesTwips)
        : QWidget(frame), line(lineTwips), marker(marker), shapes(shapesTwips)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(frame->rect());
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 0));
        auto px = [](int twips) { return Twips::toPixels(twips); };
        p.drawLine(px(line.x1()), px(line.y1()), px(line.x2()), px(line.y2()));
        for (const QRect& r : shapes) {
            const QRect box(px(r.left()), px(r.top()), px(r.width()), px(r.height()));
            if (marker == Marker::Disc) {
                p.setBrush(Qt::black);
                p.drawEllipse(box);
            } else {
                p.setBrush(Qt::NoBrush); // hollow: the sample line shows through
                p.drawRect(box);
            }
        }
    }

private:
    QLine line;
    Marker marker;
    std::vector<QRect> shapes;
};

QGroupBox* frame(QWidget* parent, const QString& caption, QRect twips)
{
    auto* box = new QGroupBox(caption, parent);
    box->setFont(namedFont(QStringLiteral("MS Sans Serif"), 12));
    box->setStyleSheet(
        QStringLiteral("QGroupBox { border: 1px solid gray; margin-top: 0.5em; }"
                       "QGroupBox::title { color: #ff0000; subcontrol-origin: margin;"
                       " left: 6px; padding: 0 2px; }"));
    placeTwips(box, twips.left(), twips.top(), twips.width(), twips.height());
    return box;
}

QLabel* caption(QWidget* frame, const QString& text, QRect twips, bool centred = false)
{
    auto* label = new QLabel(text, frame);
    label->setFont(namedFont(QStringLiteral("MS Sans Serif"), 8.25, true));
    label->setStyleSheet(QStringLiteral("color: black"));
    if (centred)
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    placeTwips(label, twips.left(), twips.top(), twips.width(), twips.height());
    // The face standing in for the designed bitmap font runs a little wider: a caption
    // grows to its text rather than lose its last letter.
    if (!centred && label->sizeHint().width() > label->width())
        label->resize(label->sizeHint().width(), label->height());
    return label;
}

} // namespace

KeyForm::KeyForm()
{
    setWindowTitle(QStringLiteral("Sociogram Key"));
    setWindowIcon(programIcon());
    setWindowFlags(fixedWindowFlags());

    Kframe[0] = frame(this, QStringLiteral("Positive Choice"), {120, 120, 2295, 2055});
    new Sample(Kframe[0], {120, 480, 2160, 480}, Sample::Marker::Disc, {{360, 400, 150, 150}});
    new Sample(Kframe[0], {120, 1440, 2160, 1440}, Sample::Marker::Disc,
               {{360, 1360, 150, 150}, {1440, 1360, 150, 150}});
    KLabel[0] = caption(Kframe[0], QStringLiteral("Chooser"), {120, 720, 735, 255});
    KLabel[1] = caption(Kframe[0], QStringLiteral("Choice"), {1320, 720, 735, 255});
    KLabel[2] = caption(Kframe[0], QStringLiteral("Mutual"), {480, 1680, 1335, 255}, true);

    Kframe[1] = frame(this, QStringLiteral("Negative Choice"), {120, 2280, 2295, 1335});
    new Sample(Kframe[1], {120, 720, 2160, 720}, Sample::Marker::Square, {{360, 640, 150, 150}});
    KLabel[5] = caption(Kframe[1], QStringLiteral("Chooser"), {120, 960, 735, 255});
    KLabel[6] = caption(Kframe[1], QStringLiteral("Choice"), {1440, 960, 735, 255});

    makeFixedWindow(this, this, 2535, 3735);
}

void KeyForm::closeEvent(QCloseEvent* event)
{
    // The close box unloads the key; the sociogram window places a new one afresh.
    event->accept();
    SingleInstance<KeyForm>::unload();
}
