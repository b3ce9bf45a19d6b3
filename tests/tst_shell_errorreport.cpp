// The error report: which numbers count as database trouble, the quiet retries and
// when the user is asked, the words of both messages, and how a trapped procedure
// repeats or passes over a failed step.

#include "errorreport.h"
#include "scriptedmessages.h"

#include <QtTest>

namespace {

struct Call {
    int number = 0;
    double time = 0;
};
using Calls = QList<Call>;
using Answers = QList<Answer>;
using Indices = QList<int>;

constexpr int Busy = 3260;        // locked by another program
constexpr int TableLocked = 3262; // another trouble number
constexpr int TypeMismatch = 13;  // an unexpected error

Calls repeat(int number, int count, double start, double step = 0)
{
    Calls calls;
    for (int i = 0; i < count; ++i)
        calls.append({number, start + i * step});
    return calls;
}

Calls alternate(int first, int second, int count, double start, double step)
{
    Calls calls;
    for (int i = 0; i < count; ++i)
        calls.append({i % 2 ? second : first, start + i * step});
    return calls;
}

} // namespace

Q_DECLARE_METATYPE(Calls)
Q_DECLARE_METATYPE(Answers)

class TestErrorReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void troubleNumbers();
    void runs_data();
    void runs();
    void troubleMessageWords();
    void unexpectedMessageWords_data();
    void unexpectedMessageWords();
    void trappedStep_data();
    void trappedStep();
    void oversizedNumberIsReportedWhole();
    void procedureGoesOnAfterPassedOverStep();

private:
    double now = 0;
    int pauses = 0;
};

void TestErrorReport::init()
{
    errorReport().reset();
    now = 0;
    pauses = 0;
    errorReport().setClock([this] { return now; });
    errorReport().setPause([this] { ++pauses; });
}

void TestErrorReport::cleanup()
{
    errorReport().setClock({});
    errorReport().setPause({});
    errorReport().reset();
}

void TestErrorReport::troubleNumbers()
{
    const int listed[] = {3000, 3006, 3008, 3009, 3046, 3050, 3051, 3158, 3164, 3186, 3187, 3188,
                          3189, 3196, 3197, 3202, 3211, 3212, 3218, 3260, 3261, 3262, 3624};
    for (int n : listed)
        QVERIFY2(ErrorReport::isDatabaseTrouble(n), qPrintable(QString::number(n)));
    int count = 0;
    for (int n = -32768; n <= 32767; ++n)
        count += ErrorReport::isDatabaseTrouble(n) ? 1 : 0;
    QCOMPARE(count, 23);
}

