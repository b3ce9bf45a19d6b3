#include "numbers.h"

#include <cmath>
#include <limits>

namespace Numbers {

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r';
}

QString withoutBlanks(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (!isBlank(c))
            out.append(c);
    }
    return out;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Length of the longest prefix of s that is a decimal number, 0 when none.
qsizetype numberPrefix(const QString& s)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(s[i])) {
        ++i;
        ++digits;
    }
    if (i < n && s[i] == u'.') {
        qsizetype j = i + 1;
        qsizetype fraction = 0;
        while (j < n && isDigit(s[j])) {
            ++j;
            ++fraction;
        }
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (s[i] == u'e' || s[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (s[j] == u'+' || s[j] == u'-'))
            ++j;
        qsizetype expDigits = 0;
        while (j < n && isDigit(s[j])) {
            ++j;
            ++expDigits;
        }
        if (expDigits > 0)
            i = j;
    }
    return i;
}

double parsePrefix(const QString& s, qsizetype len)
{
    bool ok = false;
    const double v = s.left(len).toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return 0.0;
    return v;
}

} // namespace

double leadingValue(const QString& text)
{
    const QString s = withoutBlanks(text);
    const qsizetype len = numberPrefix(s);
    return len == 0 ? 0.0 : parsePrefix(s, len);
}

std::optional<double> wholeValue(const QString& text)
{
    const QString s = text.trimmed();
    if (s.isEmpty())
        return std::nullopt;
    const qsizetype len = numberPrefix(s);
    if (len != s.size())
        return std::nullopt;
    bool ok = false;
    const double v = s.toDouble(&ok);
    // The text is a number; refusal can only mean out of range. Too small to tell
    // from zero is zero, too large is no number the program can hold.
    if (!ok && v == 0)
        return 0.0;
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

double roundHalfEven(double v)
{
    return std::nearbyint(v); // the default rounding mode is to nearest, ties to even
}

std::optional<std::int16_t> toInteger(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    const double r = roundHalfEven(v);
    if (r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(r);
}

std::optional<std::int32_t> toLong(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    const double r = roundHalfEven(v);
    if (r < std::numeric_limits<std::int32_t>::min() ||
        r > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(r);
}

QString decimalText(double v)
{
    return QString::number(v, 'g', 15);
}

} // namespace Numbers
