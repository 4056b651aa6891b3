// Border flood fill: pictures painted by hand, and shapes checked against a naive search.
#include "imagefloodfill.h"
#include "platform/shared/floodfill.h"

#include <QRandomGenerator>
#include <QTest>

#include <iterator>
#include <queue>
#include <vector>

namespace {

constexpr QRgb border = 0xffffffff;
constexpr QRgb background = 0xff008000;
constexpr QRgb fillColour = 0xff0000ff;
constexpr QRgb other = 0xffff0000;

// '#' border, '.' background, 'F' or '*' the fill colour, 'o' another colour.
QRgb colourOf(QChar c)
{
    switch (c.unicode()) {
    case '#':
        return border;
    case 'F':
    case '*':
        return fillColour;
    case 'o':
        return other;
    default:
        return background;
    }
}

QImage picture(const QStringList &rows)
{
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colourOf(rows[y][x]));
    return image;
}

// The first pixel whose stored value differs, or (-1, -1).
QPoint firstDifference(const QImage &actual, const QImage &expected)
{
    for (int y = 0; y < expected.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(actual.constScanLine(y));
        const auto *e = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
        for (int x = 0; x < expected.width(); ++x)
            if (a[x] != e[x])
                return {x, y};
    }
    return {-1, -1};
}

QRgb shownRgb(const QImage &image, QPoint p)
{
    const QRgb pixel = image.pixel(p);
    const bool premultiplied = image.format() == QImage::Format_ARGB32_Premultiplied;
    return (premultiplied ? qUnpremultiply(pixel) : pixel) & 0xffffff;
}

// Breadth-first search, one pixel at a time.
QImage referenceFill(QImage image, QPoint seed, QRgb wall, QRgb fill)
{
    if (!image.rect().contains(seed) || shownRgb(image, seed) == (wall & 0xffffff))
        return image;
    std::vector<bool> seen(std::size_t(image.width()) * std::size_t(image.height()));
    const auto index = [&](QPoint p) { return std::size_t(p.y()) * image.width() + p.x(); };
    std::vector<QPoint> region;
    std::queue<QPoint> pending;
    pending.push(seed);
    seen[index(seed)] = true;
    while (!pending.empty()) {
        const QPoint p = pending.front();
        pending.pop();
        region.push_back(p);
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint n = p + step;
            if (image.rect().contains(n) && !seen[index(n)] &&
                shownRgb(image, n) != (wall & 0xffffff)) {
                seen[index(n)] = true;
                pending.push(n);
            }
        }
    }
    for (const QPoint p : region)
        image.setPixel(p, fill | 0xff000000);
    return image;
}

QImage randomImage(QImage::Format format, QSize size, quint32 seed)
{
    QRandomGenerator random(seed);
    const QRgb palette[] = {border, border, border, background, background, fillColour, other};
    QImage image(size, format);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const QRgb rgb = palette[random.bounded(int(std::size(palette)))];
            const int alpha = format == QImage::Format_RGB32 ? 255 : random.bounded(256);
            const QRgb pixel = qRgba(qRed(rgb), qGreen(rgb), qBlue(rgb), alpha);
            const bool premultiplied = format == QImage::Format_ARGB32_Premultiplied;
            image.setPixel(x, y, premultiplied ? qPremultiply(pixel) : pixel);
        }
    }
    return image;
}

} // namespace

class TestFloodFill : public QObject
{
    Q_OBJECT

private slots:
    void pictures_data();
    void pictures();
    void seedOutside_data();
    void seedOutside();
    void matchesReference_data();
    void matchesReference();
    void alphaFormats_data();
    void alphaFormats();
    void otherFormatIsConverted();
    void largeRegion_data();
    void largeRegion();
    void paddedRowsStayUntouched();
    void copiesStayUntouched();
    void premultipliedPaddedBuffer_data();
    void premultipliedPaddedBuffer();
};