void TestErrorReport::runs_data()
{
    QTest::addColumn<Calls>("calls");
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<Indices>("asked");   // 1-based calls that showed a message
    QTest::addColumn<Indices>("refused"); // 1-based calls that answered "go on"
    QTest::addColumn<int>("retries");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("pausesTaken");

    QTest::newRow("first trouble is retried at once and silently")
        << Calls{{Busy, 10.2}} << Answers{} << Indices{} << Indices{} << 0 << 10 << 0;
    QTest::newRow("101 in a row stay silent")
        << repeat(Busy, 101, 10) << Answers{} << Indices{} << Indices{} << 100 << 10 << 100;
    QTest::newRow("102nd asks; Retry tries again")
        << repeat(Busy, 102, 10) << Answers{Answer::Retry} << Indices{102} << Indices{} << 0 << 10
        << 100;
    QTest::newRow("102nd asks; Cancel goes on") << repeat(Busy, 102, 10) << Answers{Answer::Cancel}
                                                << Indices{102} << Indices{102} << 0 << 10 << 100;
    QTest::newRow("after Cancel the count starts again")
        << repeat(Busy, 203, 10) << Answers{Answer::Cancel, Answer::Cancel} << Indices{102, 203}
        << Indices{102, 203} << 0 << 10 << 200;
    QTest::newRow("after Retry the count starts again")
        << repeat(Busy, 203, 10) << Answers{Answer::Retry, Answer::Cancel} << Indices{102, 203}
        << Indices{203} << 0 << 10 << 200;
    QTest::newRow("exactly 60 seconds stays silent")
        << Calls{{Busy, 10}, {Busy, 70}} << Answers{} << Indices{} << Indices{} << 1 << 10 << 1;
    QTest::newRow("past 60 seconds asks before the count")
        << Calls{{Busy, 10}, {Busy, 70.25}} << Answers{Answer::Retry} << Indices{2} << Indices{}
        << 0 << 70 << 0;
    QTest::newRow("run start is rounded half to even")
        << Calls{{Busy, 10.5}, {Busy, 70.6}} << Answers{Answer::Cancel} << Indices{2} << Indices{2}
        << 0 << 71 << 0;
    QTest::newRow("run start rounded up keeps a late call silent")
        << Calls{{Busy, 11.5}, {Busy, 71.9}} << Answers{} << Indices{} << Indices{} << 1 << 12 << 1;
    QTest::newRow("the 60 seconds run from the start, not the last call")
        << repeat(Busy, 4, 10, 20.1) << Answers{Answer::Cancel} << Indices{4} << Indices{4} << 0
        << 70 << 2;
    {
        // Time of day starts again at 0 after midnight: only the count can end the run.
        Calls calls{{Busy, 86399.6}};
        calls += repeat(Busy, 101, 1, 50);
        QTest::newRow("after midnight only the count asks")
            << calls << Answers{Answer::Cancel} << Indices{102} << Indices{102} << 0 << 5001 << 100;
    }
    {
        Calls calls = repeat(Busy, 50, 10);
        calls.append({TableLocked, 10});
        QTest::newRow("another trouble number starts a new run")
            << calls << Answers{} << Indices{} << Indices{} << 0 << 10 << 49;
    }
    QTest::newRow("alternating trouble numbers stay silent")
        << alternate(Busy, TableLocked, 200, 10, 0.01) << Answers{} << Indices{} << Indices{} << 0
        << 12 << 0;
    QTest::newRow("alternating trouble is bounded")
        << alternate(Busy, TableLocked, 301, 10, 0.01) << Answers{Answer::Cancel} << Indices{301}
        << Indices{301} << 0 << 13 << 0;
    QTest::newRow("alternating trouble far apart is not one episode")
        << alternate(Busy, TableLocked, 400, 10, 3) << Answers{} << Indices{} << Indices{} << 0
        << 1207 << 0;
    {
        Calls calls = repeat(Busy, 100, 10);
        calls.append({TypeMismatch, 10});
        calls += repeat(Busy, 101, 10);
        QTest::newRow("an unexpected error breaks the run")
            << calls << Answers{} << Indices{101} << Indices{101} << 100 << 10 << 199;
    }
    QTest::newRow("an unexpected error leaves the run start")
        << Calls{{Busy, 10}, {TypeMismatch, 500}} << Answers{} << Indices{2} << Indices{2} << 0
        << 10 << 0;
    QTest::newRow("unexpected errors are never retried")
        << repeat(TypeMismatch, 3, 10) << Answers{} << Indices{1, 2, 3} << Indices{1, 2, 3} << 0
        << 0 << 0;
}

void TestErrorReport::runs()
{
    QFETCH(Calls, calls);
    QFETCH(Answers, answers);
    QFETCH(Indices, asked);
    QFETCH(Indices, refused);
    QFETCH(int, retries);
    QFETCH(int, start);
    QFETCH(int, pausesTaken);

    ScriptedMessages messages;
    for (Answer a : answers)
        messages.answer({a});
    Indices sawMessage;
    Indices wentOn;
    for (int i = 0; i < calls.size(); ++i) {
        now = calls[i].time;
        const int before = messages.count();
        const bool again = errorReport().ErrorHandler(u"DataForm:SaveChanges"_qs,
                                                      std::int16_t(calls[i].number), u"Locked"_qs);
        if (messages.count() != before)
            sawMessage.append(i + 1);
        if (!again)
            wentOn.append(i + 1);
        QCOMPARE(int(errorReport().lastErrorNumber()), calls[i].number);
    }
    QCOMPARE(sawMessage, asked);
    QCOMPARE(wentOn, refused);
    QCOMPARE(errorReport().retryCount(), retries);
    QCOMPARE(errorReport().retryStart(), start);
    QCOMPARE(pauses, pausesTaken);
}

