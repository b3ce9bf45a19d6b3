// Randomised texts and floats against independent readings of what the number
// readers and the rounding must give. The seed is fixed so a failure repeats;
// SOCIOGRAM_FUZZ_SEED and SOCIOGRAM_FUZZ_COUNT change it and the number of inputs.

#include "numbers.h"

#include <QFile>
#include <QtTest>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

quint64 envNumber(const char* name, quint64 fallback)
{
    bool ok = false;
    const quint64 v = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? v : fallback;
}

QString escaped(const QString& s)
{
    QString out;
    for (QChar c : s) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f && c != u'\\')
            out += c;
        else
            out += u"\\u%1"_qs.arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    return out;
}

QString unescaped(const QString& s)
{
    QString out;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\\' && i + 5 < s.size() && s[i + 1] == u'u') {
            out += QChar(char16_t(s.mid(i + 2, 4).toUShort(nullptr, 16)));
            i += 5;
        } else {
            out += s[i];
        }
    }
    return out;
}

// --- Independent readings -------------------------------------------------------

enum class Range { Fits, TooLarge, TooSmall };

// Decimal magnitude of a number text: where its first significant digit stands.
Range rangeOf(const std::string& t)
{
    long long exponent = 0;
    const size_t e = t.find_first_of("eE");
    if (e != std::string::npos)
        exponent =
            std::clamp(std::strtoll(t.c_str() + e + 1, nullptr, 10), -1000000000LL, 1000000000LL);
    const std::string mantissa = t.substr(0, e);
    const size_t point = mantissa.find('.');
    const size_t first = mantissa.find_first_of("123456789");
    if (first == std::string::npos)
        return Range::Fits; // zero never leaves the range
    const long long intDigits = (long long)(point == std::string::npos ? mantissa.size() : point);
    const long long firstAt = (long long)first;
    const long long position = firstAt < intDigits ? intDigits - firstAt : intDigits - firstAt + 1;
    return exponent + position > 0 ? Range::TooLarge : Range::TooSmall;
}

struct Parsed {
    double value = 0;
    size_t used = 0; // characters of the text that make the number, 0 when none
    Range range = Range::Fits;
};

// The longest decimal number at the start of an ASCII text.
Parsed parseDecimal(const std::string& t)
{
    // from_chars takes no plus sign, so it is stepped over; a second sign ends it.
    const size_t start = !t.empty() && t[0] == '+' ? 1 : 0;
    size_t body = start;
    if (body < t.size() && t[body] == '-') {
        if (start == 1)
            return {};
        ++body;
    }
    if (body >= t.size())
        return {};
    const char c = t[body];
    const bool digitNext = body + 1 < t.size() && t[body + 1] >= '0' && t[body + 1] <= '9';
    if (!((c >= '0' && c <= '9') || (c == '.' && digitNext)))
        return {}; // excludes inf, nan and hex, which are not decimal numbers
    double v = 0;
    const auto [end, ec] = std::from_chars(t.data() + start, t.data() + t.size(), v);
    if (ec == std::errc::invalid_argument)
        return {};
    Parsed p;
    p.used = size_t(end - t.data());
    p.value = v;
    if (ec == std::errc::result_out_of_range) {
        p.range = rangeOf(t.substr(body, p.used - body));
        p.value = 0;
    }
    return p;
}

std::string asciiUntilOther(const QString& s)
{
    std::string out;
    for (QChar c : s)
        out += c.unicode() < 0x80 && c.unicode() != 0 ? char(c.unicode()) : '#';
    return out;
}

double referenceLeading(const QString& text)
{
    QString kept;
    for (QChar c : text)
        if (c != u' ' && c != u'\t' && c != u'\n' && c != u'\r')
            kept += c;
    const Parsed p = parseDecimal(asciiUntilOther(kept));
    return p.range == Range::Fits ? p.value : 0.0;
}

std::optional<double> referenceWhole(const QString& text)
{
    const std::string t = asciiUntilOther(text.trimmed());
    const Parsed p = parseDecimal(t);
    if (p.used == 0 || p.used != t.size() || p.range == Range::TooLarge)
        return std::nullopt;
    return p.value;
}

double referenceRound(double v)
{
    const double fl = std::floor(v);
    const double diff = v - fl;
    if (diff > 0.5)
        return fl + 1;
    if (diff < 0.5)
        return fl;
    return std::fmod(fl, 2.0) == 0 ? fl : fl + 1;
}

template <class T> std::optional<long long> referenceWholeNumber(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    const double r = referenceRound(v);
    if (r < double(std::numeric_limits<T>::min()) || r > double(std::numeric_limits<T>::max()))
        return std::nullopt;
    return static_cast<long long>(r);
}

// --- Inputs ---------------------------------------------------------------------

class Inputs {
public:
    explicit Inputs(quint64 seed) : random(seed) {}

