// The rectangle helpers that follow what a surface has changed: union, clipping, emptiness.
#include "platform/geometry.h"

#include <QTest>

namespace {
QRect qr(const Rect &rect)
{
    return QRect(rect.left, rect.top, rect.width, rect.height);
}
} // namespace

class TestGeometry : public QObject
{
    Q_OBJECT

private slots:
    void united_data();
    void united();
    void clipped_data();
    void clipped();
};

void TestGeometry::united_data()
{
    QTest::addColumn<QRect>("a");
    QTest::addColumn<QRect>("b");
    QTest::addColumn<QRect>("expected");

    QTest::newRow("overlapping") << QRect(0, 0, 10, 10) << QRect(5, 5, 10, 10)
                                 << QRect(0, 0, 15, 15);
    QTest::newRow("apart, b above and left")
        << QRect(20, 30, 5, 5) << QRect(-4, 2, 3, 3) << QRect(-4, 2, 29, 33);
    QTest::newRow("empty a adds nothing") << QRect() << QRect(3, 4, 5, 6) << QRect(3, 4, 5, 6);
    QTest::newRow("empty b far away adds nothing")
        << QRect(3, 4, 5, 6) << QRect(100, 100, 0, 7) << QRect(3, 4, 5, 6);
}

void TestGeometry::united()
{
    QFETCH(QRect, a);
    QFETCH(QRect, b);
    QFETCH(QRect, expected);
    const Rect result =
        ::united({a.x(), a.y(), a.width(), a.height()}, {b.x(), b.y(), b.width(), b.height()});
    QCOMPARE(qr(result), expected);
}

void TestGeometry::clipped_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<QRect>("expected");

    // Clipped to the area (0, 0, 100, 50).
    QTest::newRow("inside") << QRect(10, 10, 20, 20) << QRect(10, 10, 20, 20);
    QTest::newRow("over the right and bottom edges")
        << QRect(90, 40, 20, 20) << QRect(90, 40, 10, 10);
    QTest::newRow("over the left and top edges") << QRect(-5, -5, 10, 10) << QRect(0, 0, 5, 5);
    QTest::newRow("touching the right edge only") << QRect(100, 0, 5, 5) << QRect(0, 0, 0, 0);
    QTest::newRow("outside") << QRect(-20, 60, 5, 5) << QRect(0, 0, 0, 0);
}

void TestGeometry::clipped()
{
    QFETCH(QRect, rect);
    QFETCH(QRect, expected);
    const Rect result =
        ::clipped({rect.x(), rect.y(), rect.width(), rect.height()}, {0, 0, 100, 50});
    QCOMPARE(qr(result), expected);
    QCOMPARE(isEmpty(result), expected.isEmpty());
}

QTEST_MAIN(TestGeometry)
#include "tst_geometry.moc"