void TestErrorReport::troubleMessageWords()
{
    ScriptedMessages messages;
    messages.answer({Answer::Retry});
    for (int i = 0; i < 102; ++i)
        errorReport().ErrorHandler(u"LoadForm:LoadData"_qs, Busy, u"Locked"_qs);
    QCOMPARE(messages.count(), 1);
    const Message& m = messages.shown().front();
    QCOMPARE(m.text, u"The Program Is Having Trouble Accessing The Database\r\n"
                     "If You Choose Cancel, The Results Will Be Unpredictable"_qs);
    QCOMPARE(m.title, u"Help"_qs);
    QCOMPARE(m.buttons, Buttons::RetryCancel);
    QCOMPARE(m.icon, Icon::Information);
}

void TestErrorReport::unexpectedMessageWords_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expected");
    QTest::newRow("positive number has a leading space")
        << u"DataForm:LoadGrid"_qs << 13 << u"Type mismatch"_qs
        << u"Unexpected Error In - DataForm:LoadGrid, Error Number 13, Type mismatch"_qs;
    QTest::newRow("zero has a leading space")
        << u"Mainmod:Main"_qs << 0 << u"No error"_qs
        << u"Unexpected Error In - Mainmod:Main, Error Number 0, No error"_qs;
    QTest::newRow("minus sign takes the space")
        << u"DrawForm:DoWork"_qs << -1 << u"Odd"_qs
        << u"Unexpected Error In - DrawForm:DoWork, Error Number-1, Odd"_qs;
    QTest::newRow("smallest Integer")
        << u"DataForm:LineDraw"_qs << -32768 << u"x"_qs
        << u"Unexpected Error In - DataForm:LineDraw, Error Number-32768, x"_qs;
    QTest::newRow("largest Integer")
        << u"DataForm:SocioPrint"_qs << 32767 << u"x"_qs
        << u"Unexpected Error In - DataForm:SocioPrint, Error Number 32767, x"_qs;
    QTest::newRow("database error that is not trouble")
        << u"InfoForm:Validate"_qs << 3024 << u"Could not find file 'KELVAROX.MDB'."_qs
        << u"Unexpected Error In - InfoForm:Validate, Error Number 3024, Could not find file "
           "'KELVAROX.MDB'."_qs;
    QTest::newRow("empty description keeps the comma")
        << u"LoadForm:DeleteRecord"_qs << 3078 << QString()
        << u"Unexpected Error In - LoadForm:DeleteRecord, Error Number 3078, "_qs;
}

void TestErrorReport::unexpectedMessageWords()
{
    QFETCH(QString, label);
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(QString, expected);
    ScriptedMessages messages;
    QVERIFY(!errorReport().ErrorHandler(label, std::int16_t(number), description));
    QCOMPARE(messages.count(), 1);
    const Message& m = messages.shown().front();
    QCOMPARE(m.text, expected);
    QCOMPARE(m.title, u"Help"_qs);
    QCOMPARE(m.buttons, Buttons::Ok);
    QCOMPARE(m.icon, Icon::Information);
}

