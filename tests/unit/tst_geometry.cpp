// The rectangles a drawing marks for repainting: spanned by two corners, grown by a pen's width.
#include "platform/geometry.h"

#include <QTest>

namespace {
QRectF qRect(const RectF &rect)
{
    return QRectF(rect.left, rect.top, rect.width, rect.height);
}
} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void spanning_data();
    void spanning();
    void grown_data();
    void grown();
};

void TestGeometry::spanning_data()
{
    QTest::addColumn<QPointF>("a");
    QTest::addColumn<QPointF>("b");
    QTest::addColumn<QRectF>("rect");

    const QRectF box(49, 80, 80, 120);
    QTest::newRow("top left, bottom right") << QPointF(49, 80) << QPointF(129, 200) << box;
    QTest::newRow("bottom right, top left") << QPointF(129, 200) << QPointF(49, 80) << box;
    QTest::newRow("bottom left, top right") << QPointF(49, 200) << QPointF(129, 80) << box;
    QTest::newRow("top right, bottom left") << QPointF(129, 80) << QPointF(49, 200) << box;
    QTest::newRow("horizontal line")
        << QPointF(365, 201) << QPointF(30, 201) << QRectF(30, 201, 335, 0);
    QTest::newRow("vertical line") << QPointF(49, 40) << QPointF(49, 220) << QRectF(49, 40, 0, 180);
    QTest::newRow("left of and above the origin")
        << QPointF(-2.5, 3) << QPointF(1.5, -4) << QRectF(-2.5, -4, 4, 7);
}

void TestGeometry::spanning()
{
    QFETCH(QPointF, a);
    QFETCH(QPointF, b);
    QFETCH(QRectF, rect);

    const RectF spanned = RectF::spanning({a.x(), a.y()}, {b.x(), b.y()});
    QCOMPARE(qRect(spanned), rect);
    QCOMPARE(spanned.right(), std::max(a.x(), b.x()));
    QCOMPARE(spanned.bottom(), std::max(a.y(), b.y()));
}

void TestGeometry::grown_data()
{
    QTest::addColumn<QRectF>("rect");
    QTest::addColumn<double>("margin");
    QTest::addColumn<QRectF>("grown");

    QTest::newRow("every side") << QRectF(10, 20, 30, 40) << 2.0 << QRectF(8, 18, 34, 44);
    QTest::newRow("a line gets a height")
        << QRectF(30, 201, 335, 0) << 1.5 << QRectF(28.5, 199.5, 338, 3);
}

void TestGeometry::grown()
{
    QFETCH(QRectF, rect);
    QFETCH(double, margin);
    QFETCH(QRectF, grown);

    const RectF from{rect.x(), rect.y(), rect.width(), rect.height()};
    QCOMPARE(qRect(from.grown(margin)), grown);
}

QTEST_APPLESS_MAIN(TestGeometry)
#include "tst_geometry.moc"
