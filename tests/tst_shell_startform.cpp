// The start window in a real window system: its caption, client area, label and
// File menu, the globals its commands set, and how Exit and closing end the run.

#include "forms.h"
#include "globals.h"
#include "startform.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <QtTest>

namespace {

// Runs the program's own event loop while `act` happens; its exit code tells
// whether the program was told to end (0) or kept running (Running).
constexpr int Running = 99;

int exitCodeAfter(const std::function<void()>& act)
{
    QObject context;
    QTimer::singleShot(0, &context, act);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(Running); });
    guard.start(500);
    return QCoreApplication::exec();
}

} // namespace

class TestStartForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void windowDefinition();
    void labelDefinition();
    void fileMenu();
    void newProjectStartsAFreshStudy();
    void loadLeavesTheRecordAlone();
    void commandsReachTheirWindows();
    void exitEndsTheEventLoop_data();
    void exitEndsTheEventLoop();
    void closingTheWindowEndsTheRun_data();
    void closingTheWindowEndsTheRun();

private:
    StartForm* form = nullptr;
    int infoShown = 0;
    int loadShown = 0;
};

void TestStartForm::init()
{
    Global::reset();
    infoShown = 0;
    loadShown = 0;
    Forms::ShowInfoForm = [this] { ++infoShown; };
    Forms::ShowLoadForm = [this] { ++loadShown; };
    Forms::DataFormMayEnd = {};
    Forms::DrawFormMayEnd = {};
    form = StartForm::instance();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form));
}

void TestStartForm::cleanup()
{
    StartForm::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Forms::ShowInfoForm = {};
    Forms::ShowLoadForm = {};
    Forms::DataFormMayEnd = {};
    Forms::DrawFormMayEnd = {};
}

void TestStartForm::windowDefinition()
{
    QCOMPARE(form->screen()->logicalDotsPerInchX(), 96.0);
    QCOMPARE(form->windowTitle(), u"StartForm"_qs);
    QCOMPARE(form->centralWidget()->size(), QSize(322, 250));
    QVERIFY(!form->windowIcon().isNull());
    const Qt::WindowFlags flags = form->windowFlags();
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    // Fixed size: the window refuses to grow.
    const QSize before = form->size();
    form->resize(before + QSize(100, 100));
    QCoreApplication::processEvents();
    QCOMPARE(form->size(), before);
    QCOMPARE(form->centralWidget()->size(), QSize(322, 250));
    // Placed in the middle of the screen.
    const QRect screen = form->screen()->geometry();
    const QRect frame = form->frameGeometry();
    QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 2);
    QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 2);
}

void TestStartForm::labelDefinition()
{
    QLabel* label = form->Slabel;
    QVERIFY(label);
    QCOMPARE(label->text(), u"Sociogram"_qs);
    QCOMPARE(label->parentWidget(), form->centralWidget());
    QCOMPARE(label->geometry(), QRect(24, 56, 276, 73));
    QCOMPARE(label->font().family(), u"Times New Roman"_qs);
    QCOMPARE(label->font().pointSizeF(), 48.0);
    QVERIFY(label->isVisible());
}

void TestStartForm::fileMenu()
{
    const QList<QAction*> top = form->menuBar()->actions();
    QCOMPARE(top.size(), 1);
    QCOMPARE(top.front()->text(), u"&File"_qs);
    QMenu* file = top.front()->menu();
    QVERIFY(file);
    QStringList captions;
    for (QAction* a : file->actions()) {
        captions << a->text();
        QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->text())); // access keys only
    }
    QCOMPARE(captions,
             (QStringList{u"&New Project"_qs, u"&Load Existing Project"_qs, u"&Exit"_qs}));
    QCOMPARE(file->actions().at(0), form->New);
    QCOMPARE(file->actions().at(1), form->Load);
    QCOMPARE(file->actions().at(2), form->Quit);
}

void TestStartForm::newProjectStartsAFreshStudy()
{
    // As after a study was loaded: the next save must create a new study row.
    Global::NewProject = Global::False;
    Global::CurrentRecord = 17;
    form->New->trigger();
    QCOMPARE(Global::NewProject, Global::True);
    QCOMPARE(Global::CurrentRecord, 0);
    QCOMPARE(infoShown, 1);
    QCOMPARE(loadShown, 0);
}

void TestStartForm::loadLeavesTheRecordAlone()
{
    Global::NewProject = Global::True;
    Global::CurrentRecord = 17;
    form->Load->trigger();
    QCOMPARE(Global::NewProject, Global::False);
    QCOMPARE(Global::CurrentRecord, 17);
    QCOMPARE(loadShown, 1);
    QCOMPARE(infoShown, 0);
}

void TestStartForm::commandsReachTheirWindows()
{
    // The start window stays usable underneath: each command may be given again.
    form->New->trigger();
    form->New->trigger();
    form->Load->trigger();
    QCOMPARE(infoShown, 2);
    QCOMPARE(loadShown, 1);
    QVERIFY(form->isVisible());
    QVERIFY(form->isEnabled());
    // Without a connected window the commands still set the globals and do no harm.
    Forms::ShowInfoForm = {};
    Global::CurrentRecord = 4;
    form->New->trigger();
    QCOMPARE(Global::CurrentRecord, 0);
}

void TestStartForm::exitEndsTheEventLoop_data()
{
    QTest::addColumn<int>("dataAnswer"); // -1: no data window; 0: Cancel; 1: may end
    QTest::addColumn<int>("drawAnswer");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<int>("drawAsked");
    QTest::newRow("nothing open") << -1 << -1 << 0 << 0;
    QTest::newRow("both windows agree") << 1 << 1 << 0 << 1;
    QTest::newRow("data window cancels") << 0 << 1 << Running << 0;
    QTest::newRow("sociogram cancels") << 1 << 0 << Running << 1;
}

void TestStartForm::exitEndsTheEventLoop()
{
    QFETCH(int, dataAnswer);
    QFETCH(int, drawAnswer);
    QFETCH(int, exitCode);
    QFETCH(int, drawAsked);
    int drawQuestions = 0;
    if (dataAnswer >= 0)
        Forms::DataFormMayEnd = [dataAnswer] { return dataAnswer == 1; };
    if (drawAnswer >= 0)
        Forms::DrawFormMayEnd = [drawAnswer, &drawQuestions] {
            ++drawQuestions;
            return drawAnswer == 1;
        };
    QCOMPARE(exitCodeAfter([this] { form->Quit->trigger(); }), exitCode);
    QCOMPARE(drawQuestions, drawAsked);
}

void TestStartForm::closingTheWindowEndsTheRun_data()
{
    QTest::addColumn<bool>("mayEnd");
    QTest::addColumn<int>("exitCode");
    QTest::newRow("agreed") << true << 0;
    QTest::newRow("cancelled") << false << Running;
}

void TestStartForm::closingTheWindowEndsTheRun()
{
    QFETCH(bool, mayEnd);
    QFETCH(int, exitCode);
    Forms::DataFormMayEnd = [mayEnd] { return mayEnd; };
    QCOMPARE(exitCodeAfter([this] { form->close(); }), exitCode);
    QCOMPARE(form->isVisible(), !mayEnd);
}

QTEST_MAIN(TestStartForm)
#include "tst_shell_startform.moc"