    QString text()
    {
        static const char16_t pieces[] = {
            u'0',  u'1',  u'2',   u'3',   u'4',   u'5',   u'6',   u'7',  u'8', u'9',
            u'0',  u'1',  u'9',   u'+',   u'-',   u'.',   u'.',   u'e',  u'E', u' ',
            u'\t', u'\n', u'\r',  u'x',   u'd',   u'i',   u'n',   u'f',  u'a', u'&',
            u'H',  u'\0', 0x0663, 0xff13, 0x00a0, 0x2003, 0xd800, 0x000b};
        QString s;
        const int kind = pick(20);
        if (kind == 0) {
            s = QString(pick(400) + 1, u'0');
            s += QString::number(pick(1000));
        } else if (kind == 1) {
            s = u"%1e%2%3"_qs.arg(pick(100)).arg(pick(2) ? u"-"_qs : u""_qs).arg(pick(700));
        }
        const int n = pick(14);
        for (int i = 0; i < n; ++i)
            s.insert(pick(int(s.size()) + 1), QChar(pieces[pick(int(std::size(pieces)))]));
        return s;
    }

    double number()
    {
        switch (pick(6)) {
        case 0: { // any bit pattern: huge, tiny, infinite, not a number
            const quint64 bits = random();
            double d;
            std::memcpy(&d, &bits, sizeof d);
            return d;
        }
        case 1:
        case 2: { // quarters around the Integer and Long bounds
            static const double bounds[] = {32767, -32768, 2147483647, -2147483648.0};
            return bounds[pick(4)] + (pick(33) - 16) / 4.0;
        }
        case 3:
            return (int(pick(160001)) - 80000) / 2.0;
        default:
            return std::uniform_real_distribution<double>(-5e9, 5e9)(random);
        }
    }

private:
    int pick(int n) { return int(random() % quint64(n)); }
    std::mt19937_64 random;
};

} // namespace

class TestFuzzNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textsAgainstReference();
    void floatsAgainstReference();
    void keptCorpus();

private:
    static QString checkText(const QString& text);
};

QString TestFuzzNumbers::checkText(const QString& text)
{
    const double leading = Numbers::leadingValue(text);
    const double wantLeading = referenceLeading(text);
    if (!std::isfinite(leading) || leading != wantLeading)
        return u"leadingValue(\"%1\") = %2, expected %3"_qs.arg(escaped(text))
            .arg(leading)
            .arg(wantLeading);
    const std::optional<double> whole = Numbers::wholeValue(text);
    const std::optional<double> wantWhole = referenceWhole(text);
    if (whole.has_value() != wantWhole.has_value() || (whole && *whole != *wantWhole))
        return u"wholeValue(\"%1\") = %2, expected %3"_qs.arg(escaped(text))
            .arg(whole ? QString::number(*whole) : u"none"_qs)
            .arg(wantWhole ? QString::number(*wantWhole) : u"none"_qs);
    return {};
}

void TestFuzzNumbers::textsAgainstReference()
{
    const quint64 seed = envNumber("SOCIOGRAM_FUZZ_SEED", 19460101);
    const quint64 count = envNumber("SOCIOGRAM_FUZZ_COUNT", 1000000);
    Inputs inputs(seed);
    QStringList faults;
    for (quint64 i = 0; i < count && faults.size() < 10; ++i) {
        const QString problem = checkText(inputs.text());
        if (!problem.isEmpty())
            faults << problem;
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestFuzzNumbers::floatsAgainstReference()
{
    const quint64 seed = envNumber("SOCIOGRAM_FUZZ_SEED", 19460101);
    const quint64 count = envNumber("SOCIOGRAM_FUZZ_COUNT", 1000000);
    Inputs inputs(seed + 1);
    QStringList faults;
    for (quint64 i = 0; i < count && faults.size() < 10; ++i) {
        const double v = inputs.number();
        const std::optional<std::int16_t> integer = Numbers::toInteger(v);
        const std::optional<long long> wantInteger = referenceWholeNumber<std::int16_t>(v);
        const std::optional<std::int32_t> whole = Numbers::toLong(v);
        const std::optional<long long> wantWhole = referenceWholeNumber<std::int32_t>(v);
        const bool integerOk = integer.has_value() == wantInteger.has_value() &&
                               (!integer || *integer == *wantInteger);
        const bool longOk =
            whole.has_value() == wantWhole.has_value() && (!whole || *whole == *wantWhole);
        const bool roundOk = !std::isfinite(v) || Numbers::roundHalfEven(v) == referenceRound(v);
        if (!integerOk || !longOk || !roundOk)
            faults << u"%1: toInteger %2, toLong %3, round %4"_qs.arg(v, 0, 'g', 17)
                          .arg(integer ? QString::number(*integer) : u"none"_qs)
                          .arg(whole ? QString::number(*whole) : u"none"_qs)
                          .arg(Numbers::roundHalfEven(v), 0, 'g', 17);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

void TestFuzzNumbers::keptCorpus()
{
    QFile file(QStringLiteral(SOCIOGRAM_CORPUS_DIR "/numbers.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    int lines = 0;
    QStringList faults;
    while (!file.atEnd()) {
        QString line = QString::fromUtf8(file.readLine());
        line.chop(line.endsWith(u'\n') ? 1 : 0);
        if (line.startsWith(u'#'))
            continue;
        ++lines;
        const QString problem = checkText(unescaped(line));
        if (!problem.isEmpty())
            faults << problem;
    }
    QVERIFY(lines > 20);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestFuzzNumbers)
#include "tst_fuzz_numbers.moc"
