// Tests for reading the number a text begins with.
#include "qtpeers.h"
#include "runtime/textnumber.h"

#include <QRandomGenerator>
#include <QTest>

#include <cfloat>
#include <cmath>
#include <limits>

class TstTextNumber : public QObject
{
    Q_OBJECT

private slots:
    void decimal_data();
    void decimal() { checkExact(); }
    void based_data();
    void based() { checkExact(); }
    void rounding_data();
    void rounding() { checkExact(); }
    void longText_data();
    void longText() { checkExact(); }
    void fullWidth_data();
    void fullWidth();
    void zeroIsPositive_data();
    void zeroIsPositive();
    void alwaysFinite();

private:
    static void addColumns();
    static void checkExact();
};

void TstTextNumber::addColumns()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
}

// Bit-exact: the rounding cases differ from their neighbours in the last place only.
void TstTextNumber::checkExact()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const double actual = textToNumber(u16(text));
    QVERIFY2(actual == expected, QByteArray("got ") + QByteArray::number(actual, 'g', 17) +
                                     ", expected " + QByteArray::number(expected, 'g', 17));
}

void TstTextNumber::decimal_data()
{
    addColumns();
    QTest::newRow("empty") << QString() << 0.0;
    QTest::newRow("blanks only") << QStringLiteral(" \t\r\n ") << 0.0;
    QTest::newRow("letters") << QStringLiteral("abc") << 0.0;
    QTest::newRow("sign alone") << QStringLiteral("-") << 0.0;
    QTest::newRow("point alone") << QStringLiteral(".") << 0.0;
    QTest::newRow("sign and point") << QStringLiteral("-.") << 0.0;
    QTest::newRow("exponent alone") << QStringLiteral("e5") << 0.0;
    QTest::newRow("point and exponent") << QStringLiteral(".e5") << 0.0;
    QTest::newRow("integer") << QStringLiteral("12") << 12.0;
    QTest::newRow("leading zeros") << QStringLiteral("007") << 7.0;
    QTest::newRow("plus") << QStringLiteral("+12") << 12.0;
    QTest::newRow("minus") << QStringLiteral("-12") << -12.0;
    QTest::newRow("blank inside digits") << QStringLiteral("1 2") << 12.0;
    QTest::newRow("blanks around sign") << QStringLiteral(" - 5") << -5.0;
    QTest::newRow("blanks around point") << QStringLiteral("1 . 5") << 1.5;
    QTest::newRow("tab, lf, cr inside") << QStringLiteral("\t1\n2\r3 ") << 123.0;
    QTest::newRow("blanks in exponent") << QStringLiteral("1 e - 2") << 0.01;
    QTest::newRow("two minus") << QStringLiteral("--5") << 0.0;
    QTest::newRow("plus minus") << QStringLiteral("+-5") << 0.0;
    QTest::newRow("minus plus") << QStringLiteral("-+5") << 0.0;
    QTest::newRow("no integer part") << QStringLiteral(".5") << 0.5;
    QTest::newRow("negative fraction") << QStringLiteral("-.5") << -0.5;
    QTest::newRow("trailing point") << QStringLiteral("5.") << 5.0;
    QTest::newRow("second point") << QStringLiteral("1.5.3") << 1.5;
    QTest::newRow("comma") << QStringLiteral("1,000") << 1.0;
    QTest::newRow("trailing letters") << QStringLiteral("12abc") << 12.0;
    QTest::newRow("underscore") << QStringLiteral("1_000") << 1.0;
    QTest::newRow("e") << QStringLiteral("1e3") << 1000.0;
    QTest::newRow("E") << QStringLiteral("1E3") << 1000.0;
    QTest::newRow("d") << QStringLiteral("1d2") << 100.0;
    QTest::newRow("D") << QStringLiteral("1D2") << 100.0;
    QTest::newRow("exponent plus") << QStringLiteral("1e+3") << 1000.0;
    QTest::newRow("exponent minus") << QStringLiteral("1e-3") << 0.001;
    QTest::newRow("exponent without digits") << QStringLiteral("2e") << 2.0;
    QTest::newRow("exponent sign only") << QStringLiteral("2e+") << 2.0;
    QTest::newRow("exponent minus only") << QStringLiteral("2D-") << 2.0;
    QTest::newRow("exponent then letter") << QStringLiteral("2ex") << 2.0;
    QTest::newRow("fraction and exponent") << QStringLiteral("1.5e3") << 1500.0;
    QTest::newRow("point only fraction, exponent") << QStringLiteral(".5e1") << 5.0;
    QTest::newRow("trailing point, exponent") << QStringLiteral("5.e1") << 50.0;
    QTest::newRow("point after exponent") << QStringLiteral("1e3.5") << 1000.0;
    QTest::newRow("second exponent") << QStringLiteral("1e3e4") << 1000.0;
    QTest::newRow("nan word") << QStringLiteral("nan") << 0.0;
    QTest::newRow("inf word") << QStringLiteral("-inf") << 0.0;
    QTest::newRow("infinity word") << QStringLiteral("infinity") << 0.0;
    QTest::newRow("C hex prefix") << QStringLiteral("0x10") << 0.0;
    QTest::newRow("Arabic-Indic digit") << QStringLiteral("\u0663") << 0.0;
    QTest::newRow("no-break space is no blank") << QStringLiteral("\u00A05") << 0.0;
    QTest::newRow("form feed is no blank") << QStringLiteral("\f5") << 0.0;
    QTest::newRow("NUL stops") << QString(QChar(u'4')) + QChar(u'\0') + QChar(u'2') << 4.0;
}

