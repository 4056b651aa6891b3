// The step forward: the walk from B to C one press at a time, the triangle it shades, the guide
// lines and the graph it moves, and the press at C.
#include "figureprobe.h"

#include <QTest>

namespace {
QList<QLineF> guideLines(const Form1 &form)
{
    return {segment(form.Line4[0]), segment(form.Line4[1]), segment(form.Line4[2]),
            segment(form.Line5)};
}

void tickAll(Form1 &form)
{
    form.Check1.click();
    form.Check2.click();
    form.Check3.click();
}

// Where P stands after a walk of the given length from B, worked out from the figure.
QPointF pointAt(int distance)
{
    if (distance <= 8)
        return QPointF(75, 250 - 25 * distance);
    if (distance <= 20)
        return QPointF(75 + 25 * (distance - 8), 50);
    return QPointF(375, 50 + 25 * (distance - 20));
}

QPoint pixel(const QPointF &point)
{
    return point.toPoint();
}
} // namespace

class TestStepForward : public QObject
{
    Q_OBJECT

private slots:
    void walkFromBToC_data();
    void walkFromBToC();
    void triangleIsOutlinedAndShaded_data();
    void triangleIsOutlinedAndShaded();
    void graphShowsInItsColours();
    void pressAtCOnlyRedrawsTheRectangle();
    void firstPressAfterStartUpAndReset();
    void graphSwitchedOnMidWalkMovesOnlyTheCurrentPiece();
    void allBoxesOffMovesOnlyThePoint();
    void grayedBoxesCountAsOn();
};

void TestStepForward::walkFromBToC_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<QPointF>("marker");
    QTest::addColumn<QPointF>("tag");
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<QList<QLineF>>("graph");
    QTest::addColumn<QList<QLineF>>("guides");

    QTest::newRow("1, first step up BA")
        << 1 << QPointF(70, 220) << QPointF(48, 204) << QPoint(148, 240)
        << QList<QLineF>{{49, 200, 59, 185}, line2Parked, line3Parked}
        << QList<QLineF>{{75, 250, 75, 225}, path1Parked, path2Parked, {75, 250, 75, 225}};
    QTest::newRow("8, at A") << 8 << QPointF(70, 45) << QPointF(48, 50) << QPoint(148, 152)
                             << QList<QLineF>{line1Full, line2Parked, line3Parked}
                             << QList<QLineF>{fullBA, path1Parked, path2Parked, {75, 50, 75, 250}};
    QTest::newRow("9, past A") << 9 << QPointF(95, 45) << QPointF(87, 22) << QPoint(160, 152)
                               << QList<QLineF>{line1Full, {129, 80, 139, 80}, line3Parked}
                               << QList<QLineF>{
                                      fullBA, {75, 50, 100, 50}, path2Parked, {100, 50, 100, 250}};
    QTest::newRow("20, at D") << 20 << QPointF(370, 45) << QPointF(351, 22) << QPoint(298, 152)
                              << QList<QLineF>{line1Full, line2Full, line3Parked}
                              << QList<QLineF>{fullBA, fullAD, path2Parked, {375, 250, 375, 50}};
    QTest::newRow("21, past D") << 21 << QPointF(370, 70) << QPointF(390, 64) << QPoint(298, 165)
                                << QList<QLineF>{line1Full, line2Full, {249, 80, 259, 95}}
                                << QList<QLineF>{
                                       fullBA, fullAD, {375, 50, 375, 75}, {375, 250, 375, 75}};
    QTest::newRow("28, at C: flat")
        << 28 << QPointF(370, 245) << QPointF(390, 218) << QPoint()
        << QList<QLineF>{line1Full, line2Full, {249, 80, 329, 200}}
        << QList<QLineF>{fullBA, fullAD, {375, 50, 375, 250}, heightParked};
}

void TestStepForward::walkFromBToC()
{
    QFETCH(int, distance);
    QFETCH(QPointF, marker);
    QFETCH(QPointF, tag);
    QFETCH(QPoint, seed);
    QFETCH(QList<QLineF>, graph);
    QFETCH(QList<QLineF>, guides);

    Form1 form;
    tickAll(form);
    forward(form, distance);

    QCOMPARE(form.Distance.value(), distance);
    QCOMPARE(widget<QLineEdit>(form.Text1).text(), QStringLiteral(" %1").arg(distance));
    QCOMPARE(::marker(form), marker);
    QCOMPARE(::tag(form), tag);
    QCOMPARE(graphLines(form), graph);
    QCOMPARE(guideLines(form), guides);
    if (seed.isNull())
        QCOMPARE(countOf(surfaceImage(form.kokuban), blue), 0);
    else
        QCOMPARE(drawnAt(form.kokuban, seed), blue);
}

void TestStepForward::triangleIsOutlinedAndShaded_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<QList<QPointF>>("outside");

    for (int distance = 1; distance <= 27; ++distance) {
        QList<QPointF> outside{{20, 20}, {100, 290}};
        if (distance <= 8)
            outside << QPointF(300, 75);
        else if (distance <= 19)
            outside << QPointF(85, 60) << QPointF(365, 60);
        else
            outside << QPointF(100, 75) << QPointF(300, 75);
        QTest::addRow("%d", distance) << distance << outside;
    }
}

