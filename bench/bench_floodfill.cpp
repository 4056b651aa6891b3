// Timing of the border flood fill on a drawn triangle, the typical shading job.
#include "imagefloodfill.h"

#include <QPainter>
#include <QPolygon>
#include <QTest>

namespace {

constexpr QRgb white = 0xffffffff;
constexpr QRgb green = 0xff008000;
constexpr QRgb blue = 0xff0000ff;
constexpr QRgb red = 0xffff0000;

// A 429x309 (logical) picture: a triangle outlined with 5-pixel white lines on green.
QImage triangle(int ratio)
{
    QImage image(429 * ratio, 309 * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(green);
    QPainter painter(&image);
    painter.setPen(QPen(QColor::fromRgb(white), 5));
    painter.drawPolygon(QPolygon({QPoint(75, 250), QPoint(375, 250), QPoint(225, 50)}));
    return image;
}

} // namespace

class BenchFloodFill : public QObject
{
    Q_OBJECT

private slots:
    void triangle_data();
    void triangle();
    void wholeImage();
};

void BenchFloodFill::triangle_data()
{
    QTest::addColumn<int>("ratio");
    QTest::addColumn<bool>("sameColour");

    QTest::newRow("429x309, new colour") << 1 << false;
    QTest::newRow("429x309, same colour again") << 1 << true;
    QTest::newRow("858x618, new colour") << 2 << false;
    QTest::newRow("858x618, same colour again") << 2 << true;
}

void BenchFloodFill::triangle()
{
    QFETCH(int, ratio);
    QFETCH(bool, sameColour);

    QImage image = ::triangle(ratio);
    const QPoint seed = QPoint(225, 200) * ratio;
    QVERIFY(floodFillBorder(image, seed, white, blue));
    QCOMPARE(image.pixel(0, 0), green); // the outline holds
    // Alternating colours repaints a region that does not hold the fill colour yet.
    bool toRed = true;
    QBENCHMARK
    {
        floodFillBorder(image, seed, white, sameColour || !toRed ? blue : red);
        toRed = !toRed;
    }
}

void BenchFloodFill::wholeImage()
{
    QImage image(2000, 2000, QImage::Format_RGB32);
    image.fill(green);
    bool toRed = true;
    QBENCHMARK
    {
        floodFillBorder(image, QPoint(1000, 1000), white, toRed ? red : blue);
        toRed = !toRed;
    }
}

QTEST_MAIN(BenchFloodFill)
#include "bench_floodfill.moc"
