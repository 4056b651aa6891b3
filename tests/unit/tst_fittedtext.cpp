// Text laid out in the layout face's character widths: code points, the width table, and where
// each character lands.
#include "platform/shared/fittedtext.h"

#include <QList>
#include <QTest>

namespace {
// The installed face's own advance in these tests, unlike every advance in the table.
constexpr double natural = 7;

QList<uint> pointsOf(const std::u32string &points)
{
    return QList<uint>(points.begin(), points.end());
}
} // namespace

class TestFittedText : public QObject
{
    Q_OBJECT

private slots:
    void codePoints_data();
    void codePoints();
    void layoutAdvance_data();
    void layoutAdvance();
    void fitText_data();
    void fitText();
};

void TestFittedText::codePoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<uint>>("points");

    QTest::newRow("empty") << QString() << QList<uint>{};
    QTest::newRow("one unit each") << QStringLiteral(u"８c") << QList<uint>{0xff18, 'c'};
    QTest::newRow("pair") << QStringLiteral(u"\U00020BB7") << QList<uint>{0x20bb7};
    QTest::newRow("pair between units")
        << QStringLiteral(u"2\U0001F600m") << QList<uint>{'2', 0x1f600, 'm'};
    QTest::newRow("lone high at the end") << QString(QChar(0xd842)) << QList<uint>{0xd842};
    QTest::newRow("lone low") << QString(QChar(0xdfb7)) + u'0' << QList<uint>{0xdfb7, '0'};
    QTest::newRow("low before high")
        << QString(QChar(0xdc00)) + QChar(0xd800) << QList<uint>{0xdc00, 0xd800};
    QTest::newRow("high, then a pair")
        << QString(QChar(0xd800)) + QChar(0xd842) + QChar(0xdfb7) << QList<uint>{0xd800, 0x20bb7};
    QTest::newRow("high before a private-use unit")
        << QString(QChar(0xdbff)) + QChar(0xe000) << QList<uint>{0xdbff, 0xe000};
    QTest::newRow("unit below the surrogates")
        << QString(QChar(0xd7ff)) + QChar(0xdc00) << QList<uint>{0xd7ff, 0xdc00};
}

void TestFittedText::codePoints()
{
    QFETCH(QString, text);
    QFETCH(QList<uint>, points);
    QCOMPARE(pointsOf(::codePoints(text.toStdU16String())), points);
}

void TestFittedText::layoutAdvance_data()
{
    QTest::addColumn<uint>("character");
    QTest::addColumn<double>("advance");

    QTest::newRow("0") << uint('0') << 6.0;
    QTest::newRow("/ before the digits") << uint('/') << 0.0;
    QTest::newRow(": after the digits") << uint(':') << 0.0;
    QTest::newRow("full-width 0") << uint(u'０') << 8.0;
    QTest::newRow("full-width / before them") << uint(u'／') << 0.0;
    QTest::newRow("full-width : after them") << uint(u'：') << 0.0;
    QTest::newRow("ideographic space") << uint(0x3000) << 8.0;
    QTest::newRow("no-break space") << uint(0xa0) << 0.0;
    QTest::newRow("digit 6 beyond the basic plane") << uint(0x10036) << 0.0;
}

void TestFittedText::layoutAdvance()
{
    QFETCH(uint, character);
    QFETCH(double, advance);
    QCOMPARE(::layoutAdvance(char32_t(character)), advance);
}

void TestFittedText::fitText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("pixelSize");
    QTest::addColumn<QList<double>>("advances");
    QTest::addColumn<QList<uint>>("asked");

    QTest::newRow("empty") << QString() << 12.0 << QList<double>{} << QList<uint>{};
    QTest::newRow("axis number at the table's em")
        << QStringLiteral(" 48") << 12.0 << QList<double>{4, 6, 6} << QList<uint>{};
    QTest::newRow("unit scaled to the em")
        << QStringLiteral("(cm)") << 18.0 << QList<double>{6, 9, 15, 6} << QList<uint>{};
    QTest::newRow("full-width number after an ideographic space")
        << QStringLiteral(u"\u3000４８") << 24.0 << QList<double>{16, 16, 16} << QList<uint>{};
    QTest::newRow("missing characters keep their own advance, unscaled")
        << QStringLiteral(u"８cm²") << 24.0 << QList<double>{16, 12, 20, natural}
        << QList<uint>{u'²'};
    QTest::newRow("pair is one character") << QStringLiteral(u"\U00020BB7 ") << 12.0
                                           << QList<double>{natural, 4} << QList<uint>{0x20bb7};
    QTest::newRow("lone surrogate is one character")
        << QString(QChar(0xd842)) + u'0' << 12.0 << QList<double>{natural, 6}
        << QList<uint>{0xd842};
    QTest::newRow("odd em") << QStringLiteral("0m") << 13.0 << QList<double>{6.5, 130.0 / 12}
                            << QList<uint>{};
}

// Each character starts where the one before it ends, so the text is as wide as its advances.
void TestFittedText::fitText()
{
    QFETCH(QString, text);
    QFETCH(double, pixelSize);
    QFETCH(QList<double>, advances);
    QFETCH(QList<uint>, asked);

    QList<uint> naturalAsked;
    const auto laidOut = ::fitText(text.toStdU16String(), pixelSize, [&](char32_t character) {
        naturalAsked.append(character);
        return natural;
    });
    QCOMPARE(naturalAsked, asked);
    QCOMPARE(qsizetype(laidOut.size()), advances.size());
    const QList<uint> points = pointsOf(::codePoints(text.toStdU16String()));
    double left = 0;
    for (qsizetype i = 0; i < advances.size(); ++i) {
        const FittedCharacter &placed = laidOut[std::size_t(i)];
        QCOMPARE(uint(placed.character), points[i]);
        QCOMPARE(placed.left, left);
        QCOMPARE(placed.advance, advances[i]);
        left += advances[i];
    }
}

QTEST_APPLESS_MAIN(TestFittedText)
#include "tst_fittedtext.moc"
