// The window helpers and the start window's commands, offscreen.

#include "forms.h"
#include "globals.h"
#include "startform.h"
#include "windowfixture.h"
#include "windows.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// Runs the program's event loop while `act` happens: 0 when the program was told to
// end, Running when it kept going.
constexpr int Running = 99;
int exitCodeAfter(const std::function<void()>& act)
{
    QObject context;
    QTimer::singleShot(0, &context, act);
    QTimer::singleShot(300, &context, [] { QCoreApplication::exit(Running); });
    return QCoreApplication::exec();
}

struct Probe : QWidget {
    static inline int live = 0;
    Probe() { ++live; }
    ~Probe() override { --live; }
    int counter = 0; // a form-level variable that must start again after an unload
};

} // namespace

class TestShellWindow : public QObject {
    Q_OBJECT

    WindowFixture f;

private Q_SLOTS:
    void init() { f.init(); }
    void cleanup() { f.cleanup(); }

    void twipsRoundToPixels()
    {
        if (!qFuzzyCompare(QGuiApplication::primaryScreen()->logicalDotsPerInchX(), 96.0))
            QSKIP("the screen is not at 96 DPI");
        QCOMPARE(Twips::toPixels(7), 0); // half a pixel
        QCOMPARE(Twips::toPixels(8), 1);
        QCOMPARE(Twips::toPixels(-4830), -322);
        QCOMPARE(Twips::fromPixels(322), 4830.0);
    }

    void fixedWindowKeepsItsClientAreaAndCentres()
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
        window.resize(expected * 2);
        QCoreApplication::processEvents();
        QCOMPARE(client->size(), expected);
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        // Centred by its frame on the screen, to the pixel.
        CenterForm(&window);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const QRect frame = window.frameGeometry();
        QVERIFY(qAbs(frame.left() - (screen.left() + (screen.width() - frame.width()) / 2.0)) <= 1);
        QVERIFY(qAbs(frame.top() - (screen.top() + (screen.height() - frame.height()) / 2.0)) <= 1);
    }

    void singleInstance()
    {
        using Form = SingleInstance<Probe>;
        Probe* first = Form::instance();
        QCOMPARE(Form::instance(), first); // every reference meets the same window
        first->counter = 5;
        Form::unload();
        QVERIFY(!Form::loaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(Probe::live, 0); // the old window is really gone
        QCOMPARE(Form::instance()->counter, 0);
        delete Form::instance(); // a window deleted by other means is not handed out again
        QVERIFY(!Form::loaded());
    }

    // Work deferred past a window's first frame waits for it, and runs once.
    void afterTheFirstFrame()
    {
        QWidget window;
        int runs = 0;
        afterFirstFrame(&window, [&] { ++runs; });
        QCoreApplication::processEvents();
        QCOMPARE(runs, 0);
        window.show();
        QTRY_COMPARE(runs, 1);
        window.repaint();
        QCoreApplication::processEvents();
        QCOMPARE(runs, 1);
    }

    void startCommands_data()
    {
        QTest::addColumn<bool>("load"); // "&Load Existing Project", else "&New Project"
        QTest::addColumn<bool>("dataWindowSettles");
        QTest::addColumn<int>("newProject");
        QTest::addColumn<int>("record");
        QTest::addColumn<QString>("shown");
        // A new project must create a new study row at its first save.
        QTest::newRow("new") << false << true << -1 << 0 << u"info"_qs;
        QTest::newRow("new, data window cancels") << false << false << 0 << 17 << u""_qs;
        QTest::newRow("load keeps the record") << true << true << 0 << 17 << u"load"_qs;
    }

    void startCommands()
    {
        QFETCH(bool, load);
        QFETCH(bool, dataWindowSettles);
        Global::NewProject = Global::False;
        Global::CurrentRecord = 17;
        QString opened;
        Forms::Show = [&](Forms::Window w, QWidget*) {
            opened += w == Forms::Window::Info ? u"info"_qs : u"load"_qs;
        };
        Forms::SettleDataForm = [&] { return dataWindowSettles; };
        StartForm* form = StartForm::instance();
        form->findChild<QAction*>(load ? u"Load"_qs : u"New"_qs)->trigger();
        QTEST(int(Global::NewProject), "newProject");
        QTEST(int(Global::CurrentRecord), "record");
        QTEST(opened, "shown");
    }

    void endingTheRun_data()
    {
        QTest::addColumn<bool>("byClosing"); // the close box, else "&Exit"
        QTest::addColumn<int>("dataAnswer"); // -1: no data window; 0: Cancel; 1: may end
        QTest::addColumn<int>("drawAnswer");
        QTest::addColumn<int>("exitCode");
        QTest::newRow("nothing open") << false << -1 << -1 << 0;
        QTest::newRow("data window cancels") << false << 0 << 1 << Running;
        QTest::newRow("sociogram cancels") << false << 1 << 0 << Running;
        QTest::newRow("closing, agreed") << true << 1 << -1 << 0;
        QTest::newRow("closing, cancelled") << true << 0 << -1 << Running;
    }

    void endingTheRun()
    {
        QFETCH(bool, byClosing);
        QFETCH(int, dataAnswer);
        QFETCH(int, drawAnswer);
        QFETCH(int, exitCode);
        if (dataAnswer >= 0)
            Forms::MayEnd.append([dataAnswer] { return dataAnswer == 1; });
        int drawAsked = 0;
        if (drawAnswer >= 0)
            Forms::MayEnd.append([&] { return ++drawAsked, drawAnswer == 1; });
        StartForm* form = StartForm::instance();
        form->show();
        QAction* quit = form->findChild<QAction*>(u"Quit"_qs);
        QCOMPARE(exitCodeAfter([&] { byClosing ? void(form->close()) : quit->trigger(); }),
                 exitCode);
        QCOMPARE(form->isVisible(), !byClosing || exitCode == Running);
        QCOMPARE(drawAsked, dataAnswer != 0 && drawAnswer >= 0 ? 1 : 0); // no question after Cancel
    }
};

QTEST_MAIN(TestShellWindow)
#include "tst_shell_window.moc"
