// Reading numbers out of cell and box texts, and turning floats into the whole
// numbers that the program stores.

#include "numbers.h"

#include <QtTest>
#include <cmath>
#include <limits>

namespace {

using OptDouble = std::optional<double>;
using OptInt = std::optional<int>;

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

OptInt asInt(std::optional<std::int16_t> v)
{
    return v ? OptInt(*v) : std::nullopt;
}
OptInt asInt(std::optional<std::int32_t> v)
{
    return v ? OptInt(*v) : std::nullopt;
}

} // namespace

Q_DECLARE_METATYPE(OptDouble)
Q_DECLARE_METATYPE(OptInt)

class TestNumbers : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void leadingValue_data();
    void leadingValue();
    void wholeValue_data();
    void wholeValue();
    void roundHalfEven_data();
    void roundHalfEven();
    void toInteger_data();
    void toInteger();
    void toLong_data();
    void toLong();
    void decimalText_data();
    void decimalText();
    void decimalTextReadsBack();
};

void TestNumbers::leadingValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << u""_qs << 0.0;
    QTest::newRow("plain") << u"7"_qs << 7.0;
    QTest::newRow("trailing letter") << u"3x"_qs << 3.0;
    QTest::newRow("letter only") << u"x"_qs << 0.0;
    QTest::newRow("blanks inside") << u" 1 2"_qs << 12.0;
    QTest::newRow("tab and line feed") << u"\t4\n"_qs << 4.0;
    QTest::newRow("blank after sign") << u"- 5"_qs << -5.0;
    QTest::newRow("fraction") << u"2.5"_qs << 2.5;
    QTest::newRow("negative") << u"-4"_qs << -4.0;
    QTest::newRow("plus sign") << u"+7"_qs << 7.0;
    QTest::newRow("double sign") << u"--1"_qs << 0.0;
    QTest::newRow("sign only") << u"-"_qs << 0.0;
    QTest::newRow("point only") << u"."_qs << 0.0;
    QTest::newRow("leading point") << u".5"_qs << 0.5;
    QTest::newRow("trailing point") << u"5."_qs << 5.0;
    QTest::newRow("second point stops") << u"1.2.3"_qs << 1.2;
    QTest::newRow("minus inside stops") << u"3-4"_qs << 3.0;
    QTest::newRow("exponent") << u"1e3"_qs << 1000.0;
    QTest::newRow("negative exponent") << u"1E-2"_qs << 0.01;
    QTest::newRow("exponent without digits") << u"1e"_qs << 1.0;
    QTest::newRow("exponent sign without digits") << u"1e+"_qs << 1.0;
    QTest::newRow("point then exponent") << u"5.e1"_qs << 50.0;
    QTest::newRow("hex is not decimal") << u"0x10"_qs << 0.0;
    QTest::newRow("infinity word") << u"inf"_qs << 0.0;
    QTest::newRow("not a number word") << u"nan"_qs << 0.0;
    QTest::newRow("too large reads 0, not infinity") << u"1e999"_qs << 0.0;
    QTest::newRow("too small reads 0") << u"1e-999x"_qs << 0.0;
    QTest::newRow("arabic-indic digit") << u"\u0663"_qs << 0.0;
    QTest::newRow("full-width digit") << u"\uff13"_qs << 0.0;
    QTest::newRow("long digits") << u"000000000000000000000000000042"_qs << 42.0;
}

void TestNumbers::leadingValue()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double v = Numbers::leadingValue(text);
    QVERIFY(std::isfinite(v));
    QCOMPARE(v, expected);
}

void TestNumbers::wholeValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<OptDouble>("expected");
    QTest::newRow("plain") << u"3"_qs << OptDouble(3);
    QTest::newRow("surrounding blanks") << u"  3 "_qs << OptDouble(3);
    QTest::newRow("fraction") << u"2.5"_qs << OptDouble(2.5);
    QTest::newRow("negative") << u"-4"_qs << OptDouble(-4);
    QTest::newRow("plus sign") << u"+4"_qs << OptDouble(4);
    QTest::newRow("exponent") << u"1e3"_qs << OptDouble(1000);
    QTest::newRow("leading point") << u".5"_qs << OptDouble(0.5);
    QTest::newRow("empty") << u""_qs << OptDouble();
    QTest::newRow("blanks only") << u"   "_qs << OptDouble();
    QTest::newRow("trailing letter") << u"3x"_qs << OptDouble();
    QTest::newRow("letter") << u"x"_qs << OptDouble();
    QTest::newRow("blank inside") << u"1 2"_qs << OptDouble();
    QTest::newRow("point only") << u"."_qs << OptDouble();
    QTest::newRow("sign only") << u"-"_qs << OptDouble();
    QTest::newRow("exponent without digits") << u"1e"_qs << OptDouble();
    QTest::newRow("infinity word") << u"inf"_qs << OptDouble();
    QTest::newRow("not a number word") << u"nan"_qs << OptDouble();
    QTest::newRow("hex") << u"0x10"_qs << OptDouble();
    QTest::newRow("too large") << u"1e999"_qs << OptDouble();
    QTest::newRow("too small to tell from zero") << u"1e-999"_qs << OptDouble(0);
}