void TstTextNumber::based_data()
{
    addColumns();
    QTest::newRow("hex") << QStringLiteral("&HFF") << 255.0;
    QTest::newRow("hex lower case") << QStringLiteral("&hff") << 255.0;
    QTest::newRow("octal") << QStringLiteral("&O17") << 15.0;
    QTest::newRow("octal lower case") << QStringLiteral("&o17") << 15.0;
    QTest::newRow("hex without digits") << QStringLiteral("&H") << 0.0;
    QTest::newRow("octal without digits") << QStringLiteral("&O") << 0.0;
    QTest::newRow("ampersand alone") << QStringLiteral("&") << 0.0;
    QTest::newRow("ampersand and digits") << QStringLiteral("&17") << 0.0;
    QTest::newRow("unknown prefix") << QStringLiteral("&B101") << 0.0;
    QTest::newRow("blanks inside") << QStringLiteral(" & h 8 0 0 0 ") << -32768.0;
    QTest::newRow("E is a hex digit") << QStringLiteral("&H1E3") << 483.0;
    QTest::newRow("stops at G") << QStringLiteral("&H1G") << 1.0;
    QTest::newRow("stops at point") << QStringLiteral("&HFF.5") << 255.0;
    QTest::newRow("8 is no octal digit") << QStringLiteral("&O8") << 0.0;
    QTest::newRow("stops at 8") << QStringLiteral("&O78") << 7.0;
    QTest::newRow("sign before prefix") << QStringLiteral("-&H10") << 0.0;
    QTest::newRow("sign after prefix") << QStringLiteral("&H-1") << 0.0;
    QTest::newRow("16-bit max") << QStringLiteral("&H7FFF") << 32767.0;
    QTest::newRow("16-bit min") << QStringLiteral("&H8000") << -32768.0;
    QTest::newRow("16-bit -1") << QStringLiteral("&HFFFF") << -1.0;
    QTest::newRow("17 bits") << QStringLiteral("&H10000") << 65536.0;
    QTest::newRow("32-bit max") << QStringLiteral("&H7FFFFFFF") << 2147483647.0;
    QTest::newRow("32-bit min") << QStringLiteral("&H80000000") << -2147483648.0;
    QTest::newRow("32-bit -1") << QStringLiteral("&HFFFFFFFF") << -1.0;
    QTest::newRow("leading zeros, 16 bits") << QStringLiteral("&H0000FFFF") << -1.0;
    QTest::newRow("leading zeros, 32 bits") << QStringLiteral("&H00000000FFFFFFFF") << -1.0;
    QTest::newRow("octal 16-bit max") << QStringLiteral("&O77777") << 32767.0;
    QTest::newRow("octal 16-bit min") << QStringLiteral("&O100000") << -32768.0;
    QTest::newRow("octal 16-bit -1") << QStringLiteral("&O177777") << -1.0;
    QTest::newRow("octal 17 bits") << QStringLiteral("&O200000") << 65536.0;
    QTest::newRow("octal 32-bit -1") << QStringLiteral("&O37777777777") << -1.0;
    QTest::newRow("octal 33 bits") << QStringLiteral("&O40000000000") << 4294967296.0;
    QTest::newRow("33 bits") << QStringLiteral("&H100000000") << 4294967296.0;
    QTest::newRow("40 bits") << QStringLiteral("&HFFFFFFFFFF") << 1099511627775.0;
    QTest::newRow("53 bits") << QStringLiteral("&H1FFFFFFFFFFFFF") << 9007199254740991.0;
    QTest::newRow("tie to even, down") << QStringLiteral("&H20000000000001") << 9007199254740992.0;
    QTest::newRow("tie to even, up") << QStringLiteral("&H20000000000003") << 9007199254740996.0;
    QTest::newRow("late digit breaks tie")
        << QStringLiteral("&H200000000000010000000001") << std::ldexp(9007199254740994.0, 40);
    QTest::newRow("late zeros keep tie")
        << QStringLiteral("&H200000000000010000000000") << std::ldexp(9007199254740992.0, 40);
    QTest::newRow("hex 2^1020") << QStringLiteral("&H1") + QString(255, u'0')
                                << std::ldexp(1.0, 1020);
    QTest::newRow("octal 2^1020") << QStringLiteral("&O1") + QString(340, u'0')
                                  << std::ldexp(1.0, 1020);
    QTest::newRow("beyond double") << QStringLiteral("&H") + QString(300, u'F') << DBL_MAX;
}

