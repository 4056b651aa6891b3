// The layout fitted to the window's client area (issue 32): resized, maximised or full screen,
// the whole layout scales uniformly and centred, the surfaces are drawn again at the new device
// pixels, and nothing else changes: the steps of a walk, the focus, the names and places that
// screen readers read.
#include "figureprobe.h"
#include "platform/qt/checkboxaccessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {
// Twice the layout: the factor 2, at any device pixel ratio.
const QSize twice(1730, 874);

QRect scaled(const QRect &rect, double factor, const QPoint &origin = {})
{
    const int left = qRound(rect.left() * factor);
    const int top = qRound(rect.top() * factor);
    return QRect(origin.x() + left, origin.y() + top,
                 qRound((rect.left() + rect.width()) * factor) - left,
                 qRound((rect.top() + rect.height()) * factor) - top);
}

QRect qr(const Rect &rect)
{
    return QRect(rect.left, rect.top, rect.width, rect.height);
}

std::vector<std::pair<QString, const Control *>> controlsOf(const Form1 &form)
{
    return {{"syokigamen", &form.syokigamen},
            {"end", &form.end},
            {"jidou", &form.jidou},
            {"tomeru", &form.tomeru},
            {"modoru", &form.modoru},
            {"susumu", &form.susumu},
            {"Check3", &form.Check3},
            {"Check1", &form.Check1},
            {"Check2", &form.Check2},
            {"Label6", &form.Label6},
            {"Label5", &form.Label5},
            {"Label1", &form.Label1},
            {"Label2", &form.Label2},
            {"Label8", &form.Label8},
            {"Label3", &form.Label3},
            {"Text1", &form.Text1},
            {"Combo1", &form.Combo1},
            {"kokuban", &form.kokuban},
            {"gamen", &form.gamen}};
}

void showAndWait(Form1 &form)
{
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
}

// The boxes ticked and 13 steps, as in the README's picture.
void thirteenSteps(Form1 &form)
{
    form.Check1.setValue(1);
    form.Check1_Click();
    form.Check2.setValue(1);
    form.Check3.setValue(1);
    form.Check3_Click();
    for (int i = 0; i < 13; ++i)
        form.susumu_Click();
}

// Each step writes its distance into Text1; the reset writes "0", which is no step.
QStringList stepTexts()
{
    QStringList texts;
    for (int distance = 1; distance <= 28; ++distance)
        texts << QStringLiteral(" %1").arg(distance);
    return texts;
}
} // namespace

class TestFit : public QObject
{
    Q_OBJECT

private slots:
    void everyControlScales();
    void maximisedIsCentred();
    void surfacesAreDrawnAgainAtTheNewScale();
    void restoredIsTheWindowOfBefore();
    void aWalkGoesOnThroughResizes();
    void focusStays();
    void accessibleExtentsFollowTheControls();
    void checkBoxTakesAClickOnItsSquare();
    void speedListOpensFromItsArrow();
    void editFieldKeepsItsPlace();
    void f11SwitchesFullScreen();
    void followsAScreenOfAnotherRatio();
};

// At twice the size every control is twice as large, twice as far from the corner, with a font
// twice as large; the surfaces draw at twice the device pixels.
void TestFit::everyControlScales()
{
    Form1 form;
    showAndWait(form);
    widget(form).resize(twice);
    QCOMPARE(form.fit().factor, 2.0);
    for (const auto &[name, control] : controlsOf(form)) {
        QCOMPARE(widget(*control).geometry(), scaled(qr(control->geometry()), 2));
        QVERIFY2(widget(*control).font().pixelSize() == 2 * control->font().pixelSize,
                 qPrintable(name));
    }
    const qreal ratio = widget(form).devicePixelRatioF() * 2;
    QCOMPARE(surfaceImage(form.kokuban).size(), QSize(429, 309) * ratio);
    QCOMPARE(surfaceImage(form.gamen).size(), QSize(381, 261) * ratio);
    QCOMPARE(drawnAt(form.kokuban, 75, 150), white);
    QCOMPARE(drawnAt(form.gamen, 49, 120), green);
}

