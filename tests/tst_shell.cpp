// The shell: numbers read from texts and rounded, the program directory, the globals,
// the window helpers, and what the start window's commands do.

#include "forms.h"
#include "globals.h"
#include "numbers.h"
#include "startform.h"
#include "startup.h"
#include "windows.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>
#include <limits>

// Flags and positions are 16-bit Integers, record numbers and sizes 32-bit Longs.
static_assert(sizeof(Global::NewProject) == 2 && sizeof(Global::LabelPos[0][0]) == 2);
static_assert(sizeof(Global::CurrentRecord) == 4 && sizeof(Global::GroupSize) == 4);

namespace {

using OptDouble = std::optional<double>;
using OptInt = std::optional<int>;
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
const OptDouble None;

template <class T> OptInt asInt(std::optional<T> v)
{
    return v ? OptInt(*v) : std::nullopt;
}

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

Q_DECLARE_METATYPE(OptDouble)
Q_DECLARE_METATYPE(OptInt)

class TestShell : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void readingTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("leading");  // Numbers::leadingValue
        QTest::addColumn<OptDouble>("whole"); // Numbers::wholeValue
        QTest::newRow("empty") << u""_qs << 0.0 << None;
        QTest::newRow("trailing letter") << u"3x"_qs << 3.0 << None;
        QTest::newRow("blanks inside") << u" 1 2"_qs << 12.0 << None;
        QTest::newRow("surrounding blanks") << u"\t4\n"_qs << 4.0 << OptDouble(4);
        QTest::newRow("two signs") << u"-+7"_qs << 0.0 << None;
        QTest::newRow("leading point") << u"-.5"_qs << -0.5 << OptDouble(-0.5);
        QTest::newRow("second point stops") << u"1.2.3"_qs << 1.2 << None;
        QTest::newRow("exponent") << u"+.5e1"_qs << 5.0 << OptDouble(5);
        QTest::newRow("negative exponent") << u"1E-2"_qs << 0.01 << OptDouble(0.01);
        QTest::newRow("point then exponent") << u"5.e1"_qs << 50.0 << OptDouble(50);
        QTest::newRow("exponent without digits") << u"1e+"_qs << 1.0 << None;
        QTest::newRow("too large") << u"1e309"_qs << 0.0 << None;
        QTest::newRow("too small to tell from zero") << u"-1e-999"_qs << 0.0 << OptDouble(0);
        QTest::newRow("arabic-indic digit") << u"\u0663"_qs << 0.0 << None;
        // Only space, tab and line ends are blanks inside; trimming takes any space round.
        QTest::newRow("no-break space first") << u"\u00a012"_qs << 0.0 << OptDouble(12);
        QTest::newRow("no-break space inside") << u"1\u00a02"_qs << 1.0 << None;
    }

    void readingTexts()
    {
        QFETCH(QString, text);
        QFETCH(double, leading);
        QFETCH(OptDouble, whole);
        QCOMPARE(Numbers::leadingValue(text), leading);
        QCOMPARE(Numbers::wholeValue(text), whole);
    }

    void wholeNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<OptInt>("integer"); // Numbers::toInteger
        QTest::addColumn<OptInt>("whole");   // Numbers::toLong
        QTest::newRow("half down to even") << 180.5 << OptInt(180) << OptInt(180);
        QTest::newRow("half up to even") << 181.5 << OptInt(182) << OptInt(182);
        QTest::newRow("largest Integer") << 32767.4 << OptInt(32767) << OptInt(32767);
        QTest::newRow("rounds out of Integer") << 32767.5 << OptInt() << OptInt(32768);
        QTest::newRow("smallest Integer") << -32768.5 << OptInt(-32768) << OptInt(-32768);
        QTest::newRow("below Integer") << -32768.6 << OptInt() << OptInt(-32769);
        QTest::newRow("rounds out of Long") << 2147483647.5 << OptInt() << OptInt();
        QTest::newRow("smallest Long")
            << -2147483648.5 << OptInt() << OptInt(std::numeric_limits<int>::min());
        QTest::newRow("below Long") << -2147483649.0 << OptInt() << OptInt();
        QTest::newRow("not a number") << NaN << OptInt() << OptInt();
    }

    void wholeNumbers()
    {
        QFETCH(double, value);
        QFETCH(OptInt, integer);
        QFETCH(OptInt, whole);
        QCOMPARE(asInt(Numbers::toInteger(value)), integer);
        QCOMPARE(asInt(Numbers::toLong(value)), whole);
    }

    void decimalTextReadsBack()
    {
        QCOMPARE(Numbers::decimalText(0.1 + 0.2), u"0.3"_qs);
        // A stored answer is written as text into a cell and read again from it.
        for (double v : {-3.75, 12345.678})
            QCOMPARE(Numbers::wholeValue(Numbers::decimalText(v)), OptDouble(v));
    }

    void appPath_data()
    {
        QTest::addColumn<QString>("directory");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no trailing separator") << u"/opt/sociogram"_qs << u"/opt/sociogram/"_qs;
        QTest::newRow("root stays root") << u"/"_qs << u"/"_qs;
        QTest::newRow("doubled separator folded")
            << u"/opt/sociogram//"_qs << u"/opt/sociogram/"_qs;
        QTest::newRow("network share") << u"//server/share"_qs << u"//server/share/"_qs;
    }

    void appPath()
    {
        QFETCH(QString, directory);
        QFETCH(QString, expected);
        Global::AppPath = appPathFrom(directory);
        QCOMPARE(Global::AppPath, expected);
        QCOMPARE(Global::databasePath(), expected + u"KELVAROX.MDB"_qs);
    }

    void resetRestoresStartOfRun()
    {
        Global::AppPath = Global::RefName = Global::Question = Global::RingMembers[3] = u"x"_qs;
        Global::NewProject = Global::True;
        Global::CurrentRecord = Global::GroupSize = Global::MaxChoices = 12;
        Global::CriterionType = Global::CurrentCriterion = Global::MaxReceived = 2;
        Global::SociogramType = 3;
        Global::LabelPos[40][1] = Global::ChoicesReceived[17] = 9;
        Global::reset();
        QVERIFY(Global::AppPath.isEmpty() && Global::RefName.isEmpty() &&
                Global::Question.isEmpty());
        QCOMPARE(Global::NewProject, Global::False);
        for (const int v :
             {Global::CurrentRecord, Global::GroupSize, Global::MaxChoices, Global::CriterionType,
              Global::CurrentCriterion, Global::MaxReceived, int(Global::SociogramType)})
            QCOMPARE(v, 0);
        QVERIFY(Global::LabelPos == PositionTable{});
        QVERIFY(Global::ChoicesReceived == decltype(Global::ChoicesReceived){});
        QVERIFY(Global::RingMembers == decltype(Global::RingMembers){});
    }

    void centeredTopLeft_data()
    {
        QTest::addColumn<QSizeF>("screen");
        QTest::addColumn<QSizeF>("window");
        QTest::addColumn<QPointF>("expected");
        QTest::newRow("odd difference keeps its half")
            << QSizeF(100, 100) << QSizeF(33, 50) << QPointF(33.5, 25);
        QTest::newRow("larger than the screen goes negative")
            << QSizeF(9600, 7200) << QSizeF(12000, 7320) << QPointF(-1200, -60);
        // 16777217 has no single-precision value; the sum is done in single precision.
        QTest::newRow("single precision")
            << QSizeF(16777217, 16777217) << QSizeF(0, 1) << QPointF(8388608, 8388607.5);
    }

    void centeredTopLeft()
    {
        QFETCH(QSizeF, screen);
        QFETCH(QSizeF, window);
        QFETCH(QPointF, expected);
        QCOMPARE(::centeredTopLeft(screen, window), expected);
    }

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
        QFETCH(int, newProject);
        QFETCH(int, record);
        QFETCH(QString, shown);
        Global::reset();
        Global::NewProject = Global::False;
        Global::CurrentRecord = 17;
        QString opened;
        Forms::Show = [&](Forms::Window w, QWidget*) {
            opened += w == Forms::Window::Info ? u"info"_qs : u"load"_qs;
        };
        Forms::SettleDataForm = [&] { return dataWindowSettles; };
        StartForm* form = StartForm::instance();
        (load ? form->Load : form->New)->trigger();
        QCOMPARE(int(Global::NewProject), newProject);
        QCOMPARE(int(Global::CurrentRecord), record);
        QCOMPARE(opened, shown);
        Forms::Show = {};
        Forms::SettleDataForm = {};
        StartForm::unload();
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
        QCOMPARE(exitCodeAfter([&] { byClosing ? void(form->close()) : form->Quit->trigger(); }),
                 exitCode);
        QCOMPARE(form->isVisible(), !byClosing || exitCode == Running);
        QCOMPARE(drawAsked, dataAnswer != 0 && drawAnswer >= 0 ? 1 : 0); // no question after Cancel
        Forms::MayEnd.clear();
        StartForm::unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
