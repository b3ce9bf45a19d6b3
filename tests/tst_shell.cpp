// The shell: numbers read from texts and rounded, the program directory, the globals,
// where a window is centred, and the error report: database trouble, quiet retries, when
// the user is asked, the messages, and how a trapped procedure repeats or passes over a
// failed step.

#include "errorreport.h"
#include "globals.h"
#include "numbers.h"
#include "scriptedmessages.h"
#include "startup.h"

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

// `count` calls `step` seconds apart; with `other`, every second call has that number.
Calls repeat(int number, int count, double start, double step = 0, int other = 0)
{
    Calls calls;
    for (int i = 0; i < count; ++i)
        calls.append({other && i % 2 ? other : number, start + i * step});
    return calls;
}

} // namespace

Q_DECLARE_METATYPE(OptDouble)
Q_DECLARE_METATYPE(OptInt)
Q_DECLARE_METATYPE(Calls)
Q_DECLARE_METATYPE(Answers)
Q_DECLARE_METATYPE(Buttons)

class TestShell : public QObject {
    Q_OBJECT
    double now = 0;
    int pauses = 0;

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
        QTEST(Numbers::leadingValue(text), "leading");
        QTEST(Numbers::wholeValue(text), "whole");
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
        QTEST(asInt(Numbers::toInteger(value)), "integer");
        QTEST(asInt(Numbers::toLong(value)), "whole");
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
        QTEST(::centeredTopLeft(screen, window), "expected");
    }

    void init()
    {
        errorReport().reset();
        now = 0;
        pauses = 0;
        errorReport().setClock([this] { return now; });
        errorReport().setPause([this] { ++pauses; });
    }

    void cleanup()
    {
        errorReport().setClock({});
        errorReport().setPause({});
        errorReport().reset();
    }

    void troubleNumbers()
    {
        int count = 0;
        for (int n = -32768; n <= 32767; ++n)
            count += ErrorReport::isDatabaseTrouble(n) ? 1 : 0;
        QCOMPARE(count, 23);
        QVERIFY(ErrorReport::isDatabaseTrouble(3000) && ErrorReport::isDatabaseTrouble(3624));
    }

    void runs_data()
    {
        QTest::addColumn<Calls>("calls");
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<Indices>("asked"); // 1-based calls that showed a message
        QTest::addColumn<int>("retries");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("pausesTaken");
        QTest::newRow("after Cancel the count starts again")
            << repeat(Busy, 203, 10) << Answers{Answer::Cancel, Answer::Cancel} << Indices{102, 203}
            << 0 << 10 << 200;
        QTest::newRow("exactly 60 seconds stays silent")
            << Calls{{Busy, 10}, {Busy, 70}} << Answers{} << Indices{} << 1 << 10 << 1;
        QTest::newRow("past 60 seconds asks before the count")
            << Calls{{Busy, 10}, {Busy, 70.25}} << Answers{Answer::Retry} << Indices{2} << 0 << 70
            << 0;
        QTest::newRow("run start is rounded half to even")
            << Calls{{Busy, 10.5}, {Busy, 70.6}} << Answers{Answer::Cancel} << Indices{2} << 0 << 71
            << 0;
        QTest::newRow("the 60 seconds run from the start, not the last call")
            << repeat(Busy, 4, 10, 20.1) << Answers{Answer::Cancel} << Indices{4} << 0 << 70 << 2;
        // Time of day starts again at 0 after midnight: only the count can end the run.
        QTest::newRow("after midnight only the count asks")
            << Calls{{Busy, 86399.6}} + repeat(Busy, 101, 1, 50) << Answers{Answer::Cancel}
            << Indices{102} << 0 << 5001 << 100;
        QTest::newRow("another trouble number starts a new run")
            << repeat(Busy, 50, 10) + Calls{{TableLocked, 10}} << Answers{} << Indices{} << 0 << 10
            << 49;
        QTest::newRow("alternating trouble is bounded")
            << repeat(Busy, 301, 10, 0.01, TableLocked) << Answers{Answer::Cancel} << Indices{301}
            << 0 << 13 << 0;
        QTest::newRow("an unexpected error breaks the run")
            << repeat(Busy, 100, 10) + Calls{{TypeMismatch, 10}} + repeat(Busy, 101, 10)
            << Answers{} << Indices{101} << 100 << 10 << 199;
    }

    void runs()
    {
        QFETCH(Calls, calls);
        QFETCH(Answers, answers);
        ScriptedMessages messages;
        for (Answer a : answers)
            messages.answer({a});
        Indices sawMessage;
        for (int i = 0; i < calls.size(); ++i) {
            now = calls[i].time;
            const int before = messages.count();
            const bool again = errorReport().ErrorHandler(
                u"DataForm:SaveChanges"_qs, std::int16_t(calls[i].number), u"Locked"_qs);
            if (messages.count() != before)
                sawMessage.append(i + 1);
            // Silent calls retry; an answered one goes on unless the answer was Retry.
            QCOMPARE(again, messages.count() == before ||
                                answers.value(messages.count() - 1) == Answer::Retry);
            QCOMPARE(int(errorReport().lastErrorNumber()), calls[i].number);
        }
        QTEST(sawMessage, "asked");
        QTEST(errorReport().retryCount(), "retries");
        QTEST(errorReport().retryStart(), "start");
        QTEST(pauses, "pausesTaken");
    }

    void messageWords_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("description");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<Buttons>("buttons");
        const QString prefix = u"Unexpected Error In - DataForm:LoadGrid, Error Number"_qs;
        QTest::newRow("trouble, after the quiet retries")
            << Busy << u"Locked"_qs
            << u"The Program Is Having Trouble Accessing The Database\r\n"
               "If You Choose Cancel, The Results Will Be Unpredictable"_qs
            << Buttons::RetryCancel;
        QTest::newRow("minus sign takes the space")
            << -32768 << u"x"_qs << prefix + u"-32768, x"_qs << Buttons::Ok;
    }

    void messageWords()
    {
        QFETCH(int, number);
        QFETCH(QString, description);
        QFETCH(Buttons, buttons);
        ScriptedMessages messages;
        for (int i = 0; i < 200 && messages.count() == 0; ++i)
            errorReport().ErrorHandler(u"DataForm:LoadGrid"_qs, std::int16_t(number), description);
        QCOMPARE(messages.count(), 1);
        const Message& m = messages.shown().front();
        QTEST(m.text, "expected");
        QCOMPARE(m.buttons, buttons);
    }

    void trappedStep_data()
    {
        QTest::addColumn<int>("skipped");      // a number the step passes over unreported
        QTest::addColumn<Indices>("failures"); // what each attempt fails with; then it succeeds
        QTest::addColumn<Answers>("answers");
        QTest::addColumn<int>("attempts");
        QTest::addColumn<int>("messageCount");
        QTest::addColumn<int>("lastError");
        const Indices longTrouble(110, Busy);
        QTest::newRow("skipped 94 passes over without the report")
            << 94 << Indices{94} << Answers{} << 1 << 0 << 0;
        QTest::newRow("skipping one number does not hide others")
            << 94 << Indices{TypeMismatch} << Answers{} << 1 << 1 << TypeMismatch;
        QTest::newRow("94 is reported where it is not skipped")
            << 0 << Indices{94} << Answers{} << 1 << 1 << 94;
        QTest::newRow("trouble clears by itself")
            << 0 << Indices{Busy, Busy} << Answers{} << 3 << 0 << Busy;
        QTest::newRow("persistent trouble: Retry, then it clears")
            << 0 << longTrouble << Answers{Answer::Retry} << 111 << 1 << Busy;
        QTest::newRow("number beyond an Integer is an overflow")
            << 0 << Indices{70000} << Answers{} << 1 << 1 << 6;
        QTest::newRow("skip list sees the whole number, not its low bits")
            << 94 << Indices{65536 + 94} << Answers{} << 1 << 1 << 6;
    }

    void trappedStep()
    {
        QFETCH(int, skipped);
        QFETCH(Indices, failures);
        QFETCH(Answers, answers);
        QFETCH(int, messageCount);
        QFETCH(int, lastError);
        ScriptedMessages messages;
        for (Answer a : answers)
            messages.answer({a});
        Trap trap =
            skipped ? Trap(u"DataForm:LoadData"_qs, {skipped}) : Trap(u"DataForm:LoadData"_qs);
        int tried = 0;
        const bool ok = trap.step([&]() -> std::optional<Failure> {
            const int k = tried++;
            if (k < failures.size())
                return Failure{failures[k], u"Failed"_qs};
            return std::nullopt;
        });
        QTEST(tried, "attempts");
        QCOMPARE(ok, tried == failures.size() + 1); // the last attempt went through
        QCOMPARE(messages.count(), messageCount);
        // A step is passed over when it was reported and never went through.
        const bool passedOver = messageCount > 0 && !ok;
        QCOMPARE(trap.anyFailed(), passedOver);
        QCOMPARE(int(errorReport().lastErrorNumber()), lastError);
        // The procedure goes on after a step passed over; a number beyond an Integer
        // survives in the words, though the report carries the overflow.
        QVERIFY(trap.step([] { return std::optional<Failure>(); }));
        QCOMPARE(trap.anyFailed(), passedOver);
        if (lastError == 6)
            QVERIFY(messages.texts().front().contains(QString::number(failures.front())));
    }
};

QTEST_GUILESS_MAIN(TestShell)
#include "tst_shell.moc"
