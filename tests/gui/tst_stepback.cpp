// The step back: the walk from C back to B, the parking at the corners, the tag's fixed places,
// and a step forward and back leaving every view but the tag as it was.
#include "figureprobe.h"

#include <QPainter>
#include <QTest>

namespace {
// What a view shows, as far as a step forward and back must give it back.
struct Views
{
    int distance;
    QString text;
    QPointF marker;
    QList<QLineF> lines;
    QImage kokuban;
    QImage gamen;
    QImage kokubanShown;
    QImage gamenShown;
};

Views views(Form1 &form)
{
    return {form.Distance.value(),
            widget<QLineEdit>(form.Text1).text(),
            marker(form),
            graphLines(form) + pathLines(form) + QList<QLineF>{segment(form.Line5)},
            surfaceImage(form.kokuban),
            surfaceImage(form.gamen),
            widget(form.kokuban).grab().toImage(),
            widget(form.gamen).grab().toImage()};
}

// Covers the tag's places on a grabbed blackboard, the one view allowed to differ.
QImage withoutTags(QImage grabbed, const QList<QRectF> &tags)
{
    QPainter painter(&grabbed);
    for (const QRectF &place : tags)
        painter.fillRect(place.translated(PictureBox::borderWidth, PictureBox::borderWidth)
                             .adjusted(-1, -1, 1, 1),
                         Qt::black);
    return grabbed;
}
} // namespace

class TestStepBack : public QObject
{
    Q_OBJECT

private slots:
    void walkBackFromCToB_data();
    void walkBackFromCToB();
    void pressAtBOnlyRedrawsTheRectangle();
    void leavingASideParksItsLines_data();
    void leavingASideParksItsLines();
    void pathLinesStayWhileTheirBoxIsOff();
    void tagTakesItsFixedPlaceAtACorner_data();
    void tagTakesItsFixedPlaceAtACorner();
    void roundTripRestoresEveryViewButTheTag_data();
    void roundTripRestoresEveryViewButTheTag();
    void grayedBoxesCountAsOn();
};

void TestStepBack::walkBackFromCToB_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<QPointF>("marker");
    QTest::addColumn<QPointF>("tag");
    QTest::addColumn<QPoint>("seed");
    QTest::addColumn<QList<QLineF>>("graph");
    QTest::addColumn<QList<QLineF>>("path");
    QTest::addColumn<QLineF>("height");

    QTest::newRow("27, first step down from C")
        << 27 << QPointF(370, 220) << QPointF(390, 196) << QPoint(298, 240)
        << QList<QLineF>{line1Full, line2Full, {249, 80, 319, 185}}
        << QList<QLineF>{fullBA, fullAD, {375, 50, 375, 225}} << QLineF(375, 250, 375, 225);
    QTest::newRow("20, at D") << 20 << QPointF(370, 45) << QPointF(355, 22) << QPoint(298, 152)
                              << QList<QLineF>{line1Full, line2Full, line3Parked}
                              << QList<QLineF>{fullBA, fullAD, path2Parked}
                              << QLineF(375, 250, 375, 50);
    QTest::newRow("19, past D") << 19 << QPointF(345, 45) << QPointF(331, 22) << QPoint(285, 152)
                                << QList<QLineF>{line1Full, {129, 80, 239, 80}, line3Parked}
                                << QList<QLineF>{fullBA, {75, 50, 350, 50}, path2Parked}
                                << QLineF(350, 50, 350, 250);
    QTest::newRow("9, last step on AD")
        << 9 << QPointF(95, 45) << QPointF(91, 22) << QPoint(160, 152)
        << QList<QLineF>{line1Full, {129, 80, 139, 80}, line3Parked}
        << QList<QLineF>{fullBA, {75, 50, 100, 50}, path2Parked} << QLineF(100, 50, 100, 250);
    QTest::newRow("8, at A") << 8 << QPointF(70, 45) << QPointF(48, 48) << QPoint(148, 152)
                             << QList<QLineF>{line1Full, line2Parked, line3Parked}
                             << QList<QLineF>{fullBA, path1Parked, path2Parked}
                             << QLineF(75, 50, 75, 250);
    QTest::newRow("7, past A") << 7 << QPointF(70, 70) << QPointF(48, 70) << QPoint(148, 165)
                               << QList<QLineF>{{49, 200, 119, 95}, line2Parked, line3Parked}
                               << QList<QLineF>{{75, 250, 75, 75}, path1Parked, path2Parked}
                               << QLineF(75, 250, 75, 75);
    QTest::newRow("0, at B: flat")
        << 0 << QPointF(70, 245) << QPointF(48, 224) << QPoint()
        << QList<QLineF>{line1Parked, line2Parked, line3Parked}
        << QList<QLineF>{path0Parked, path1Parked, path2Parked} << heightParked;
}

