// The guide lines on the blackboard: the travelled-path highlight and the height of the triangle,
// switched by their check boxes at any distance.
#include "figureprobe.h"

#include <QTest>

namespace {
void walkTo(Form1 &form, int distance)
{
    for (int step = 0; step < distance; ++step)
        form.susumu.click();
    QCOMPARE(form.Distance.value(), distance);
}
} // namespace

class TestGuideLines : public QObject
{
    Q_OBJECT

private slots:
    void pathHighlightFollowsItsBox_data();
    void pathHighlightFollowsItsBox();
    void heightLineFollowsItsBox_data();
    void heightLineFollowsItsBox();
    void guidesShowInTheirColours_data();
    void guidesShowInTheirColours();
    void parkedGuidesAreOutOfSight();
    void grayedBoxCountsAsOn();
};

void TestGuideLines::pathHighlightFollowsItsBox_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<QLineF>("side0");
    QTest::addColumn<QLineF>("side1");
    QTest::addColumn<QLineF>("side2");

    QTest::newRow("at B") << 0 << path0Parked << path1Parked << path2Parked;
    QTest::newRow("first step") << 1 << QLineF(75, 250, 75, 225) << path1Parked << path2Parked;
    QTest::newRow("at A") << 8 << fullBA << path1Parked << path2Parked;
    QTest::newRow("past A") << 9 << fullBA << QLineF(75, 50, 100, 50) << path2Parked;
    QTest::newRow("middle of AD") << 14 << fullBA << QLineF(75, 50, 225, 50) << path2Parked;
    QTest::newRow("at D") << 20 << fullBA << fullAD << path2Parked;
    QTest::newRow("past D") << 21 << fullBA << fullAD << QLineF(375, 50, 375, 75);
    QTest::newRow("at C") << 28 << fullBA << fullAD << QLineF(375, 50, 375, 250);
}

// Ticking places the lines for the distance of the moment; clearing parks all three.
void TestGuideLines::pathHighlightFollowsItsBox()
{
    QFETCH(int, distance);
    QFETCH(QLineF, side0);
    QFETCH(QLineF, side1);
    QFETCH(QLineF, side2);

    Form1 form;
    walkTo(form, distance);
    QCOMPARE(segment(form.Line4[0]), path0Parked);

    form.Check1.click();
    QCOMPARE(segment(form.Line4[0]), side0);
    QCOMPARE(segment(form.Line4[1]), side1);
    QCOMPARE(segment(form.Line4[2]), side2);
    QCOMPARE(segment(form.Line5), heightParked);

    form.Check1.click();
    QCOMPARE(segment(form.Line4[0]), path0Parked);
    QCOMPARE(segment(form.Line4[1]), path1Parked);
    QCOMPARE(segment(form.Line4[2]), path2Parked);
}

void TestGuideLines::heightLineFollowsItsBox_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<QLineF>("height");

    QTest::newRow("at B: no height") << 0 << heightParked;
    QTest::newRow("first step") << 1 << QLineF(75, 250, 75, 225);
    QTest::newRow("last step on BA") << 7 << QLineF(75, 250, 75, 75);
    QTest::newRow("at A: side AB") << 8 << QLineF(75, 50, 75, 250);
    QTest::newRow("past A") << 9 << QLineF(100, 50, 100, 250);
    QTest::newRow("last step on AD") << 19 << QLineF(350, 50, 350, 250);
    QTest::newRow("at D: side CD") << 20 << QLineF(375, 250, 375, 50);
    QTest::newRow("last step on DC") << 27 << QLineF(375, 250, 375, 225);
    QTest::newRow("at C: no height") << 28 << heightParked;
}

void TestGuideLines::heightLineFollowsItsBox()
{
    QFETCH(int, distance);
    QFETCH(QLineF, height);

    Form1 form;
    walkTo(form, distance);
    form.Check3.click();
    QCOMPARE(segment(form.Line5), height);
    QCOMPARE(segment(form.Line4[0]), path0Parked);

    form.Check3.click();
    QCOMPARE(segment(form.Line5), heightParked);
}

void TestGuideLines::guidesShowInTheirColours_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<QList<QPointF>>("redPoints");
    QTest::addColumn<QList<QPointF>>("pinkPoints");
    QTest::addColumn<QList<QPointF>>("whitePoints");

    // On BA the height line covers the highlight: it lies in front. Ahead of P the path keeps the
    // figure's white.
    QTest::newRow("on BA") << 5 << QList<QPointF>{} << QList<QPointF>{{75, 240}, {75, 130}}
                           << QList<QPointF>{{75, 115}, {75, 60}, {200, 50}};
    QTest::newRow("on AD") << 14 << QList<QPointF>{{75, 240}, {75, 60}, {150, 50}, {220, 50}}
                           << QList<QPointF>{{225, 60}, {225, 150}, {225, 240}}
                           << QList<QPointF>{{235, 50}, {370, 50}, {375, 150}};
    QTest::newRow("on DC") << 24 << QList<QPointF>{{75, 150}, {225, 50}, {375, 60}, {375, 140}}
                           << QList<QPointF>{{375, 160}, {375, 240}} << QList<QPointF>{{200, 250}};
}

void TestGuideLines::guidesShowInTheirColours()
{
    QFETCH(int, distance);
    QFETCH(QList<QPointF>, redPoints);
    QFETCH(QList<QPointF>, pinkPoints);
    QFETCH(QList<QPointF>, whitePoints);

    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    walkTo(form, distance);
    form.Check1.click();
    form.Check3.click();

    const QImage grabbed = widget(form.kokuban).grab().toImage();
    for (const QPointF &point : redPoints)
        QCOMPARE(shown(grabbed, point), red);
    for (const QPointF &point : pinkPoints)
        QCOMPARE(shown(grabbed, point), pink);
    for (const QPointF &point : whitePoints)
        QCOMPARE(shown(grabbed, point), white);
}

void TestGuideLines::parkedGuidesAreOutOfSight()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    walkTo(form, 14);
    form.Check1.click();
    form.Check3.click();
    QVERIFY(countOf(widget(form.kokuban).grab().toImage(), pink) > 0);

    form.Check1.click();
    form.Check3.click();
    const QImage grabbed = widget(form.kokuban).grab().toImage();
    QCOMPARE(countOf(grabbed, pink), 0);
    QCOMPARE(shown(grabbed, QPointF(75, 150)), white);
    QCOMPARE(shown(grabbed, QPointF(150, 50)), white);
}

// A grayed box cannot come from a click on a two-state box, so the handlers are called directly.
void TestGuideLines::grayedBoxCountsAsOn()
{
    Form1 form;
    walkTo(form, 9);
    form.Check1.setValue(2);
    form.Check1_Click();
    form.Check3.setValue(2);
    form.Check3_Click();
    QCOMPARE(segment(form.Line4[1]), QLineF(75, 50, 100, 50));
    QCOMPARE(segment(form.Line5), QLineF(100, 50, 100, 250));
}

QTEST_MAIN(TestGuideLines)
#include "tst_guidelines.moc"
