// The antialiased painter that the browser's surfaces draw with: exact blending, a solid core
// that stops the flood fill, the fast paths agreeing with the general one, and the clip.
#include "platform/shared/floodfill.h"
#include "platform/shared/rasterpainter.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t green = 0xff008000;
constexpr std::uint32_t white = 0xffffffff;
constexpr std::uint32_t blue = 0xffff0000;

// A buffer of one colour with a painter over it.
struct Canvas
{
    Canvas(int width, int height, std::uint32_t colour = green)
        : width(width), height(height), pixels(std::size_t(width) * std::size_t(height), colour)
    {}

    PixelBuffer buffer() { return {pixels.data(), width, height, width}; }
    std::uint32_t at(int x, int y) const { return pixels[std::size_t(y * width + x)]; }

    int width;
    int height;
    std::vector<std::uint32_t> pixels;
};

int byteOf(std::uint32_t pixel, int shift)
{
    return int(pixel >> shift & 0xff);
}

// How many pixels differ, and by more than one step in some byte.
struct Difference
{
    int pixels = 0;
    int large = 0;
};

Difference compare(const Canvas &a, const Canvas &b)
{
    Difference difference;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        if (a.pixels[i] == b.pixels[i])
            continue;
        ++difference.pixels;
        for (int shift = 0; shift < 32; shift += 8)
            if (std::abs(byteOf(a.pixels[i], shift) - byteOf(b.pixels[i], shift)) > 1) {
                ++difference.large;
                break;
            }
    }
    return difference;
}

// The plain definition, one pixel at a time: coverage is how far the pixel's centre lies within
// half the width plus half a pixel of the segment.
Canvas lineByDefinition(int width, int height, PointF from, PointF to, double lineWidth,
                        std::uint32_t colour)
{
    Canvas canvas(width, height);
    const double reach = lineWidth / 2 + 0.5;
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const double px = x + 0.5 - from.x;
            const double py = y + 0.5 - from.y;
            const double t = std::clamp((px * dx + py * dy) / (dx * dx + dy * dy), 0.0, 1.0);
            const double distance = std::hypot(px - t * dx, py - t * dy);
            const auto alpha = std::uint32_t(std::clamp(reach - distance, 0.0, 1.0) * 255 + 0.5);
            const std::uint32_t dot = alpha << 24 | (colour & 0xffffff);
            RasterPainter(canvas.buffer()).drawImage(&dot, {1, 1}, {x, y});
        }
    return canvas;
}

} // namespace

class TestRasterPainter : public QObject
{
    Q_OBJECT

private slots:
    void blendingRoundsEveryByteExactly();
    void linesFollowTheirDefinition();
    void wideLineHasSolidCoreThatStopsFill();
    void straightLinesMatchTheGeneralPath_data();
    void straightLinesMatchTheGeneralPath();
    void straightLineFromFarBeyondTheBuffer();
    void rectanglesFromFarBeyondTheBuffer();
    void imagesAcrossTheBufferEdges();
    void rectangleOutlineIsSymmetric();
    void fractionalRectangleCoversByArea();
    void circleCoversExactlyItsBox();
    void clipKeepsEverythingElse();
};

// Every source over every target byte, at alphas across the range: the sum over 255, rounded,
// with the target's alpha byte kept.
void TestRasterPainter::blendingRoundsEveryByteExactly()
{
    int wrong = 0;
    for (const std::uint32_t alpha : {1u, 2u, 64u, 127u, 128u, 200u, 254u}) {
        for (std::uint32_t source = 0; source < 256; ++source) {
            for (std::uint32_t target = 0; target < 256; target += 3) {
                std::uint32_t pixel = 0xff000000u | target | target << 8 | target << 16;
                const std::uint32_t image = alpha << 24 | source | source << 8 | source << 16;
                RasterPainter({&pixel, 1, 1, 1}).drawImage(&image, {1, 1}, {0, 0});
                const double exact = (source * alpha + target * (255.0 - alpha)) / 255;
                const auto expected = std::uint32_t(exact + 0.5);
                for (int shift = 0; shift < 24; shift += 8)
                    wrong += std::uint32_t(byteOf(pixel, shift)) != expected;
                wrong += (pixel >> 24) != 0xff;
            }
        }
    }
    QCOMPARE(wrong, 0);
}

// Lines at any slope, length and width, against the definition: the painter skips most of the
// pixels' distances, covering whole runs at once, and must land on the same pixels.
void TestRasterPainter::linesFollowTheirDefinition()
{
    std::uint32_t seed = 12345;
    const auto next = [&seed](int range) {
        seed = seed * 1103515245u + 12345u;
        return int(seed >> 16) % range;
    };
    for (int line = 0; line < 200; ++line) {
        const PointF from{next(800) / 10.0, next(600) / 10.0};
        const PointF to{next(800) / 10.0, next(600) / 10.0};
        if (from.x == to.x || from.y == to.y)
            continue;
        const double width = 1 + next(8);
        Canvas painted(80, 60);
        RasterPainter(painted.buffer()).strokeLine(from, to, width, white);
        const Difference difference =
            compare(painted, lineByDefinition(80, 60, from, to, width, white));
        if (difference.large != 0)
            QFAIL(qPrintable(QStringLiteral("line %1: (%2, %3) to (%4, %5), %6 wide: %7 pixels off")
                                 .arg(line)
                                 .arg(from.x)
                                 .arg(from.y)
                                 .arg(to.x)
                                 .arg(to.y)
                                 .arg(width)
                                 .arg(difference.large)));
    }
}