void TestErrorReport::trappedStep_data()
{
    QTest::addColumn<Indices>("skipped");
    QTest::addColumn<Indices>("failures"); // what each attempt fails with; then it succeeds
    QTest::addColumn<Answers>("answers");
    QTest::addColumn<bool>("succeeded");
    QTest::addColumn<int>("attempts");
    QTest::addColumn<int>("messageCount");
    QTest::addColumn<bool>("passedOver");
    QTest::addColumn<int>("lastError");

    QList<int> persistent;
    for (int i = 0; i < 400; ++i)
        persistent.append(Busy);
    QList<int> longTrouble = persistent.mid(0, 110);

    QTest::newRow("success") << Indices{} << Indices{} << Answers{} << true << 1 << 0 << false << 0;
    QTest::newRow("skipped 94 passes over without the report")
        << Indices{94} << Indices{94} << Answers{} << false << 1 << 0 << false << 0;
    QTest::newRow("skipped 360 passes over without the report")
        << Indices{360} << Indices{360} << Answers{} << false << 1 << 0 << false << 0;
    QTest::newRow("skipping one number does not hide others")
        << Indices{94} << Indices{TypeMismatch} << Answers{} << false << 1 << 1 << true
        << TypeMismatch;
    QTest::newRow("94 is reported where it is not skipped")
        << Indices{} << Indices{94} << Answers{} << false << 1 << 1 << true << 94;
    QTest::newRow("trouble clears by itself")
        << Indices{} << Indices{Busy, Busy} << Answers{} << true << 3 << 0 << false << Busy;
    QTest::newRow("unexpected error: OK goes on") << Indices{} << Indices{TypeMismatch} << Answers{}
                                                  << false << 1 << 1 << true << TypeMismatch;
    QTest::newRow("persistent trouble: Cancel goes on")
        << Indices{} << persistent << Answers{Answer::Cancel} << false << 102 << 1 << true << Busy;
    QTest::newRow("persistent trouble: Retry, then it clears")
        << Indices{} << longTrouble << Answers{Answer::Retry} << true << 111 << 1 << false << Busy;
    QTest::newRow("number beyond an Integer is an overflow")
        << Indices{} << Indices{70000} << Answers{} << false << 1 << 1 << true << 6;
    QTest::newRow("skip list sees the whole number, not its low bits")
        << Indices{94} << Indices{65536 + 94} << Answers{} << false << 1 << 1 << true << 6;
}

void TestErrorReport::trappedStep()
{
    QFETCH(Indices, skipped);
    QFETCH(Indices, failures);
    QFETCH(Answers, answers);
    QFETCH(bool, succeeded);
    QFETCH(int, attempts);
    QFETCH(int, messageCount);
    QFETCH(bool, passedOver);
    QFETCH(int, lastError);

    ScriptedMessages messages;
    for (Answer a : answers)
        messages.answer({a});
    Trap trap(u"DataForm:LoadData"_qs);
    if (!skipped.isEmpty()) {
        QCOMPARE(skipped.size(), 1);
        trap = Trap(u"DataForm:LoadData"_qs, {skipped.front()});
    }
    int tried = 0;
    const bool ok = trap.step([&]() -> std::optional<Failure> {
        const int k = tried++;
        if (k < failures.size())
            return Failure{failures[k], u"Failed"_qs};
        return std::nullopt;
    });
    QCOMPARE(ok, succeeded);
    QCOMPARE(tried, attempts);
    QCOMPARE(messages.count(), messageCount);
    QCOMPARE(trap.anyFailed(), passedOver);
    QCOMPARE(int(errorReport().lastErrorNumber()), lastError);
}

void TestErrorReport::oversizedNumberIsReportedWhole()
{
    ScriptedMessages messages;
    Trap trap(u"DataForm:SaveChanges"_qs);
    trap.step([] { return std::optional<Failure>(Failure{70000, u"Engine failure"_qs}); });
    QCOMPARE(messages.count(), 1);
    // The original number must survive in the words even though it cannot be the
    // report's number.
    QVERIFY2(messages.texts().front().contains(u"70000"_qs), qPrintable(messages.texts().front()));
    QVERIFY(messages.texts().front().contains(u"Engine failure"_qs));
    QVERIFY(messages.texts().front().startsWith(
        u"Unexpected Error In - DataForm:SaveChanges, Error Number 6, "_qs));
}

void TestErrorReport::procedureGoesOnAfterPassedOverStep()
{
    ScriptedMessages messages;
    Trap trap(u"DataForm:LoadGrid"_qs);
    QStringList done;
    QVERIFY(!trap.step([] { return std::optional<Failure>(runtimeFailure(TypeMismatch)); }));
    QVERIFY(trap.step([&] {
        done << u"second"_qs;
        return std::optional<Failure>();
    }));
    QCOMPARE(done, QStringList{u"second"_qs});
    QVERIFY(trap.anyFailed());
    QCOMPARE(
        messages.texts(),
        QStringList{u"Unexpected Error In - DataForm:LoadGrid, Error Number 13, Type mismatch"_qs});
}

QTEST_GUILESS_MAIN(TestErrorReport)
#include "tst_shell_errorreport.moc"