void TestNumbers::wholeValue()
{
    QFETCH(QString, text);
    QFETCH(OptDouble, expected);
    QCOMPARE(Numbers::wholeValue(text), expected);
}

void TestNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<double>("expected");
    QTest::newRow("180.5 down to even") << 180.5 << 180.0;
    QTest::newRow("181.5 up to even") << 181.5 << 182.0;
    QTest::newRow("0.5") << 0.5 << 0.0;
    QTest::newRow("1.5") << 1.5 << 2.0;
    QTest::newRow("2.5") << 2.5 << 2.0;
    QTest::newRow("-1.5") << -1.5 << -2.0;
    QTest::newRow("-2.5") << -2.5 << -2.0;
    QTest::newRow("below half") << 2.4999 << 2.0;
    QTest::newRow("above half") << 2.5001 << 3.0;
    QTest::newRow("whole") << 7.0 << 7.0;
}

void TestNumbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(double, expected);
    QCOMPARE(Numbers::roundHalfEven(value), expected);
}

void TestNumbers::toInteger_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<OptInt>("expected");
    QTest::newRow("largest") << 32767.0 << OptInt(32767);
    QTest::newRow("rounds down into range") << 32767.4 << OptInt(32767);
    QTest::newRow("rounds up out of range") << 32767.5 << OptInt();
    QTest::newRow("half to even stays in range") << 32766.5 << OptInt(32766);
    QTest::newRow("one past largest") << 32768.0 << OptInt();
    QTest::newRow("smallest") << -32768.0 << OptInt(-32768);
    QTest::newRow("negative half to even") << -32768.5 << OptInt(-32768);
    QTest::newRow("below smallest") << -32768.6 << OptInt();
    QTest::newRow("far out") << 1e10 << OptInt();
    QTest::newRow("twips") << 4829.5 << OptInt(4830);
    QTest::newRow("not a number") << NaN << OptInt();
    QTest::newRow("infinity") << Inf << OptInt();
    QTest::newRow("minus infinity") << -Inf << OptInt();
}

void TestNumbers::toInteger()
{
    QFETCH(double, value);
    QFETCH(OptInt, expected);
    QCOMPARE(asInt(Numbers::toInteger(value)), expected);
}

void TestNumbers::toLong_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<OptInt>("expected");
    QTest::newRow("largest") << 2147483647.0 << OptInt(2147483647);
    QTest::newRow("rounds up out of range") << 2147483647.5 << OptInt();
    QTest::newRow("half to even stays in range") << 2147483646.5 << OptInt(2147483646);
    QTest::newRow("smallest") << -2147483648.0 << OptInt(std::numeric_limits<int>::min());
    QTest::newRow("negative half to even")
        << -2147483648.5 << OptInt(std::numeric_limits<int>::min());
    QTest::newRow("below smallest") << -2147483649.0 << OptInt();
    QTest::newRow("Integer overflow is a fine Long") << 40000.0 << OptInt(40000);
    QTest::newRow("not a number") << NaN << OptInt();
    QTest::newRow("infinity") << Inf << OptInt();
}

void TestNumbers::toLong()
{
    QFETCH(double, value);
    QFETCH(OptInt, expected);
    QCOMPARE(asInt(Numbers::toLong(value)), expected);
}

void TestNumbers::decimalText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 3.0 << u"3"_qs;
    QTest::newRow("fraction") << 2.5 << u"2.5"_qs;
    QTest::newRow("negative") << -4.0 << u"-4"_qs;
    QTest::newRow("zero") << 0.0 << u"0"_qs;
    QTest::newRow("negative zero has no sign") << -0.0 << u"0"_qs;
    QTest::newRow("sum shows no noise") << 0.1 + 0.2 << u"0.3"_qs;
    QTest::newRow("million is not exponent form") << 1e6 << u"1000000"_qs;
    QTest::newRow("largest Long") << 2147483647.0 << u"2147483647"_qs;
}

void TestNumbers::decimalText()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(Numbers::decimalText(value), expected);
}

void TestNumbers::decimalTextReadsBack()
{
    // A stored answer is written as text into a cell and read again from it.
    for (double v : {1.0, 2.5, 40.0, 0.125, -3.75, 12345.678}) {
        const QString text = Numbers::decimalText(v);
        QVERIFY2(!text.contains(u' '), qPrintable(text));
        QCOMPARE(Numbers::leadingValue(text), v);
        QCOMPARE(Numbers::wholeValue(text), OptDouble(v));
    }
}

QTEST_GUILESS_MAIN(TestNumbers)
#include "tst_shell_numbers.moc"
