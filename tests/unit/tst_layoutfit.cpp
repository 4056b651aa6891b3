// The layout's fit to a client area, the one rule of every backend: the factor, the centring, the
// smallest factor and the rectangles in whole client units.
#include "platform/layoutfit.h"

#include <QTest>

namespace {
constexpr Size layout{865, 437};

QRect qr(const Rect &rect)
{
    return QRect(rect.left, rect.top, rect.width, rect.height);
}
} // namespace

class TestLayoutFit : public QObject
{
    Q_OBJECT

private slots:
    void fit_data();
    void fit();
    void ownSizeIsFactorOne_data();
    void ownSizeIsFactorOne();
    void rectanglesMeet();
    void beforeTheLayoutHasASize();
};

void TestLayoutFit::fit_data()
{
    QTest::addColumn<QSize>("client");
    QTest::addColumn<double>("unitsPerPixel");
    QTest::addColumn<double>("factor");
    QTest::addColumn<QPoint>("origin");

    QTest::newRow("own size") << QSize(865, 437) << 1.0 << 1.0 << QPoint(0, 0);
    QTest::newRow("twice") << QSize(1730, 874) << 1.0 << 2.0 << QPoint(0, 0);
    // Maximised on 1920 x 1080: the width decides, and the layout is centred from top to bottom.
    QTest::newRow("1920 x 1080") << QSize(1920, 1080) << 1.0 << 1920.0 / 865
                                 << QPoint(0, qRound((1080 - 437 * (1920.0 / 865)) / 2));
    // A tall window: the height decides, and the layout is centred from left to right.
    QTest::newRow("1730 x 1600") << QSize(1730, 1600) << 1.0 << 2.0 << QPoint(0, 363);
    QTest::newRow("wide") << QSize(3000, 874) << 1.0 << 2.0 << QPoint(635, 0);
    QTest::newRow("smaller") << QSize(600, 360) << 1.0 << 600.0 / 865
                             << QPoint(0, qRound((360 - 437 * (600.0 / 865)) / 2));
    QTest::newRow("just above half") << QSize(433, 219) << 1.0 << 433.0 / 865 << QPoint(0, 0);
    // Below half: the layout stays at half from the top-left, and the frame cuts it off.
    QTest::newRow("below half") << QSize(300, 150) << 1.0 << 0.5 << QPoint(0, 0);
    QTest::newRow("below half, tall") << QSize(300, 900) << 1.0 << 0.5 << QPoint(0, 341);
    // A Windows client area at 150 % counts device pixels, 1.5 to a layout pixel.
    QTest::newRow("150 %, twice") << QSize(2595, 1311) << 1.5 << 2.0 << QPoint(0, 0);
    QTest::newRow("150 %, 1920 x 1080") << QSize(1920, 1080) << 1.5 << 1920.0 / 1297.5
                                        << QPoint(0, qRound((1080 - 437 * 1920.0 / 865) / 2));
}

void TestLayoutFit::fit()
{
    QFETCH(QSize, client);
    QFETCH(double, unitsPerPixel);
    QFETCH(double, factor);
    QFETCH(QPoint, origin);
    const LayoutFit fit = LayoutFit::of(layout, {client.width(), client.height()}, unitsPerPixel);
    QCOMPARE(fit.factor, factor);
    QCOMPARE(fit.scale, factor * unitsPerPixel);
    QCOMPARE(QPoint(fit.origin.x, fit.origin.y), origin);
}

// The client area a display's scale gives the layout's own size, rounded to whole device
// pixels, shows the layout at its own size: the window as it opens is the window of before.
void TestLayoutFit::ownSizeIsFactorOne_data()
{
    QTest::addColumn<double>("unitsPerPixel");
    QTest::newRow("100 %") << 1.0;
    QTest::newRow("125 %") << 1.25;
    QTest::newRow("150 %") << 1.5;
    QTest::newRow("175 %") << 1.75;
    QTest::newRow("200 %") << 2.0;
}

void TestLayoutFit::ownSizeIsFactorOne()
{
    QFETCH(double, unitsPerPixel);
    const Size client{int(std::lround(865 * unitsPerPixel)), int(std::lround(437 * unitsPerPixel))};
    const LayoutFit fit = LayoutFit::of(layout, client, unitsPerPixel);
    QCOMPARE(fit.factor, 1.0);
    QCOMPARE(fit.scale, unitsPerPixel);
    QCOMPARE(QPoint(fit.origin.x, fit.origin.y), QPoint(0, 0));
    QCOMPARE(qr(fit.place({24, 112, 433, 313})),
             QRect(int(std::lround(24 * unitsPerPixel)), int(std::lround(112 * unitsPerPixel)),
                   int(std::lround(457 * unitsPerPixel)) - int(std::lround(24 * unitsPerPixel)),
                   int(std::lround(425 * unitsPerPixel)) - int(std::lround(112 * unitsPerPixel))));
    // One device pixel more each way is a new fit.
    QVERIFY(LayoutFit::of(layout, {client.width + 2, client.height + 2}, unitsPerPixel).factor > 1);
}

// Neighbours stay neighbours: a rectangle ends where the next one begins, at any factor.
void TestLayoutFit::rectanglesMeet()
{
    for (const int width : {433, 700, 1000, 1234, 1920, 2561}) {
        const LayoutFit fit = LayoutFit::of(layout, {width, 2000});
        for (int left = 0; left < 860; left += 7) {
            const Rect first = fit.place({left, 10, 3, 5});
            const Rect second = fit.place({left + 3, 15, 4, 5});
            QCOMPARE(first.left + first.width, second.left);
            QCOMPARE(first.top + first.height, second.top);
        }
        QCOMPARE(fit.place(Size{865, 437}).width, fit.units(865));
    }
}

void TestLayoutFit::beforeTheLayoutHasASize()
{
    const LayoutFit fit = LayoutFit::of({}, {0, 0}, 1.5);
    QCOMPARE(fit.factor, 1.0);
    QCOMPARE(fit.scale, 1.5);
    QCOMPARE(qr(fit.place({2, 4, 10, 10})), QRect(3, 6, 15, 15));
}

QTEST_MAIN(TestLayoutFit)
#include "tst_layoutfit.moc"
