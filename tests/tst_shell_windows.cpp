// Helpers every window uses: twips, fixed client areas, centring, text selection,
// the one-instance rule and the program icon.

#include "programicon.h"
#include "windows.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <QtTest>

namespace {

int liveProbes = 0;

class Probe : public QWidget {
public:
    Probe() { ++liveProbes; }
    ~Probe() override { --liveProbes; }
    int counter = 0; // a form-level variable that must start again after an unload
};

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twipsAt96Dpi_data();
    void twipsAt96Dpi();
    void placeTwipsSetsPixelRectangle();
    void fixedWindowClientArea();
    void namedFontKeepsFamily();
    void centerForm_data();
    void centerForm();
    void selectAllInLineBox();
    void singleInstance();
    void programIconIsSmallSixteenColour();
};

void TestWindows::twipsAt96Dpi_data()
{
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("start window width") << 4830 << 322;
    QTest::newRow("start window height") << 3750 << 250;
    QTest::newRow("label") << 360 << 24;
    QTest::newRow("one inch") << 1440 << 96;
    QTest::newRow("half a pixel rounds") << 7 << 0;
    QTest::newRow("just over half a pixel") << 8 << 1;
    QTest::newRow("negative") << -4830 << -322;
}

void TestWindows::twipsAt96Dpi()
{
    if (!qFuzzyCompare(QGuiApplication::primaryScreen()->logicalDotsPerInchX(), 96.0))
        QSKIP("the screen is not at 96 DPI");
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(Twips::toPixels(twips), pixels);
    QCOMPARE(Twips::perPixel(), 15.0);
    QCOMPARE(Twips::fromPixels(pixels), pixels * 15.0);
}

void TestWindows::placeTwipsSetsPixelRectangle()
{
    QWidget parent;
    QWidget child(&parent);
    placeTwips(&child, 360, 840, 4140, 1095);
    QCOMPARE(child.geometry(), QRect(Twips::toPixels(360), Twips::toPixels(840),
                                     Twips::toPixels(4140), Twips::toPixels(1095)));
}

void TestWindows::fixedWindowClientArea()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* client = new QWidget;
    layout->addWidget(client);
    makeFixedWindow(&window, client, 4830, 3750);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize expected(Twips::toPixels(4830), Twips::toPixels(3750));
    QCOMPARE(client->size(), expected);
    // A fixed window keeps its size whatever it is asked.
    window.resize(expected * 2);
    QCoreApplication::processEvents();
    QCOMPARE(client->size(), expected);
    const Qt::WindowFlags flags = window.windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
}

void TestWindows::namedFontKeepsFamily()
{
    const QFont f = namedFont(u"MS Sans Serif"_qs, 8.25, true);
    QCOMPARE(f.family(), u"MS Sans Serif"_qs);
    QCOMPARE(f.pointSizeF(), 8.25);
    QVERIFY(f.bold());
}

void TestWindows::centerForm_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("small") << QSize(200, 100);
    QTest::newRow("odd size") << QSize(201, 99);
    QTest::newRow("larger than the screen") << QSize(5000, 4000);
}

void TestWindows::centerForm()
{
    QFETCH(QSize, size);
    QWidget window;
    window.setFixedSize(size);
    window.move(3, 3);
    CenterForm(&window);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window.frameGeometry();
    QCOMPARE(frame.size(), size); // centring never resizes
    // One pixel of slack for the half that twips cannot express.
    const double wantLeft = screen.left() + (screen.width() - frame.width()) / 2.0;
    const double wantTop = screen.top() + (screen.height() - frame.height()) / 2.0;
    QVERIFY2(qAbs(frame.left() - wantLeft) <= 1, qPrintable(QString::number(frame.left())));
    QVERIFY2(qAbs(frame.top() - wantTop) <= 1, qPrintable(QString::number(frame.top())));
    if (size.width() > screen.width())
        QVERIFY(frame.left() < screen.left());
}

void TestWindows::selectAllInLineBox()
{
    QLineEdit box(u"12"_qs);
    box.setCursorPosition(1);
    SelectAllText(&box);
    QCOMPARE(box.selectionStart(), 0);
    QCOMPARE(box.selectedText(), u"12"_qs);
    // Typing replaces the whole contents.
    QTest::keyClicks(&box, u"7"_qs);
    QCOMPARE(box.text(), u"7"_qs);

    QLineEdit empty;
    SelectAllText(&empty);
    QVERIFY(!empty.hasSelectedText());
}

void TestWindows::singleInstance()
{
    using Form = SingleInstance<Probe>;
    QVERIFY(!Form::loaded());
    QCOMPARE(Form::ifLoaded(), nullptr);
    Probe* first = Form::instance();
    QVERIFY(first);
    QCOMPARE(Form::instance(), first); // every reference meets the same window
    QVERIFY(Form::loaded());
    first->counter = 5;

    Form::unload();
    QVERIFY(!Form::loaded());
    QCOMPARE(Form::ifLoaded(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(liveProbes, 0); // the old window is really gone

    Probe* second = Form::instance();
    QCOMPARE(second->counter, 0);
    QCOMPARE(liveProbes, 1);
    Form::unload();
    Form::unload(); // a second unload of nothing is harmless
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(liveProbes, 0);

    // A window deleted by other means is not handed out again.
    delete Form::instance();
    QVERIFY(!Form::loaded());
    QVERIFY(Form::instance());
    Form::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void TestWindows::programIconIsSmallSixteenColour()
{
    const QImage art = programIconImage();
    QCOMPARE(art.size(), QSize(32, 32));
    QSet<QRgb> colours;
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x)
            colours.insert(art.pixel(x, y) | 0xff000000u);
    QVERIFY2(colours.size() <= 16, qPrintable(QString::number(colours.size())));
    QVERIFY(colours.size() > 1); // a picture, not a blank square
    QVERIFY(!programIcon().isNull());
}

QTEST_MAIN(TestWindows)
#include "tst_shell_windows.moc"