void TestFloodFill::pictures_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<bool>("painted");
    QTest::addColumn<QStringList>("after");

    const QStringList box{".......", ".#####.", ".#...#.", ".#.o.#.",
                          ".#...#.", ".#####.", "......."};
    QTest::newRow("closed region")
        << box << QPoint(3, 3) << true
        << QStringList{".......", ".#####.", ".#***#.", ".#***#.", ".#***#.", ".#####.", "......."};
    QTest::newRow("outside a closed region")
        << box << QPoint(0, 6) << true
        << QStringList{"*******", "*#####*", "*#...#*", "*#.o.#*", "*#...#*", "*#####*", "*******"};
    QTest::newRow("seed on the border") << box << QPoint(1, 1) << false << box;
    QTest::newRow("touches the image edge")
        << QStringList{"..#..", "..#..", ".##..", ".#..."} << QPoint(0, 0) << true
        << QStringList{"**#..", "**#..", "*##..", "*#..."};
    QTest::newRow("diagonal gap, upper side")
        << QStringList{"...#", "..#.", ".#..", "#..."} << QPoint(0, 0) << true
        << QStringList{"***#", "**#.", "*#..", "#..."};
    QTest::newRow("diagonal gap, lower side")
        << QStringList{"...#", "..#.", ".#..", "#..."} << QPoint(3, 3) << true
        << QStringList{"...#", "..#*", ".#**", "#***"};
    QTest::newRow("fill colour inside the region")
        << QStringList{"F.....F", ".#####.", ".#FFF#.", ".#F.F#.", ".#FFF#.", ".#####."}
        << QPoint(3, 2) << true
        << QStringList{"F.....F", ".#####.", ".#***#.", ".#***#.", ".#***#.", ".#####."};
    QTest::newRow("fill colour is no wall")
        << QStringList{"..F..", "..F..", "..F.."} << QPoint(0, 0) << true
        << QStringList{"*****", "*****", "*****"};
    QTest::newRow("already filled")
        << QStringList{"FFF", "FFF"} << QPoint(1, 1) << true << QStringList{"***", "***"};
    QTest::newRow("spiral") << QStringList{"#########", "........#", "#######.#",
                                           "#.....#.#", "#.###.#.#", "#.#...#.#",
                                           "#.#####.#", "#.......#", "#########"}
                            << QPoint(0, 1) << true
                            << QStringList{"#########", "********#", "#######*#",
                                           "#*****#*#", "#*###*#*#", "#*#***#*#",
                                           "#*#####*#", "#*******#", "#########"};
    QTest::newRow("holes") << QStringList{".........", ".###.###.", ".#o#.#.#.", ".###.###.",
                                          "........."}
                           << QPoint(4, 2) << true
                           << QStringList{"*********", "*###*###*", "*#o#*#.#*", "*###*###*",
                                          "*********"};
    QTest::newRow("1x1") << QStringList{"o"} << QPoint(0, 0) << true << QStringList{"*"};
    QTest::newRow("1x1 border") << QStringList{"#"} << QPoint(0, 0) << false << QStringList{"#"};
}

void TestFloodFill::pictures()
{
    QFETCH(QStringList, before);
    QFETCH(QPoint, seed);
    QFETCH(bool, painted);
    QFETCH(QStringList, after);

    QImage image = picture(before);
    QCOMPARE(floodFillBorder(image, seed, border, fillColour), painted);
    QCOMPARE(firstDifference(image, picture(after)), QPoint(-1, -1));
}

void TestFloodFill::seedOutside_data()
{
    QTest::addColumn<QPoint>("seed");

    QTest::newRow("left") << QPoint(-1, 2);
    QTest::newRow("right") << QPoint(5, 2);
    QTest::newRow("above") << QPoint(2, -1);
    QTest::newRow("below") << QPoint(2, 4);
    QTest::newRow("far away") << QPoint(-100000, 100000);
}

void TestFloodFill::seedOutside()
{
    QFETCH(QPoint, seed);

    const QImage before = picture({".....", ".....", ".....", "....."});
    QImage image = before;
    QVERIFY(!floodFillBorder(image, seed, border, fillColour));
    QCOMPARE(firstDifference(image, before), QPoint(-1, -1));

    QImage empty;
    QVERIFY(!floodFillBorder(empty, QPoint(0, 0), border, fillColour));
}

