#pragma once
// What a database operation gives back: a value, or the error with its number,
// the sentence a user reads and the engine's own detail.

#include "errorreport.h"

#include <QString>
#include <optional>
#include <utility>
#include <variant>

struct DbError {
    int number = 0;   // in the numbering of the error report
    QString sentence; // what the user reads
    QString detail;   // the engine's own text, for diagnosis
    int engineCode = 0;

    Failure failure() const { return {number, sentence}; }
};

template <class T = std::monostate> class Result {
public:
    Result(T value) : v(std::move(value)) {}
    Result(DbError error) : v(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(v); }
    explicit operator bool() const { return ok(); }
    const T& value() const { return std::get<T>(v); }
    T& value() { return std::get<T>(v); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const DbError& error() const { return std::get<DbError>(v); }

    // The failure to hand to a trapped step, or nothing when the operation succeeded.
    std::optional<Failure> failure() const
    {
        if (ok())
            return std::nullopt;
        return error().failure();
    }

private:
    std::variant<T, DbError> v;
};

using Done = Result<std::monostate>;
inline Done done()
{
    return Done(std::monostate{});
}
