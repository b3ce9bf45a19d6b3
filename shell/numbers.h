#pragma once
// How texts become numbers, and how floats become the whole numbers that are stored.

#include <QString>
#include <cstdint>
#include <optional>

namespace Numbers {

// The longest leading decimal number of a text, blanks ignored wherever they stand:
// "3x" reads 3, " 1 2" reads 12, "2.5" reads 2.5, "-4" reads -4, a text without a
// leading number reads 0. An exponent (1e3) is taken when digits follow it.
double leadingValue(const QString& text);

// The whole text as a number (surrounding blanks allowed), or nothing when the text
// is empty or is not a number as a whole ("3x", "x", "").
std::optional<double> wholeValue(const QString& text);

// Rounding to the nearest whole number, an exact half going to the even neighbour.
double roundHalfEven(double v);

// The rounded value when it fits the type, otherwise nothing (an overflow).
std::optional<std::int16_t> toInteger(double v);
std::optional<std::int32_t> toLong(double v);

// A number as plain decimal text without blanks: 3 -> "3", 2.5 -> "2.5".
QString decimalText(double v);

} // namespace Numbers