void TestStepBack::walkBackFromCToB()
{
    QFETCH(int, distance);
    QFETCH(QPointF, marker);
    QFETCH(QPointF, tag);
    QFETCH(QPoint, seed);
    QFETCH(QList<QLineF>, graph);
    QFETCH(QList<QLineF>, path);
    QFETCH(QLineF, height);

    Form1 form;
    form.Check1.click();
    form.Check2.click();
    form.Check3.click();
    forward(form, 28);
    back(form, 28 - distance);

    QCOMPARE(form.Distance.value(), distance);
    QCOMPARE(widget<QLineEdit>(form.Text1).text(), QStringLiteral(" %1").arg(distance));
    QCOMPARE(::marker(form), marker);
    QCOMPARE(::tag(form), tag);
    QCOMPARE(graphLines(form), graph);
    QCOMPARE(pathLines(form), path);
    QCOMPARE(segment(form.Line5), height);
    if (seed.isNull())
        QCOMPARE(countOf(surfaceImage(form.kokuban), blue), 0);
    else
        QCOMPARE(drawnAt(form.kokuban, seed), blue);
}

void TestStepBack::pressAtBOnlyRedrawsTheRectangle()
{
    Form1 form;
    form.Check1.click();
    form.Check2.click();
    form.Check3.click();
    const QImage bareRectangle = surfaceImage(form.kokuban);
    const QImage gamenBefore = surfaceImage(form.gamen);

    form.modoru.click();
    QCOMPARE(form.Distance.value(), 0);
    QCOMPARE(widget<QLineEdit>(form.Text1).text(), QStringLiteral("0"));
    QCOMPARE(marker(form), QPointF(70, 245));
    QCOMPARE(tag(form), QPointF(48, 226));
    QCOMPARE(graphLines(form), (QList<QLineF>{line1Parked, line2Parked, line3Parked}));
    QCOMPARE(pathLines(form), (QList<QLineF>{path0Parked, path1Parked, path2Parked}));
    QCOMPARE(segment(form.Line5), heightParked);
    QVERIFY(surfaceImage(form.kokuban) == bareRectangle);
    QVERIFY(surfaceImage(form.gamen) == gamenBefore);

    form.susumu.click();
    form.modoru.click();
    form.modoru.click();
    QCOMPARE(form.Distance.value(), 0);
    QCOMPARE(widget<QLineEdit>(form.Text1).text(), QStringLiteral(" 0"));
    QVERIFY(surfaceImage(form.kokuban) == bareRectangle);
}

void TestStepBack::leavingASideParksItsLines_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<QLineF>>("path");
    QTest::addColumn<QList<QLineF>>("graph");

    QTest::newRow("onto A") << 9 << QList<QLineF>{fullBA, path1Parked, path2Parked}
                            << QList<QLineF>{line1Full, line2Parked, line3Parked};
    QTest::newRow("onto D") << 21 << QList<QLineF>{fullBA, fullAD, path2Parked}
                            << QList<QLineF>{line1Full, line2Full, line3Parked};
    QTest::newRow("onto B") << 1 << QList<QLineF>{path0Parked, path1Parked, path2Parked}
                            << QList<QLineF>{line1Parked, line2Parked, line3Parked};
}