// Maximised on a 1920 x 1080 screen: the width decides the factor, and the layout stands in the
// middle from top to bottom; the rectangle's corners and the graph's origin are at their scaled
// places.
void TestFit::maximisedIsCentred()
{
    Form1 form;
    showAndWait(form);
    widget(form).resize(1920, 1080);
    const double factor = 1920.0 / 865;
    QCOMPARE(form.fit().factor, factor);
    const QPoint origin(0, qRound((1080 - 437 * factor) / 2));
    QCOMPARE(QPoint(form.fit().origin.x, form.fit().origin.y), origin);
    QCOMPARE(widget(form.kokuban).geometry(), scaled(QRect(24, 112, 433, 313), factor, origin));
    const QImage window = widget(form).grab().toImage();
    const qreal ratio = window.devicePixelRatio();
    // A corner of the rectangle (on the blackboard's drawing area, inside its border) and the
    // graph's origin, in the window: white and grid green where the layout has them.
    const auto at = [&](const PictureBox &surface, QPointF point) {
        const QPointF inWindow =
            QPointF(widget(surface).pos()) +
            (point + QPointF(PictureBox::borderWidth, PictureBox::borderWidth)) * factor;
        return window.pixelColor((inWindow * ratio).toPoint());
    };
    // (B, the fourth, is under the marker.)
    for (const QPointF corner : {QPointF(75, 50), QPointF(375, 50), QPointF(375, 250)})
        QCOMPARE(at(form.kokuban, corner), white);
    QCOMPARE(at(form.kokuban, QPointF(75, 250)), red);
    QCOMPARE(at(form.gamen, QPointF(49, 200)), green);
    // Olive above and below the layout.
    QCOMPARE(window.pixelColor(QPoint(960, 10) * ratio), QColor(128, 128, 0));
    QCOMPARE(window.pixelColor(QPoint(960, 1070) * ratio), QColor(128, 128, 0));
}

// A surface drawn again at a new scale is the picture drawn at that scale from the start: 13
// steps and then the resize, or the resize and then 13 steps.
void TestFit::surfacesAreDrawnAgainAtTheNewScale()
{
    Form1 before;
    showAndWait(before);
    thirteenSteps(before);
    widget(before).resize(twice);
    Form1 after;
    showAndWait(after);
    widget(after).resize(twice);
    thirteenSteps(after);
    QCOMPARE(surfaceImage(before.kokuban), surfaceImage(after.kokuban));
    QCOMPARE(surfaceImage(before.gamen), surfaceImage(after.gamen));
    QCOMPARE(widget(before).grab().toImage(), widget(after).grab().toImage());
}

void TestFit::restoredIsTheWindowOfBefore()
{
    Form1 form;
    showAndWait(form);
    thirteenSteps(form);
    const QImage original = widget(form).grab().toImage();
    for (const QSize size : {twice, QSize(1920, 1080), QSize(500, 300), QSize(865, 437)})
        widget(form).resize(size);
    QCOMPARE(form.fit().factor, 1.0);
    for (const auto &[name, control] : controlsOf(form))
        QVERIFY2(widget(*control).geometry() == qr(control->geometry()), qPrintable(name));
    QCOMPARE(widget(form).grab().toImage(), original);
}

// The window resized three times while a walk runs, each time in a pause: every step arrives,
// once, in order.
void TestFit::aWalkGoesOnThroughResizes()
{
    Form1 form;
    showAndWait(form);
    form.Combo1.setText(u"05");
    QStringList texts;
    QObject::connect(&widget<QLineEdit>(form.Text1), &QLineEdit::textChanged, &widget(form),
                     [&](const QString &text) {
                         if (text == QStringLiteral("0"))
                             return;
                         texts << text;
                         const int steps = int(texts.size());
                         if (steps == 5 || steps == 14 || steps == 23)
                             QTimer::singleShot(0, &widget(form), [&form, steps] {
                                 widget(form).resize(steps == 14  ? QSize(1920, 1080)
                                                     : steps == 5 ? twice
                                                                  : QSize(700, 400));
                             });
                     });
    form.jidou_Click();
    QCOMPARE(texts, stepTexts());
    QCOMPARE(form.Distance, Int16(28));
    QCOMPARE(form.fit().factor, 700.0 / 865);
    QCOMPARE(drawnAt(form.kokuban, 375, 150), white);
    QCOMPARE(drawnAt(form.gamen, 49, 120), green);
}

void TestFit::focusStays()
{
    Form1 form;
    showAndWait(form);
    form.susumu.setFocus();
    QVERIFY(form.susumu.hasFocus());
    widget(form).resize(twice);
    QVERIFY(form.susumu.hasFocus());
    form.Combo1.setFocus();
    widget(form).resize(1920, 1080);
    QVERIFY(form.Combo1.hasFocus());
    QCOMPARE(form.focusedControl(), &form.Combo1);
}

// What a screen reader or a magnifier's focus tracking reads: the same names, and extents that
// are the scaled extents of the layout (a check box's are its square and caption).
void TestFit::accessibleExtentsFollowTheControls()
{
    // Qt's own extents at the layout's own size, then the program's (Application installs the
    // check boxes' interface).
    std::vector<QRect> own;
    {
        Form1 form;
        showAndWait(form);
        const QPoint client = widget(form).mapToGlobal(QPoint());
        for (const auto &[name, control] : controlsOf(form))
            own.push_back(QAccessible::queryAccessibleInterface(&widget(*control))
                              ->rect()
                              .translated(-client));
    }
    QAccessible::installFactory(checkBoxAccessible);
    Form1 form;
    showAndWait(form);
    QPoint client = widget(form).mapToGlobal(QPoint());
    std::size_t index = 0;
    for (const auto &[name, control] : controlsOf(form))
        QCOMPARE(QAccessible::queryAccessibleInterface(&widget(*control))->rect(),
                 own[index++].translated(client));
    widget(form).resize(1920, 1080);
    const double factor = form.fit().factor;
    const QPoint origin(form.fit().origin.x, form.fit().origin.y);
    client = widget(form).mapToGlobal(QPoint());
    index = 0;
    for (const auto &[name, control] : controlsOf(form)) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&widget(*control));
        QVERIFY2(accessible != nullptr, qPrintable(name));
        QCOMPARE(accessible->rect(), scaled(own[index++], factor, origin).translated(client));
    }
    QAccessibleInterface *box = QAccessible::queryAccessibleInterface(&widget(form.Check1));
    QCOMPARE(box->role(), QAccessible::CheckBox);
    QVERIFY(box->state().checkable);
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(&widget(form.susumu));
    QCOMPARE(button->text(QAccessible::Name), QStringLiteral("進む"));
}

