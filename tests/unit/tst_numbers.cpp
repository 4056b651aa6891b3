// The 16-bit arithmetic with its overflow error, and numbers turned into text.
#include "qtpeers.h"
#include "runtime/int16.h"
#include "runtime/numbertext.h"
#include "runtime/runtimeerror.h"

#include <QTest>

class TestNumbers : public QObject
{
    Q_OBJECT

private slots:
    void arithmeticWithinRange_data();
    void arithmeticWithinRange();
    void overflowIsAnError_data();
    void overflowIsAnError();
    void numberText_data();
    void numberText();
    void fullWidth_data();
    void fullWidth();
};

void TestNumbers::arithmeticWithinRange_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("expected");
    QTest::newRow("largest sum") << int((Int16(32766) + 1).value()) << 32767;
    QTest::newRow("smallest difference") << int((Int16(-32767) - 1).value()) << -32768;
    QTest::newRow("product") << int((Int16(-128) * 256).value()) << -32768;
    QTest::newRow("graph end") << int((249 + 10 * (Int16(28) - 20)).value()) << 329;
}

void TestNumbers::arithmeticWithinRange()
{
    QFETCH(int, result);
    QFETCH(int, expected);
    QCOMPARE(result, expected);
}

void TestNumbers::overflowIsAnError_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow("sum past the top") << 0;
    QTest::newRow("difference past the bottom") << 1;
    QTest::newRow("product past the top") << 2;
    QTest::newRow("conversion of a larger value") << 3;
}

void TestNumbers::overflowIsAnError()
{
    QFETCH(int, operation);
    try {
        switch (operation) {
        case 0:
            Int16(32767) + 1;
            break;
        case 1:
            Int16(-32768) - 1;
            break;
        case 2:
            Int16(256) * 128;
            break;
        case 3:
            Int16(40000);
            break;
        }
        QFAIL("expected an overflow error");
    } catch (const RuntimeError &error) {
        QCOMPARE(error.code(), RuntimeError::Overflow);
        QVERIFY2(qs(error.message()).contains(QStringLiteral("'6'")),
                 qPrintable(qs(error.message())));
    }
}

void TestNumbers::numberText_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero keeps the sign place") << 0 << QStringLiteral(" 0");
    QTest::newRow("one digit") << 9 << QStringLiteral(" 9");
    QTest::newRow("two digits") << 28 << QStringLiteral(" 28");
    QTest::newRow("negative takes the sign place") << -5 << QStringLiteral("-5");
    QTest::newRow("largest") << 32767 << QStringLiteral(" 32767");
    QTest::newRow("smallest") << -32768 << QStringLiteral("-32768");
}

void TestNumbers::numberText()
{
    QFETCH(int, number);
    QFETCH(QString, text);
    QCOMPARE(qs(::numberText(number)), text);
}

void TestNumbers::fullWidth_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("wide");
    QTest::newRow("axis number") << QStringLiteral(" 48") << QStringLiteral(u"\u3000\uFF14\uFF18");
    QTest::newRow("letters and signs") << QStringLiteral("a-Z~") << QStringLiteral(u"ａ－Ｚ～");
    QTest::newRow("already wide") << QStringLiteral(u"Ｐ８") << QStringLiteral(u"Ｐ８");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("ends of the printable range")
        << QStringLiteral(u"!~") << QStringLiteral(u"\uFF01\uFF5E");
    QTest::newRow("controls and non-ASCII stay")
        << QStringLiteral(u"\t\u007F\u00A0²") << QStringLiteral(u"\t\u007F\u00A0²");
}

void TestNumbers::fullWidth()
{
    QFETCH(QString, text);
    QFETCH(QString, wide);
    QCOMPARE(qs(::fullWidth(u16(text))), wide);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