void TstTextNumber::rounding_data()
{
    addColumns();
    QTest::newRow("0.1") << QStringLiteral("0.1") << 0.1;
    QTest::newRow("many digits") << QStringLiteral("123456789012345678901234567890")
                                 << 1.2345678901234568e29;
    QTest::newRow("smallest normal")
        << QStringLiteral("2.2250738585072014e-308") << std::numeric_limits<double>::min();
    QTest::newRow("just below smallest normal")
        << QStringLiteral("2.2250738585072011e-308") << 2.2250738585072011e-308;
    QTest::newRow("tie to even, down") << QStringLiteral("9007199254740993") << 9007199254740992.0;
    QTest::newRow("tie to even, up") << QStringLiteral("9007199254740995") << 9007199254740996.0;
    QTest::newRow("fraction breaks tie")
        << QStringLiteral("9007199254740993.00000000000000000000001") << 9007199254740994.0;
    QTest::newRow("largest") << QStringLiteral("1.7976931348623157e308") << DBL_MAX;
    QTest::newRow("rounds past largest") << QStringLiteral("1.7976931348623159e308") << DBL_MAX;
    QTest::newRow("1e308") << QStringLiteral("1e308") << 1e308;
    QTest::newRow("1e309") << QStringLiteral("1e309") << DBL_MAX;
    QTest::newRow("1e400") << QStringLiteral("1e400") << DBL_MAX;
    QTest::newRow("-1e400") << QStringLiteral("-1e400") << -DBL_MAX;
    QTest::newRow("huge exponent") << QStringLiteral("1e99999999999999999999999") << DBL_MAX;
    QTest::newRow("zero, huge exponent") << QStringLiteral("0e999999999") << 0.0;
    QTest::newRow("smallest subnormal")
        << QStringLiteral("4.9406564584124654e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("above half subnormal")
        << QStringLiteral("2.4703282292062328e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("below half subnormal") << QStringLiteral("2.4703282292062327e-324") << 0.0;
    QTest::newRow("1e-400") << QStringLiteral("1e-400") << 0.0;
    QTest::newRow("tiny exponent") << QStringLiteral("1e-99999999999999999999999") << 0.0;
    QTest::newRow("small mantissa, big exponent") << QStringLiteral("0.000001e6") << 1.0;
}

void TstTextNumber::longText_data()
{
    addColumns();
    const int n = 100'000;
    QTest::newRow("digits") << QString(n, u'9') << DBL_MAX;
    QTest::newRow("digits, exponent")
        << u'1' + QString(n, u'0') + QStringLiteral("e-100000") << 1.0;
    QTest::newRow("fraction zeros, exponent")
        << QStringLiteral("0.") + QString(n, u'0') + QStringLiteral("1e100001") << 1.0;
    QTest::newRow("fraction zeros") << QStringLiteral("0.") + QString(n, u'0') + u'1' << 0.0;
    QTest::newRow("distant digit breaks tie")
        << QStringLiteral("9007199254740993.") + QString(n, u'0') + u'1' << 9007199254740994.0;
    QTest::newRow("distant zeros keep tie")
        << QStringLiteral("9007199254740993.") + QString(n, u'0') << 9007199254740992.0;
    QTest::newRow("leading blanks") << QString(n, u' ') + QStringLiteral("42") << 42.0;
    QTest::newRow("blank after each digit") << QStringLiteral("0 ").repeated(n) + u'7' << 7.0;
    QTest::newRow("long exponent") << QStringLiteral("1e") + QString(n, u'0') + u'5' << 1e5;
    QTest::newRow("long negative exponent") << QStringLiteral("1e-") + QString(n, u'9') << 0.0;
    QTest::newRow("hex digits") << QStringLiteral("&H") + QString(n, u'F') << DBL_MAX;
    QTest::newRow("hex leading zeros") << QStringLiteral("&H") + QString(n, u'0') + "FFFF" << -1.0;
    QTest::newRow("octal digits") << QStringLiteral("&O") + QString(n, u'7') << DBL_MAX;
}

// What a Japanese input method types: each row's full-width text and its half-width form read
// as the same number, bit for bit; characters with no half-width form still stop the number.
void TstTextNumber::fullWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("halfWidth");
    QTest::addColumn<double>("expected");
    QTest::newRow("digits") << QStringLiteral("２０") << QStringLiteral("20") << 20.0;
    QTest::newRow("list item") << QStringLiteral("０１") << QStringLiteral("01") << 1.0;
    QTest::newRow("widths mixed") << QStringLiteral("5１") << QStringLiteral("51") << 51.0;
    QTest::newRow("minus") << QStringLiteral("－１２") << QStringLiteral("-12") << -12.0;
    QTest::newRow("plus") << QStringLiteral("＋３") << QStringLiteral("+3") << 3.0;
    QTest::newRow("decimal point") << QStringLiteral("１．５") << QStringLiteral("1.5") << 1.5;
    QTest::newRow("exponent E") << QStringLiteral("１Ｅ３") << QStringLiteral("1E3") << 1000.0;
    QTest::newRow("exponent d, minus")
        << QStringLiteral("２ｄ－１") << QStringLiteral("2d-1") << 0.2;
    QTest::newRow("hex") << QStringLiteral("＆ＨＦＦ") << QStringLiteral("&HFF") << 255.0;
    QTest::newRow("hex lower case")
        << QStringLiteral("＆ｈｆｆｆｆ") << QStringLiteral("&hffff") << -1.0;
    QTest::newRow("octal") << QStringLiteral("＆Ｏ１７") << QStringLiteral("&O17") << 15.0;
    QTest::newRow("prefix widths mixed")
        << QStringLiteral("&Ｈ1ｆ") << QStringLiteral("&H1f") << 31.0;
    QTest::newRow("ideographic spaces")
        << QStringLiteral("\u3000２\u3000０\u3000") << QStringLiteral(" 2 0 ") << 20.0;
    QTest::newRow("letters stop") << QStringLiteral("１２ａｂｃ") << QStringLiteral("12abc")
                                  << 12.0;
    QTest::newRow("comma stops") << QStringLiteral("１，０００") << QStringLiteral("1,000") << 1.0;
    QTest::newRow("ideographic full stop is no point")
        << QStringLiteral("１。５") << QStringLiteral("1") << 1.0;
    QTest::newRow("minus sign U+2212 is no sign") << QStringLiteral("−５") << QString() << 0.0;
    QTest::newRow("long vowel mark is no sign") << QStringLiteral("ー５") << QString() << 0.0;
}

void TstTextNumber::fullWidth()
{
    QFETCH(QString, text);
    QFETCH(QString, halfWidth);
    QFETCH(double, expected);
    QCOMPARE(textToNumber(u16(halfWidth)), expected);
    QCOMPARE(textToNumber(u16(text)), expected);
}

void TstTextNumber::zeroIsPositive_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("-0") << QStringLiteral("-0");
    QTest::newRow("-0.0") << QStringLiteral("-0.0");
    QTest::newRow("-0e5") << QStringLiteral("-0e5");
    QTest::newRow("-1e-400") << QStringLiteral("-1e-400");
    QTest::newRow("minus letters") << QStringLiteral("-abc");
    QTest::newRow("full-width -0") << QStringLiteral("－０");
}

void TstTextNumber::zeroIsPositive()
{
    QFETCH(QString, text);
    const double actual = textToNumber(u16(text));
    QCOMPARE(actual, 0.0);
    QVERIFY(!std::signbit(actual));
}

// Random texts built from the characters that matter must all read as finite numbers.
void TstTextNumber::alwaysFinite()
{
    const QString alphabet = QStringLiteral("0123456789+-.eEdD&HhOoF \t\n9\uFF10\uFF0D\u3000x");
    QRandomGenerator random(20240611);
    for (int i = 0; i < 50'000; ++i) {
        QString text;
        const int length = random.bounded(40);
        for (int j = 0; j < length; ++j)
            text += alphabet[random.bounded(alphabet.size())];
        const double value = textToNumber(u16(text));
        QVERIFY2(std::isfinite(value), qPrintable(text));
    }
}

QTEST_GUILESS_MAIN(TstTextNumber)
#include "tst_textnumber.moc"