// The blackboard's five-pixel lines bound the shading: a diagonal one must keep a core of the
// exact colour with no gap, or the fill leaks past it.
void TestRasterPainter::wideLineHasSolidCoreThatStopsFill()
{
    Canvas canvas(120, 80);
    RasterPainter painter(canvas.buffer());
    painter.strokeLine({10, 70}, {110, 10}, 5, white);
    painter.strokeLine({10, 70}, {110, 70}, 5, white);
    painter.strokeLine({110, 70}, {110, 10}, 5, white);
    const Rect painted = floodFillBorderArea(canvas.buffer(), {90, 55}, white, blue);
    QCOMPARE(canvas.at(5, 5), green);
    QCOMPARE(canvas.at(20, 20), green);
    QCOMPARE(canvas.at(90, 55), blue);
    // Across the diagonal, the centre of the line is the exact colour.
    QCOMPARE(canvas.at(60, 40), white);

    // The fill tells the smallest rectangle it painted: a shown surface copies no more, and
    // no less, than that.
    int left = canvas.width, top = canvas.height, right = -1, bottom = -1;
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            if (canvas.at(x, y) == blue) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    QCOMPARE(painted, (Rect{left, top, right - left + 1, bottom - top + 1}));
    QCOMPARE(floodFillBorderArea(canvas.buffer(), {60, 40}, white, blue), Rect{});
}

void TestRasterPainter::straightLinesMatchTheGeneralPath_data()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<bool>("level");
    QTest::addColumn<double>("offset");
    QTest::newRow("5 wide upright on a pixel edge") << 5.0 << false << 0.0;
    QTest::newRow("2 wide upright through pixel centres") << 2.0 << false << 0.5;
    QTest::newRow("3 wide level at a third") << 3.0 << true << 0.33;
}

// A level or upright line takes a shortcut; a line a hair off it takes the general way. Both
// must paint the same pixels, round caps included, within rounding.
void TestRasterPainter::straightLinesMatchTheGeneralPath()
{
    QFETCH(double, width);
    QFETCH(bool, level);
    QFETCH(double, offset);
    Canvas straight(60, 60);
    Canvas general(60, 60);
    const PointF from = level ? PointF{10, 30 + offset} : PointF{30 + offset, 10};
    const PointF to = level ? PointF{50, 30 + offset} : PointF{30 + offset, 50};
    const PointF nudged = level ? PointF{to.x, to.y + 1e-9} : PointF{to.x + 1e-9, to.y};
    RasterPainter(straight.buffer()).strokeLine(from, to, width, white);
    RasterPainter(general.buffer()).strokeLine(from, nudged, width, white);
    const Difference difference = compare(straight, general);
    QCOMPARE(difference.large, 0);
    QVERIFY(straight.at(30, 30) == white);
}

// Ends a world away paint what ends just past the edges paint: their coordinates must not
// overflow on the way to pixel numbers.
void TestRasterPainter::straightLineFromFarBeyondTheBuffer()
{
    for (const bool level : {true, false}) {
        const auto point = [level](double along) {
            return level ? PointF{along, 30.5} : PointF{30.5, along};
        };
        Canvas far(60, 60);
        Canvas near(60, 60);
        RasterPainter(far.buffer()).strokeLine(point(-1e12), point(1e12), 5, white);
        RasterPainter(near.buffer()).strokeLine(point(-5), point(65), 5, white);
        QCOMPARE(compare(far, near).pixels, 0);
        const auto onLine = [&](int along) {
            return level ? near.at(along, 30) : near.at(30, along);
        };
        QCOMPARE(onLine(0), white);
        QCOMPARE(onLine(59), white);
    }
}

// The same for a rectangle reaching a world away on both sides, filled on whole pixels and
// outlined: the right side's column number once overflowed, and nothing was painted.
void TestRasterPainter::rectanglesFromFarBeyondTheBuffer()
{
    for (const bool filled : {true, false}) {
        const auto paint = [filled](Canvas &canvas, double beyond) {
            const RectF rect{-beyond, 10, 60 + 2 * beyond, 30};
            RasterPainter painter(canvas.buffer());
            if (filled)
                painter.fillRect(rect, white);
            else
                painter.strokeRect(rect, 5, white);
        };
        Canvas far(60, 60);
        Canvas near(60, 60);
        paint(far, 1e12);
        paint(near, 10);
        QCOMPARE(compare(far, near).pixels, 0);
        const int row = filled ? 25 : 10;
        QCOMPARE(near.at(0, row), white);
        QCOMPARE(near.at(59, row), white);
        QCOMPARE(near.at(30, 45), green);
    }
}