// Only the line of the side left is parked; the side behind the corner keeps its full length.
void TestStepBack::leavingASideParksItsLines()
{
    QFETCH(int, from);
    QFETCH(QList<QLineF>, path);
    QFETCH(QList<QLineF>, graph);

    Form1 form;
    form.Check1.click();
    form.Check2.click();
    forward(form, from);
    form.modoru.click();
    QCOMPARE(pathLines(form), path);
    QCOMPARE(graphLines(form), graph);
    QCOMPARE(segment(form.Line5), heightParked);
}

// The box is cleared without its click handler, so the highlight is still in view: the step
// back must leave it alone, corners included.
void TestStepBack::pathLinesStayWhileTheirBoxIsOff()
{
    Form1 form;
    form.Check1.click();
    forward(form, 22);
    const QList<QLineF> path = pathLines(form);
    form.Check1.setValue(0);
    for (int distance = 21; distance >= 0; --distance) {
        form.modoru.click();
        QCOMPARE(pathLines(form), path);
    }

    Form1 neverTicked;
    forward(neverTicked, 22);
    back(neverTicked, 22);
    QCOMPARE(pathLines(neverTicked), (QList<QLineF>{path0Parked, path1Parked, path2Parked}));
}

void TestStepBack::tagTakesItsFixedPlaceAtACorner_data()
{
    QTest::addColumn<int>("corner");
    QTest::addColumn<QPointF>("tagComingForward");
    QTest::addColumn<QPointF>("tagGoingBack");

    QTest::newRow("A") << 8 << QPointF(48, 50) << QPointF(48, 48);
    QTest::newRow("D") << 20 << QPointF(351, 22) << QPointF(355, 22);
}

void TestStepBack::tagTakesItsFixedPlaceAtACorner()
{
    QFETCH(int, corner);
    QFETCH(QPointF, tagComingForward);
    QFETCH(QPointF, tagGoingBack);

    Form1 form;
    forward(form, corner);
    QCOMPARE(tag(form), tagComingForward);
    form.susumu.click();
    form.modoru.click();
    QCOMPARE(tag(form), tagGoingBack);
    form.susumu.click();
    form.modoru.click();
    QCOMPARE(tag(form), tagGoingBack);
}

void TestStepBack::roundTripRestoresEveryViewButTheTag_data()
{
    QTest::addColumn<int>("distance");
    for (int distance = 0; distance <= 27; ++distance)
        QTest::addRow("%d", distance) << distance;
}

void TestStepBack::roundTripRestoresEveryViewButTheTag()
{
    QFETCH(int, distance);

    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    form.Check1.click();
    form.Check2.click();
    form.Check3.click();
    forward(form, distance);
    const Views before = views(form);
    const QRectF tagBefore = toQRectF(form.P.bounds());

    form.susumu.click();
    form.modoru.click();
    const Views after = views(form);
    const QList<QRectF> tags{tagBefore, toQRectF(form.P.bounds())};

    QCOMPARE(after.distance, before.distance);
    // Start-up writes "0" without the blank that every step writes.
    QCOMPARE(after.text, distance == 0 ? QStringLiteral(" 0") : before.text);
    QCOMPARE(after.marker, before.marker);
    QCOMPARE(after.lines, before.lines);
    QVERIFY(after.kokuban == before.kokuban);
    QVERIFY(after.gamen == before.gamen);
    QVERIFY(withoutTags(after.kokubanShown, tags) == withoutTags(before.kokubanShown, tags));
    QVERIFY(after.gamenShown == before.gamenShown);
}

// A grayed box cannot come from a click on a two-state box; it is set directly.
void TestStepBack::grayedBoxesCountAsOn()
{
    Form1 form;
    form.Check1.setValue(2);
    form.Check2.setValue(2);
    form.Check3.setValue(2);
    forward(form, 10);
    form.modoru.click();
    QCOMPARE(segment(form.Line4[1]), QLineF(75, 50, 100, 50));
    QCOMPARE(segment(form.Line2), QLineF(129, 80, 139, 80));
    QCOMPARE(segment(form.Line5), QLineF(100, 50, 100, 250));
}

QTEST_MAIN(TestStepBack)
#include "tst_stepback.moc"
