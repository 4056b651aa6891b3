// The report of an error that ends the program, and the UTF-8 of exception texts read into it.
#include "qtpeers.h"
#include "runtime/runtimeerror.h"

#include <QTest>

#include <new>
#include <stdexcept>

namespace {
// Each byte standing for itself, as the code unit of the same value.
QString bytesAsUnits(const QByteArray &bytes)
{
    QString units;
    for (const char byte : bytes)
        units += QChar(char16_t(static_cast<unsigned char>(byte)));
    return units;
}
} // namespace

class TestErrorReport : public QObject
{
    Q_OBJECT

private slots:
    void wellFormed_data();
    void wellFormed();
    void malformed_data();
    void malformed();
    void report();
};

void TestErrorReport::wellFormed_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ASCII") << QByteArray("std::bad_alloc");
    QTest::newRow("three bytes") << QByteArray("実行時エラー");
    QTest::newRow("largest two-byte") << QByteArray("\xdf\xbf");
    QTest::newRow("smallest three-byte") << QByteArray("\xe0\xa0\x80");
    QTest::newRow("last before the surrogates") << QByteArray("\xed\x9f\xbf");
    QTest::newRow("first after the surrogates") << QByteArray("\xee\x80\x80");
    QTest::newRow("four bytes, a pair") << QByteArray("\xf0\xa0\xae\xb7");
    QTest::newRow("smallest four-byte") << QByteArray("\xf0\x90\x80\x80");
    QTest::newRow("largest code point") << QByteArray("\xf4\x8f\xbf\xbf");
}

// As the toolkit decodes it.
void TestErrorReport::wellFormed()
{
    QFETCH(QByteArray, bytes);
    QCOMPARE(qs(utf16FromUtf8(bytes.toStdString())), QString::fromUtf8(bytes));
}

void TestErrorReport::malformed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const auto itself = [](const char *name, const char *bytes) {
        QTest::newRow(name) << QByteArray(bytes) << bytesAsUnits(bytes);
    };
    QTest::newRow("Latin-1 text") << QByteArray("caf\xe9") << QStringLiteral(u"café");
    QTest::newRow("stray continuation") << QByteArray("a\x80z") << QStringLiteral(u"a\u0080z");
    QTest::newRow("sequence cut short by the end")
        << QByteArray("a\xe5\xae") << QStringLiteral(u"a\u00e5\u00ae");
    QTest::newRow("sequence cut short by ASCII")
        << QByteArray("\xe5\xaez") << QStringLiteral(u"\u00e5\u00aez");
    QTest::newRow("pair cut short, then a whole character")
        << QByteArray("\xf0\xa0\xc2\xb2") << QStringLiteral(u"\u00f0\u00a0²");
    itself("overlong two-byte /", "\xc0\xaf");
    itself("overlong three-byte /", "\xe0\x80\xaf");
    itself("first surrogate", "\xed\xa0\x80");
    itself("last surrogate", "\xed\xbf\xbf");
    itself("overlong four-byte /", "\xf0\x80\x80\xaf");
    itself("past the last code point", "\xf4\x90\x80\x80");
    itself("lead past the last code point", "\xf5\x80\x80\x80");
    itself("never a lead", "\xff");
}

// A malformed byte stands for itself: overlong forms, encoded surrogates and code points past
// the last never become characters.
void TestErrorReport::malformed()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(qs(utf16FromUtf8(bytes.toStdString())), text);
}

// Caught as any exception, a runtime error still gives its number and message.
void TestErrorReport::report()
{
    const RuntimeError overflow(RuntimeError::Overflow);
    QCOMPARE(qs(errorReport(overflow)),
             QStringLiteral(u"実行時エラー '6':\n\nオーバーフローしました。"));
    QCOMPARE(qs(errorReport(std::out_of_range("添字が範囲外です"))),
             QStringLiteral(u"添字が範囲外です"));
    QCOMPARE(qs(errorReport(std::bad_alloc())), QString::fromUtf8(std::bad_alloc().what()));
}

QTEST_APPLESS_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