void TestFloodFill::matchesReference_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRgb>("fill");

    const QList<QSize> sizes{{37, 23}, {64, 64}, {101, 7}, {1, 50}, {50, 1}};
    const QList<std::pair<const char *, QImage::Format>> formats{
        {"RGB32", QImage::Format_RGB32},
        {"ARGB32", QImage::Format_ARGB32},
        {"ARGB32 premultiplied", QImage::Format_ARGB32_Premultiplied}};
    for (const auto &[name, format] : formats) {
        for (const QSize size : sizes) {
            const QString row = QString("%1 %2x%3").arg(name).arg(size.width()).arg(size.height());
            QTest::newRow(qPrintable(row)) << format << size << fillColour;
        }
        QTest::newRow(qPrintable(QString(name) + " fill colour is the border colour"))
            << format << QSize(40, 30) << border;
    }
}

void TestFloodFill::matchesReference()
{
    QFETCH(QImage::Format, format);
    QFETCH(QSize, size);
    QFETCH(QRgb, fill);

    for (quint32 shape = 1; shape <= 12; ++shape) {
        const QImage before = randomImage(format, size, shape);
        QRandomGenerator random(shape * 7919);
        for (int attempt = 0; attempt < 8; ++attempt) {
            const QPoint seed(random.bounded(size.width()), random.bounded(size.height()));
            QImage image = before;
            const bool reachable = shownRgb(before, seed) != (border & 0xffffff);
            QCOMPARE(floodFillBorder(image, seed, border, fill), reachable);
            const QImage expected = referenceFill(before, seed, border, fill);
            QCOMPARE(firstDifference(image, expected), QPoint(-1, -1));
        }
    }
}

void TestFloodFill::alphaFormats_data()
{
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<QRgb>("wall");
    QTest::addColumn<QRgb>("fill");
    QTest::addColumn<QList<QRgb>>("before");
    QTest::addColumn<QList<QRgb>>("after");

    const QRgb opaqueFill = fillColour;
    QTest::newRow("ARGB32: alpha ignored, fill written opaque")
        << QImage::Format_ARGB32 << border << fillColour
        << QList<QRgb>{background, 0x00008000, 0x00ffffff, background}
        << QList<QRgb>{opaqueFill, opaqueFill, 0x00ffffff, background};
    QTest::newRow("ARGB32: fill colour with other alpha")
        << QImage::Format_ARGB32 << border << fillColour
        << QList<QRgb>{0x100000ff, background, border, other}
        << QList<QRgb>{opaqueFill, opaqueFill, border, other};
    const QRgb translucentWall = qPremultiply(qRgba(100, 100, 100, 51));
    QTest::newRow("premultiplied: compared as shown")
        << QImage::Format_ARGB32_Premultiplied << qRgb(100, 100, 100) << fillColour
        << QList<QRgb>{background, qRgba(100, 100, 100, 200), translucentWall, background}
        << QList<QRgb>{opaqueFill, opaqueFill, translucentWall, background};
    QTest::newRow("premultiplied: fill given without alpha")
        << QImage::Format_ARGB32_Premultiplied << border << (fillColour & 0xffffff)
        << QList<QRgb>{background, background, border, background}
        << QList<QRgb>{opaqueFill, opaqueFill, border, background};
}

void TestFloodFill::alphaFormats()
{
    QFETCH(QImage::Format, format);
    QFETCH(QRgb, wall);
    QFETCH(QRgb, fill);
    QFETCH(QList<QRgb>, before);
    QFETCH(QList<QRgb>, after);

    QImage image(int(before.size()), 1, format);
    for (int x = 0; x < image.width(); ++x)
        image.setPixel(x, 0, before[x]);
    QVERIFY(floodFillBorder(image, QPoint(0, 0), wall, fill));
    QCOMPARE(image.format(), format);
    for (int x = 0; x < image.width(); ++x)
        QCOMPARE(image.pixel(x, 0), after[x]);
}

void TestFloodFill::otherFormatIsConverted()
{
    QImage image = picture({"..#..", "..#..", "..#.."}).convertToFormat(QImage::Format_RGB888);
    QVERIFY(floodFillBorder(image, QPoint(4, 1), border, fillColour));
    QCOMPARE(image.format(), QImage::Format_RGB32);
    QCOMPARE(firstDifference(image, picture({"..#**", "..#**", "..#**"})), QPoint(-1, -1));
}

