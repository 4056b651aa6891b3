// UTF-16 units of code points, as the runtime's text and the fitted text make them.
#include "runtime/utf16.h"

#include <QTest>

class TestUtf16 : public QObject
{
    Q_OBJECT

private slots:
    void appendCodePoint_data();
    void appendCodePoint();
};

void TestUtf16::appendCodePoint_data()
{
    QTest::addColumn<uint>("point");
    QTest::addColumn<int>("units");

    QTest::newRow("ASCII") << uint('m') << 1;
    QTest::newRow("last of the basic plane") << 0xffffu << 1;
    QTest::newRow("first beyond it") << 0x10000u << 2;
    QTest::newRow("ideograph beyond it") << 0x20bb7u << 2;
    QTest::newRow("last code point") << 0x10ffffu << 2;
}

// The units are Qt's own for the point, after what the text held, and read back as the point.
void TestUtf16::appendCodePoint()
{
    QFETCH(uint, point);
    QFETCH(int, units);
    std::u16string text = u"Ｐ";
    ::appendCodePoint(text, char32_t(point));
    const char32_t character = point;
    QCOMPARE(QString::fromStdU16String(text),
             QStringLiteral(u"Ｐ") + QString::fromUcs4(&character, 1));
    QCOMPARE(int(text.size()), 1 + units);
    QCOMPARE(codePoints(text), (std::u32string{U'Ｐ', char32_t(point)}));
}

QTEST_MAIN(TestUtf16)
#include "tst_utf16.moc"