// Blue inside, white on the two new sides, the board's green around it: also where the
// triangle of the step before lay.
void TestStepForward::triangleIsOutlinedAndShaded()
{
    QFETCH(int, distance);
    QFETCH(QList<QPointF>, outside);

    Form1 form;
    forward(form, distance);
    const QPointF b(75, 250);
    const QPointF c(375, 250);
    const QPointF p = pointAt(distance);

    QCOMPARE(marker(form), p - QPointF(5, 5));
    QCOMPARE(drawnAt(form.kokuban, pixel((b + c + p) / 3)), blue);
    QCOMPARE(drawnAt(form.kokuban, pixel((b + p) / 2)), white);
    QCOMPARE(drawnAt(form.kokuban, pixel((c + p) / 2)), white);
    for (const QPointF &point : outside)
        QCOMPARE(drawnAt(form.kokuban, pixel(point)), green);
}

void TestStepForward::graphShowsInItsColours()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    form.Check2.click();
    forward(form, 5);
    QImage grabbed = widget(form.gamen).grab().toImage();
    QCOMPARE(shown(grabbed, QPointF(74, 162.5)), red);
    QCOMPARE(countOf(grabbed, brown), 0);
    QCOMPARE(countOf(grabbed, magenta), 0);

    forward(form, 19);
    grabbed = widget(form.gamen).grab().toImage();
    QCOMPARE(shown(grabbed, QPointF(89, 140)), red);
    QCOMPARE(shown(grabbed, QPointF(189, 80)), brown);
    QCOMPARE(shown(grabbed, QPointF(269, 110)), magenta);
    // The falling piece ends at x = 24 cm.
    QCOMPARE(countOf(grabbed.copy(
                         QRect(QPoint(int(300 * grabbed.devicePixelRatio()), 0), grabbed.size())),
                     magenta),
             0);
}

void TestStepForward::pressAtCOnlyRedrawsTheRectangle()
{
    const Form1 fresh;
    Form1 form;
    tickAll(form);
    forward(form, 28);
    const QList<QLineF> graph = graphLines(form);
    const QList<QLineF> guides = guideLines(form);
    const QPointF markerBefore = marker(form);
    const QPointF tagBefore = tag(form);
    const QImage gamenBefore = surfaceImage(form.gamen);

    form.susumu.click();
    QCOMPARE(form.Distance.value(), 28);
    QCOMPARE(widget<QLineEdit>(form.Text1).text(), QStringLiteral(" 28"));
    QCOMPARE(marker(form), markerBefore);
    QCOMPARE(tag(form), tagBefore);
    QCOMPARE(graphLines(form), graph);
    QCOMPARE(guideLines(form), guides);
    QVERIFY(surfaceImage(form.gamen) == gamenBefore);
    QVERIFY(surfaceImage(form.kokuban) == surfaceImage(fresh.kokuban));
}

void TestStepForward::firstPressAfterStartUpAndReset()
{
    Form1 form;
    QCOMPARE(widget<QLineEdit>(form.Text1).text(), QStringLiteral("0"));
    form.susumu.click();
    QCOMPARE(widget<QLineEdit>(form.Text1).text(), QStringLiteral(" 1"));
    QCOMPARE(marker(form), QPointF(70, 220));
    QCOMPARE(tag(form), QPointF(48, 204));

    forward(form, 12);
    form.syokigamen.click();
    form.susumu.click();
    QCOMPARE(form.Distance.value(), 1);
    QCOMPARE(widget<QLineEdit>(form.Text1).text(), QStringLiteral(" 1"));
    QCOMPARE(marker(form), QPointF(70, 220));
    QCOMPARE(tag(form), QPointF(48, 204));
}

void TestStepForward::graphSwitchedOnMidWalkMovesOnlyTheCurrentPiece()
{
    Form1 form;
    forward(form, 10);
    form.Check2.click();
    form.susumu.click();
    const QList<QLineF> graph{line1Parked, {129, 80, 159, 80}, line3Parked};
    QCOMPARE(graphLines(form), graph);

    form.Check2.click();
    form.susumu.click();
    QCOMPARE(graphLines(form), graph);
}

void TestStepForward::allBoxesOffMovesOnlyThePoint()
{
    Form1 form;
    const QImage gamenBefore = surfaceImage(form.gamen);
    const QList<QLineF> graph = graphLines(form);
    const QList<QLineF> guides = guideLines(form);
    for (int distance = 1; distance <= 28; ++distance) {
        form.susumu.click();
        QCOMPARE(graphLines(form), graph);
        QCOMPARE(guideLines(form), guides);
        QVERIFY(surfaceImage(form.gamen) == gamenBefore);
    }
    QCOMPARE(marker(form), QPointF(370, 245));
}

// A grayed box cannot come from a click on a two-state box; it is set directly.
void TestStepForward::grayedBoxesCountAsOn()
{
    Form1 form;
    form.Check1.setValue(2);
    form.Check2.setValue(2);
    form.Check3.setValue(2);
    forward(form, 9);
    QCOMPARE(segment(form.Line4[1]), QLineF(75, 50, 100, 50));
    QCOMPARE(segment(form.Line5), QLineF(100, 50, 100, 250));
    QCOMPARE(segment(form.Line2), QLineF(129, 80, 139, 80));
}

QTEST_MAIN(TestStepForward)
#include "tst_stepforward.moc"