void TestFloodFill::largeRegion_data()
{
    QTest::addColumn<bool>("serpentine");

    QTest::newRow("whole image") << false;
    QTest::newRow("serpentine") << true;
}

void TestFloodFill::largeRegion()
{
    QFETCH(bool, serpentine);

    // Walls on every other column, open alternately at the top and the bottom.
    const auto isWall = [&](int x, int y) {
        return serpentine && x % 2 == 1 && y != (x % 4 == 1 ? 0 : 1999);
    };
    QImage image(2000, 2000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, isWall(x, y) ? border : background);

    QVERIFY(floodFillBorder(image, QPoint(1000, 1000), border, fillColour));
    int wrong = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            wrong += image.pixel(x, y) != (isWall(x, y) ? border : fillColour);
    QCOMPARE(wrong, 0);
}

void TestFloodFill::paddedRowsStayUntouched()
{
    // Rows of 5 pixels followed by 3 words of padding that must never be read as pixels or written.
    constexpr int width = 5;
    constexpr int stride = width + 3;
    constexpr QRgb sentinel = 0xdeadbeef;
    std::vector<QRgb> buffer(stride * 4, sentinel);
    QImage image(reinterpret_cast<uchar *>(buffer.data()), width, 4, stride * sizeof(QRgb),
                 QImage::Format_RGB32);
    image.fill(background);

    QVERIFY(floodFillBorder(image, QPoint(2, 2), border, fillColour));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < stride; ++x) {
            const QRgb expected = x < width ? fillColour : sentinel;
            QCOMPARE(buffer[y * stride + x], expected);
        }
    }
}

void TestFloodFill::copiesStayUntouched()
{
    const QImage original = picture({"...", "..."});
    QImage copy = original;
    QVERIFY(floodFillBorder(copy, QPoint(0, 0), border, fillColour));
    QCOMPARE(firstDifference(original, picture({"...", "..."})), QPoint(-1, -1));
    QCOMPARE(firstDifference(copy, picture({"***", "***"})), QPoint(-1, -1));
}

void TestFloodFill::premultipliedPaddedBuffer_data()
{
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<QRgb>("wall");
    QTest::addColumn<bool>("painted");

    QTest::newRow("left of the wall") << QPoint(0, 0) << border << true;
    QTest::newRow("right of the wall, past the first mask word") << QPoint(69, 1) << border << true;
    QTest::newRow("on the translucent wall") << QPoint(40, 0) << border << false;
    QTest::newRow("in the padding") << QPoint(70, 0) << border << false;
    QTest::newRow("below the rows") << QPoint(0, 3) << border << false;
    QTest::newRow("transparent shows black") << QPoint(40, 2) << qRgb(0, 0, 0) << false;
}

// The portable fill on its own, as the surfaces call it: rows of 70 premultiplied pixels and two
// padding words that look like the region, a translucent wall at x = 40 with a transparent gap
// in the last row.
void TestFloodFill::premultipliedPaddedBuffer()
{
    QFETCH(QPoint, seed);
    QFETCH(QRgb, wall);
    QFETCH(bool, painted);

    constexpr int width = 70;
    constexpr int height = 3;
    constexpr int stride = width + 2;
    const QRgb translucentWall = qPremultiply(qRgba(255, 255, 255, 3));
    std::vector<QRgb> before(stride * height);
    for (int y = 0; y < height; ++y) {
        QRgb *const row = before.data() + y * stride;
        for (int x = 0; x < width; ++x)
            row[x] = qPremultiply(qRgba(0, 128, 0, 255 - 3 * x));
        row[40] = y < 2 ? translucentWall : 0;
        row[width] = fillColour;
        row[width + 1] = background;
    }
    std::vector<QRgb> pixels = before;
    const PixelBuffer buffer{pixels.data(), width, height, stride, true};
    QCOMPARE(floodFillBorder(buffer, {seed.x(), seed.y()}, wall, fillColour), painted);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < stride; ++x) {
            const QRgb old = before[y * stride + x];
            const bool region = painted && x < width && old != translucentWall;
            QCOMPARE(pixels[y * stride + x], region ? fillColour : old);
        }
    }
}

QTEST_MAIN(TestFloodFill)
#include "tst_floodfill.moc"
