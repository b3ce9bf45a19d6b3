#pragma once
// Reading a stored field as a number. The file may hold anything in a field (an
// empty value, a text, a number too large for the program's type); each of these
// fails the way the conversion of such a field would, so that the caller can report
// it under its own label and go on with the next row.

#include "errorreport.h"

#include <QVariant>
#include <cstdint>
#include <optional>

namespace FieldValue {

using Step = std::optional<Failure>;

// Any number; a text counts when it is a number as a whole ("2.5", " 3 ").
Step number(const QVariant& field, double& out);
// A 32-bit whole number (a fraction is rounded half to even).
Step wholeLong(const QVariant& field, std::int32_t& out);
// A 16-bit whole number (a fraction is rounded half to even).
Step wholeInteger(const QVariant& field, std::int16_t& out);
// A key such as RECORD: a stored number without a fraction. A text or a fraction is
// refused rather than read, since it would name another row.
Step exactWholeLong(const QVariant& field, std::int32_t& out);

} // namespace FieldValue
