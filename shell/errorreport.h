#pragma once
// The one error routine of the program. Procedures that work with the database or
// build the sociogram pass their failures here; database lock trouble is retried
// quietly for a while, anything else is reported, and the answer decides whether
// the failed step runs again or is passed over.

#include "codes.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <vector>

// A failed step: the error number and the platform's description of it.
struct Failure {
    std::int32_t number = 0;
    QString description;
};

// Numbers of run-time errors outside the database.
namespace ErrorNumber = Codes::ErrorNumber;

Failure runtimeFailure(int number);

class ErrorReport {
public:
    using Clock = std::function<double()>; // time of day in seconds, with fractions
    using Pause = std::function<void()>;   // a short random idle wait

    static bool isDatabaseTrouble(int number);

    // True: try the failed step again. False: go on with the next step.
    bool ErrorHandler(const QString& label, std::int16_t number, const QString& description);

    void setClock(Clock clock);
    void setPause(Pause pause);
    void reset();

    std::int16_t lastErrorNumber() const { return lastError; }
    std::int32_t retryCount() const { return retries; }
    std::int32_t retryStart() const { return start; }

    // Bound for runs of trouble whose numbers keep changing, which would otherwise
    // reset the count on every call and never reach the question.
    static constexpr int MixedTroubleLimit = 300;

private:
    bool askAboutTrouble();

    std::int16_t lastError = 0;
    std::int32_t retries = 0;
    std::int32_t start = 0;
    std::int32_t troubleCalls = 0;
    double troubleSince = 0;
    Clock clock;
    Pause pause;
};

ErrorReport& errorReport();

// The handler of one labelled procedure: each step runs until it succeeds or the
// report says to go on; numbers listed as skipped are passed over without a word.
class Trap {
public:
    explicit Trap(QString label, std::initializer_list<int> skipped = {});

    // Runs a step that reports its own failure. Returns true when it succeeded.
    bool step(const std::function<std::optional<Failure>()>& attempt);

    // True once any step of this procedure was passed over after failing.
    bool anyFailed() const { return failed; }
    const QString& label() const { return name; }

private:
    QString name;
    std::vector<int> skip;
    bool failed = false;
};
