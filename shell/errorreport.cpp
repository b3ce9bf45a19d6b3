#include "errorreport.h"

#include "messages.h"
#include "numbers.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTime>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Calls further apart than this belong to separate episodes of trouble.
constexpr double EpisodeGap = 2.0;

// The retry start is a Long, and a float goes into a Long rounded half to even.
std::int32_t wholeSeconds(double seconds)
{
    return static_cast<std::int32_t>(Numbers::roundHalfEven(seconds));
}

double timeOfDay()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void shortRandomPause()
{
    QRandomGenerator random(static_cast<quint32>(QTime::currentTime().msecsSinceStartOfDay()));
    const double r = random.generateDouble();
    const long limit = std::lround(r * 1000);
    for (volatile long i = 0; i < limit;) {
        i = i + 1;
    }
}

QString signedNumberText(int n)
{
    // A leading space stands where a minus sign would.
    return n < 0 ? QString::number(n) : QStringLiteral(" ") + QString::number(n);
}

} // namespace

Failure runtimeFailure(int number)
{
    switch (number) {
    case ErrorNumber::Overflow:
        return {number, QCoreApplication::translate("ErrorReport", "Overflow")};
    case ErrorNumber::SubscriptOutOfRange:
        return {number, QCoreApplication::translate("ErrorReport", "Subscript out of range")};
    case ErrorNumber::DivisionByZero:
        return {number, QCoreApplication::translate("ErrorReport", "Division by zero")};
    case ErrorNumber::TypeMismatch:
        return {number, QCoreApplication::translate("ErrorReport", "Type mismatch")};
    case ErrorNumber::InvalidUseOfNull:
        return {number, QCoreApplication::translate("ErrorReport", "Invalid use of Null")};
    case ErrorNumber::ObjectAlreadyLoaded:
        return {number, QCoreApplication::translate("ErrorReport", "Object already loaded")};
    default:
        return {number, QCoreApplication::translate("ErrorReport",
                                                    "Application-defined or object-defined error")};
    }
}

bool ErrorReport::isDatabaseTrouble(int number)
{
    return std::find(std::begin(Codes::DbNumber::Trouble), std::end(Codes::DbNumber::Trouble),
                     number) != std::end(Codes::DbNumber::Trouble);
}

bool ErrorReport::askAboutTrouble()
{
    const Answer a =
        MsgBox(QCoreApplication::translate(
                   "ErrorReport", "The Program Is Having Trouble Accessing The Database\r\n"
                                  "If You Choose Cancel, The Results Will Be Unpredictable"),
               Buttons::RetryCancel, Icon::Information);
    troubleCalls = 0;
    return a == Answer::Retry;
}

bool ErrorReport::ErrorHandler(const QString& label, std::int16_t number,
                               const QString& description)
{
    const double now = clock ? clock() : timeOfDay();
    bool result = false;
    if (isDatabaseTrouble(number)) {
        result = true;
        const double sinceLast = now - troubleSince;
        if (troubleCalls == 0 || sinceLast < 0 || sinceLast > EpisodeGap)
            troubleCalls = 0;
        ++troubleCalls;
        troubleSince = now;
        if (number == lastError) {
            ++retries;
            if (now - start > 60 || retries > 100) {
                result = askAboutTrouble();
                retries = 0;
                start = wholeSeconds(now);
            } else if (pause) {
                pause();
            } else {
                shortRandomPause();
            }
        } else {
            retries = 0;
            start = wholeSeconds(now);
            if (troubleCalls > MixedTroubleLimit)
                result = askAboutTrouble();
        }
    } else {
        retries = 0;
        troubleCalls = 0;
        // One sentence for a translator; the number keeps its leading blank or sign.
        MsgBox(QCoreApplication::translate("ErrorReport",
                                           "Unexpected Error In - %1, Error Number%2, %3")
                   .arg(label, signedNumberText(number), description),
               Buttons::Ok, Icon::Information);
        result = false;
    }
    lastError = number;
    return result;
}

void ErrorReport::setClock(Clock c)
{
    clock = std::move(c);
}
void ErrorReport::setPause(Pause p)
{
    pause = std::move(p);
}

void ErrorReport::reset()
{
    lastError = 0;
    retries = 0;
    start = 0;
    troubleCalls = 0;
    troubleSince = 0;
}

ErrorReport& errorReport()
{
    static ErrorReport report;
    return report;
}

Trap::Trap(QString label, std::initializer_list<int> skipped)
    : name(std::move(label)), skip(skipped)
{
}

bool Trap::step(const std::function<std::optional<Failure>()>& attempt)
{
    for (;;) {
        const std::optional<Failure> f = attempt();
        if (!f)
            return true;
        if (std::find(skip.begin(), skip.end(), f->number) != skip.end())
            return false;
        std::int16_t number = 0;
        QString description = f->description;
        if (f->number < std::numeric_limits<std::int16_t>::min() ||
            f->number > std::numeric_limits<std::int16_t>::max()) {
            // Too large for the report's number: say so and keep the original.
            number = ErrorNumber::Overflow;
            description = QCoreApplication::translate("ErrorReport", "Error %1: %2")
                              .arg(f->number)
                              .arg(f->description);
        } else {
            number = static_cast<std::int16_t>(f->number);
        }
        if (!errorReport().ErrorHandler(name, number, description)) {
            failed = true;
            return false;
        }
    }
}