// An image across the buffer's edges, off it to the left, right, top and bottom, paints the part
// on the buffer exactly as on a buffer one pixel larger all round.
void TestRasterPainter::imagesAcrossTheBufferEdges()
{
    const std::uint32_t image[] = {0xff0000ff, 0x80ffffff, 0x40ffffff, 0xffffffff, 0x20000000,
                                   0xc0ff0000, 0x80ffffff, 0xff000000, 0x10ffffff};
    Canvas small(20, 20);
    Canvas large(22, 22);
    for (const Point at : {Point{-1, 18}, Point{18, -1}, Point{-2, -2}, Point{19, 19}}) {
        RasterPainter(small.buffer()).drawImage(image, {3, 3}, at);
        RasterPainter(large.buffer()).drawImage(image, {3, 3}, {at.x + 1, at.y + 1});
    }
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x)
            QCOMPARE(small.at(x, y), large.at(x + 1, y + 1));
    QCOMPARE(small.at(18, 0), white);
    QCOMPARE(small.at(19, 1), 0xff000000u);
    QCOMPARE(small.at(19, 19), 0xff0000ffu);
    QVERIFY(small.at(0, 18) != green);
}

// The rectangle's bands are painted by column and by row, its corners pixel by pixel: a mistake
// in any of them breaks the symmetry of a centred rectangle.
void TestRasterPainter::rectangleOutlineIsSymmetric()
{
    Canvas canvas(61, 41);
    RasterPainter(canvas.buffer()).strokeRect({10.5, 10.5, 40, 20}, 5, white);
    int asymmetric = 0;
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x)
            asymmetric += canvas.at(x, y) != canvas.at(canvas.width - 1 - x, y) ||
                          canvas.at(x, y) != canvas.at(x, canvas.height - 1 - y);
    QCOMPARE(asymmetric, 0);
    QCOMPARE(canvas.at(30, 10), white);
    QCOMPARE(canvas.at(10, 20), white);
    QCOMPARE(canvas.at(30, 20), green);
    // The outer corner is round: a square one would cover the pixel diagonally out from it.
    QCOMPARE(canvas.at(9, 9), white);
    QVERIFY(canvas.at(8, 8) != white);
    QCOMPARE(canvas.at(7, 7), green);
}

void TestRasterPainter::fractionalRectangleCoversByArea()
{
    Canvas canvas(6, 4, 0xff000000);
    RasterPainter(canvas.buffer()).fillRect({1.5, 1, 3, 2}, white);
    QCOMPARE(canvas.at(2, 1), white);
    QCOMPARE(canvas.at(3, 2), white);
    QCOMPARE(byteOf(canvas.at(1, 1), 0), 128);
    QCOMPARE(byteOf(canvas.at(4, 2), 8), 128);
    QCOMPARE(canvas.at(0, 1), 0xff000000);
    QCOMPARE(canvas.at(2, 0), 0xff000000);
    QCOMPARE(canvas.at(2, 3), 0xff000000);
}

// The marker: a ten-pixel circle, its one-pixel border inside its box, nothing outside.
void TestRasterPainter::circleCoversExactlyItsBox()
{
    Canvas canvas(20, 20);
    RasterPainter(canvas.buffer()).drawEllipse({10, 10}, 4.5, 4.5, blue, white, 1);
    QCOMPARE(canvas.at(10, 10), blue);
    // The border passes between pixel centres: mostly white.
    QVERIFY(byteOf(canvas.at(5, 10), 0) > 230);
    QVERIFY(byteOf(canvas.at(14, 9), 0) > 230);
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(canvas.at(i, 4), green);
        QCOMPARE(canvas.at(i, 15), green);
        QCOMPARE(canvas.at(4, i), green);
        QCOMPARE(canvas.at(15, i), green);
    }
}

// A repaint of part of a surface paints only there, and exactly as the whole painting would.
void TestRasterPainter::clipKeepsEverythingElse()
{
    Canvas whole(50, 50);
    Canvas part(50, 50);
    const auto paint = [](RasterPainter painter) {
        painter.fill(0xff123456);
        painter.strokeLine({5, 45}, {45, 5}, 5, white);
        painter.strokeLine({25, 5}, {25, 45}, 2, blue);
        painter.strokeRect({10, 10, 30, 30}, 3, blue);
        painter.drawEllipse({25, 25}, 6, 4, blue, white, 1);
        const std::uint32_t image[] = {0x80ffffff, 0xff000000, 0x40ffffff, 0x00000000};
        painter.drawImage(image, {2, 2}, {19, 14});
    };
    const Rect clip{20, 15, 12, 9};
    paint(RasterPainter(whole.buffer()));
    Canvas untouched(50, 50);
    paint(RasterPainter(part.buffer(), clip));
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 50; ++x) {
            const bool inside = x >= 20 && x < 32 && y >= 15 && y < 24;
            QCOMPARE(part.at(x, y), inside ? whole.at(x, y) : untouched.at(x, y));
        }
}

QTEST_APPLESS_MAIN(TestRasterPainter)
#include "tst_rasterpainter.moc"
