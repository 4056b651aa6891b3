// What screen readers are told: the names of the distance and speed boxes, where P is and the
// triangle's area on the blackboard, and what the graph paper shows.
#include "figure/blackboarddescription.h"
#include "figureprobe.h"
#include "platform/comboboxaccessible.h"

#include <QAccessible>
#include <QTest>
#include <QTimer>

namespace {
const QString atB = QStringLiteral("点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²");
const QString noGraph = QStringLiteral("グラフ：まだかかれていません");
const QString graphTo13 = QStringLiteral("グラフ：x = 0〜13、y = 6x（0〜8）、y = 48（8〜13）");

QString accessibleText(QWidget &widget, QAccessible::Text kind)
{
    return QAccessible::queryAccessibleInterface(&widget)->text(kind);
}
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void boxesAreNamedAfterTheirLabels();
    void blackboardTellsWhereP_data();
    void blackboardTellsWhereP();
    void blackboardKeepsUpWithAutomaticPlay();
    void graphFollowsTheWholeWalk();
    void graphKeepsItsPictureWhileSwitchedOff();
};

// As the program does at start-up.
void TestAccessibility::initTestCase()
{
    QAccessible::installFactory(comboBoxAccessible);
}

void TestAccessibility::boxesAreNamedAfterTheirLabels()
{
    Form1 form;
    QCOMPARE(accessibleText(form.Text1, QAccessible::Name),
             QStringLiteral("点Ｐの進んだ距離（cm）"));
    QCOMPARE(accessibleText(form.Combo1, QAccessible::Name), QStringLiteral("表示速度"));
    QCOMPARE(accessibleText(form.Combo1, QAccessible::Value), QStringLiteral("20"));
    QCOMPARE(form.Text1.text(), QStringLiteral("0"));
    QCOMPARE(form.Combo1.currentText(), QStringLiteral("20"));
}

void TestAccessibility::blackboardTellsWhereP_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<QString>("description");

    QTest::newRow("at B") << 0 << atB;
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
    QTest::newRow("on BA") << 3
                           << QStringLiteral(
                                  "点Ｐ：Ｂから3cm（辺ＢＡ上）、三角形ＰＢＣの面積 18cm²");
}

// The same text whether P gets there going forward or coming back, and the start text after a
// reset.
void TestAccessibility::blackboardTellsWhereP()
{
    QFETCH(int, distance);
    QFETCH(QString, description);

    Form1 form;
    forward(form, distance);
    QCOMPARE(form.kokuban.accessibleDescription(), description);
    QCOMPARE(blackboardDescription(distance), description);
    forward(form, 29);
    back(form, 28 - distance);
    QCOMPARE(form.kokuban.accessibleDescription(), description);
    form.syokigamen.click();
    QCOMPARE(form.kokuban.accessibleDescription(), atB);
}

// Looked at between the steps of a walk, the blackboard always tells the distance reached.
void TestAccessibility::blackboardKeepsUpWithAutomaticPlay()
{
    Form1 form;
    forward(form, 5);
    form.Combo1.setEditText(QStringLiteral("01"));
    QList<int> seen;
    QTimer look;
    connect(&look, &QTimer::timeout, &form, [&] {
        const int distance = form.Distance.value();
        QCOMPARE(form.kokuban.accessibleDescription(), blackboardDescription(distance));
        if (seen.isEmpty() || seen.last() != distance)
            seen << distance;
    });
    look.start(0);
    form.jidou.click();
    look.stop();
    QList<int> everyStep;
    for (int distance = 1; distance <= 28; ++distance)
        everyStep << distance;
    QCOMPARE(seen, everyStep);
    QCOMPARE(form.kokuban.accessibleDescription(), blackboardDescription(28));
}

void TestAccessibility::graphFollowsTheWholeWalk()
{
    Form1 form;
    QCOMPARE(form.gamen.accessibleDescription(), noGraph);
    form.Check2.click();
    forward(form, 8);
    QCOMPARE(form.gamen.accessibleDescription(),
             QStringLiteral("グラフ：x = 0〜8、y = 6x（0〜8）"));
    forward(form, 5);
    QCOMPARE(form.gamen.accessibleDescription(), graphTo13);
    forward(form, 15);
    QCOMPARE(form.gamen.accessibleDescription(),
             QStringLiteral("グラフ：x = 0〜28、y = 6x（0〜8）、y = 48（8〜20）、"
                            "y = −6x + 168（20〜28）"));
    back(form, 8);
    QCOMPARE(form.gamen.accessibleDescription(),
             QStringLiteral("グラフ：x = 0〜20、y = 6x（0〜8）、y = 48（8〜20）"));
    back(form, 20);
    QCOMPARE(form.gamen.accessibleDescription(), noGraph);
}

// While グ　ラ　フ is clear the trace stays as it was, and so does what is said about it; what is
// said afterwards is what the trace shows, not what the distance would give.
void TestAccessibility::graphKeepsItsPictureWhileSwitchedOff()
{
    Form1 form;
    form.Check2.click();
    forward(form, 13);
    form.Check2.click();
    forward(form, 8);
    QCOMPARE(form.gamen.accessibleDescription(), graphTo13);
    back(form, 16);
    QCOMPARE(form.gamen.accessibleDescription(), graphTo13);

    form.Check2.click();
    forward(form, 1);
    QCOMPARE(form.gamen.accessibleDescription(),
             QStringLiteral("グラフ：y = 6x（0〜6）、y = 48（8〜13）"));
    form.syokigamen.click();
    QCOMPARE(form.gamen.accessibleDescription(), noGraph);

    form.Check2.click();
    forward(form, 10);
    form.Check2.click();
    forward(form, 1);
    QCOMPARE(form.gamen.accessibleDescription(),
             QStringLiteral("グラフ：x = 8〜11、y = 48（8〜11）"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
