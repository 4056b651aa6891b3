// What screen readers are told about the two surfaces: where P is with the triangle's area, and
// what the graph paper shows.
#include "figure/blackboarddescription.h"
#include "figureprobe.h"

#include <QTest>
#include <QTimer>

namespace {
const QString noGraph = QStringLiteral("グラフ：まだかかれていません");
const QString graphTo13 = QStringLiteral("グラフ：x = 0〜13、y = 6x（0〜8）、y = 48（8〜13）");
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void blackboardTellsWhereP_data();
    void blackboardTellsWhereP();
    void blackboardKeepsUpWithAutomaticPlay();
    void graphTellsWhatThePictureShows();
};

void TestAccessibility::blackboardTellsWhereP_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<QString>("description");

    QTest::newRow("at B") << 0
                          << QStringLiteral("点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²");
    QTest::newRow("on BA") << 3
                           << QStringLiteral(
                                  "点Ｐ：Ｂから3cm（辺ＢＡ上）、三角形ＰＢＣの面積 18cm²");
    QTest::newRow("at A") << 8
                          << QStringLiteral("点Ｐ：Ｂから8cm（頂点Ａ）、三角形ＰＢＣの面積 48cm²");
    QTest::newRow("on AD") << 13
                           << QStringLiteral(
                                  "点Ｐ：Ｂから13cm（辺ＡＤ上）、三角形ＰＢＣの面積 48cm²");
    QTest::newRow("at D") << 20
                          << QStringLiteral("点Ｐ：Ｂから20cm（頂点Ｄ）、三角形ＰＢＣの面積 48cm²");
    QTest::newRow("on DC") << 21
                           << QStringLiteral(
                                  "点Ｐ：Ｂから21cm（辺ＤＣ上）、三角形ＰＢＣの面積 42cm²");
    QTest::newRow("at C") << 28
                          << QStringLiteral("点Ｐ：Ｂから28cm（頂点Ｃ）、三角形ＰＢＣの面積 0cm²");
}

// The same text going forward and coming back; the text of B again after a reset.
void TestAccessibility::blackboardTellsWhereP()
{
    QFETCH(int, distance);
    QFETCH(QString, description);

    Form1 form;
    forward(form, distance);
    QCOMPARE(widget(form.kokuban).accessibleDescription(), description);
    forward(form, 29);
    back(form, 28 - distance);
    QCOMPARE(widget(form.kokuban).accessibleDescription(), description);
    form.syokigamen.click();
    QCOMPARE(widget(form.kokuban).accessibleDescription(), qs(blackboardDescription(0)));
}

// Looked at in the pauses of a walk, the blackboard tells each distance as it is reached.
void TestAccessibility::blackboardKeepsUpWithAutomaticPlay()
{
    Form1 form;
    forward(form, 5);
    form.Combo1.setText(u"01");
    QList<int> seen;
    QTimer look;
    connect(&look, &QTimer::timeout, &widget(form), [&] {
        const int distance = form.Distance.value();
        QCOMPARE(widget(form.kokuban).accessibleDescription(), qs(blackboardDescription(distance)));
        if (seen.isEmpty() || seen.last() != distance)
            seen << distance;
    });
    look.start(0);
    form.jidou.click();
    QCOMPARE(seen.size(), 28);
    QCOMPARE(seen.first(), 1);
    QCOMPARE(seen.last(), 28);
}

// The text follows the trace, which stays as it is while グ　ラ　フ is clear: it tells what is
// drawn, not what the distance would give.
void TestAccessibility::graphTellsWhatThePictureShows()
{
    Form1 form;
    QCOMPARE(widget(form.gamen).accessibleDescription(), noGraph);
    form.Check2.click();
    forward(form, 13);
    QCOMPARE(widget(form.gamen).accessibleDescription(), graphTo13);
    form.Check2.click();
    forward(form, 8);
    back(form, 16);
    QCOMPARE(widget(form.gamen).accessibleDescription(), graphTo13);
    form.Check2.click();
    forward(form, 1);
    QCOMPARE(widget(form.gamen).accessibleDescription(),
             QStringLiteral("グラフ：y = 6x（0〜6）、y = 48（8〜13）"));
    forward(form, 22);
    QCOMPARE(widget(form.gamen).accessibleDescription(),
             QStringLiteral("グラフ：x = 0〜28、y = 6x（0〜8）、y = 48（8〜20）、"
                            "y = −6x + 168（20〜28）"));
    back(form, 28);
    QCOMPARE(widget(form.gamen).accessibleDescription(), noGraph);

    // Cleared for the walk to 10 and ticked again: only the piece of the next step is drawn.
    form.Check2.click();
    forward(form, 10);
    form.Check2.click();
    forward(form, 1);
    QCOMPARE(widget(form.gamen).accessibleDescription(),
             QStringLiteral("グラフ：x = 8〜11、y = 48（8〜11）"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