// The square and caption the layout draws take the click, all the way to the square's far corner.
void TestFit::checkBoxTakesAClickOnItsSquare()
{
    Form1 form;
    showAndWait(form);
    widget(form).resize(twice);
    QCheckBox &box = widget<QCheckBox>(form.Check3);
    QCOMPARE(box.size(), QSize(34, 34));
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(27, 27));
    QVERIFY(box.isChecked());
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(4, 6));
    QVERIFY(!box.isChecked());
}

void TestFit::speedListOpensFromItsArrow()
{
    Form1 form;
    showAndWait(form);
    widget(form).resize(twice);
    QComboBox &combo = widget<QComboBox>(form.Combo1);
    // The left half of the arrow the layout shows, which the arrow at the widget's own size would
    // not reach.
    QTest::mouseClick(&combo, Qt::LeftButton, {},
                      QPoint(combo.lineEdit()->geometry().right() + 4, combo.height() / 2));
    QTRY_VERIFY(combo.view()->isVisible());
    combo.hidePopup();
}

// The toolkit places the edit field again when an item is chosen; it stays where the layout's
// frame has it.
void TestFit::editFieldKeepsItsPlace()
{
    Form1 form;
    showAndWait(form);
    widget(form).resize(twice);
    QComboBox &combo = widget<QComboBox>(form.Combo1);
    const QRect place = combo.lineEdit()->geometry();
    QCOMPARE(place, QRect(4, 4, 36, 34));
    form.Combo1.setCurrentIndex(1);
    QCOMPARE(qs(form.Combo1.text()), QStringLiteral("05"));
    QCOMPARE(combo.lineEdit()->geometry(), place);
}

// F11 switches full screen on and off, wherever the focus is; the program never sees it, and
// Escape keeps its meaning: ストップ.
void TestFit::f11SwitchesFullScreen()
{
    Form1 form;
    showAndWait(form);
    form.susumu.setFocus();
    QTest::keyClick(&widget(form.susumu), Qt::Key_F11);
    QVERIFY(widget(form).windowState() & Qt::WindowFullScreen);
    QCOMPARE(form.Distance, Int16(0));
    form.Text1.setFocus();
    QTest::keyClick(&widget(form.Text1), Qt::Key_Escape);
    QVERIFY(widget(form).windowState() & Qt::WindowFullScreen);
    QTest::keyClick(&widget(form.Text1), Qt::Key_F11);
    QVERIFY(!(widget(form).windowState() & Qt::WindowFullScreen));
    QCOMPARE(qs(form.Text1.text()), QStringLiteral("0"));
}

// Moved from a laptop's screen to a projector's, whose device pixel ratio is twice as large, the
// surfaces are drawn again at the projector's device pixels. Runs on the offscreen platform's
// two screens (support/twoscreens.json), and is skipped on one.
void TestFit::followsAScreenOfAnotherRatio()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    if (screens.size() < 2)
        QSKIP("one screen");
    Form1 form;
    showAndWait(form);
    thirteenSteps(form);
    QWidget &window = widget(form);
    QCOMPARE(window.screen(), screens[0]);
    const qreal before = window.devicePixelRatioF();
    window.move(screens[1]->geometry().topLeft() + QPoint(20, 20));
    QTRY_COMPARE(window.screen(), screens[1]);
    QTRY_COMPARE(window.devicePixelRatioF(), 2 * before);
    const qreal ratio = std::max(1.0, window.devicePixelRatioF() * form.fit().factor);
    QTRY_COMPARE(surfaceImage(form.kokuban).size(), QSize(429, 309) * ratio);
    QCOMPARE(surfaceImage(form.gamen).size(), QSize(381, 261) * ratio);
    QCOMPARE(drawnAt(form.kokuban, 160, 152), blue);
    // A surface drawn anew at this ratio is the same picture.
    Form1 there;
    widget(there).move(screens[1]->geometry().topLeft() + QPoint(20, 20));
    showAndWait(there);
    widget(there).resize(window.size());
    thirteenSteps(there);
    QCOMPARE(surfaceImage(there.kokuban), surfaceImage(form.kokuban));
}

QTEST_MAIN(TestFit)
#include "tst_fit.moc"
