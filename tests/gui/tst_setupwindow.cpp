// The teacher's setup window over the lesson: opened by its key and the context menu, filled in
// by typing, applied and walked; bad values, cancelling, today's problem again, the copy of the
// link, the names screen readers hear, and what it leaves alone.
#include "app/form2.h"
#include "figureprobe.h"
#include "platform/qt/comboboxaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>

namespace {
const QString problem1 = "figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2";

void openByKey(Control &focused)
{
    QTest::keyClick(&widget(focused), Qt::Key_Comma, Qt::ControlModifier);
}

// A right click on the lesson's window, and its one item chosen by the keyboard.
void openByMenu(Form1 &form)
{
    bool chosen = false;
    QTimer::singleShot(0, [&chosen] {
        auto *const menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (menu == nullptr || menu->actions().size() != 1 ||
            menu->actions().first()->text() != QStringLiteral("問題の設定…"))
            return;
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        chosen = true;
    });
    QWidget &window = widget(form);
    const QPoint at(600, 400);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, window.mapToGlobal(at));
    QApplication::sendEvent(&window, &event);
    QVERIFY(chosen);
}

bool isOpen(const Form1 &form)
{
    return form.setup && widget(*form.setup).isVisible();
}

// Replaces a field's text as a teacher does: select all, then type.
void type(Control &field, const QString &text)
{
    QWidget &box = widget(field);
    QLineEdit *edit = qobject_cast<QLineEdit *>(&box);
    if (edit == nullptr)
        edit = static_cast<QComboBox &>(box).lineEdit();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    // An input method's full-width characters come as text with no key of their own.
    for (const QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(edit, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// The control the window gives the focus to whenever it is active.
bool focusIn(const Window &window, const Control &control)
{
    return widget(window).focusWidget() == &widget(control);
}

QString accessibleName(const Control &control)
{
    return QAccessible::queryAccessibleInterface(&widget(control))->text(QAccessible::Name);
}

struct LessonState
{
    int distance;
    QString text;
    QString board;
    bool operator==(const LessonState &) const = default;
};

LessonState stateOf(const Form1 &form)
{
    return {form.Distance.value(), qs(form.Text1.text()),
            widget(form.kokuban).accessibleDescription()};
}
} // namespace

class TestSetupWindow : public QObject
{
    Q_OBJECT

private slots:
    // The program's own combo boxes' names, as the application installs them.
    void initTestCase() { QAccessible::installFactory(comboBoxAccessible); }
    void typedProblemIsAppliedAndWalked();
    void badValuesKeepTheLessonAsItWas();
    void textbookProblemComesBack();
    void linkIsCopiedAndFieldsAreNamed();
    void notDuringAutomaticPlay();
};

// Ctrl+, from 進む; problem 1 typed with a full-width digit; keys of the lesson do nothing while
// the window is open; Enter applies, the lesson starts the new problem with the focus back on
// 進む, and walks to its end.
void TestSetupWindow::typedProblemIsAppliedAndWalked()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    widget(form).move(0, 0);
    forward(form, 3);
    form.susumu.setFocus();
    openByKey(form.susumu);
    QVERIFY(isOpen(form));
    Form2 &setup = *form.setup;
    QCOMPARE(qs(setup.caption()), QStringLiteral("問題の設定"));
    // Taller than the lesson at the screen's top, it is moved down onto the screen, caption first.
    const QRect frame = widget(setup).frameGeometry();
    QCOMPARE(frame.top(), widget(form).screen()->availableGeometry().top());
    QVERIFY(frame.left() >= widget(form).screen()->availableGeometry().left());
    QVERIFY(focusIn(setup, setup.figureBox));
    QCOMPARE(qs(setup.linkBox.text()),
             QStringLiteral("figure=rectangle&ab=8&bc=12&route=BADC&triangle=BC"));

    type(setup.abBox, QStringLiteral("６"));
    type(setup.bcBox, "8");
    type(setup.routeBox, "BCDA");
    type(setup.triangleBox, "AB");
    type(setup.speedBox, "2");
    QVERIFY(setup.applyButton.isEnabled());
    QCOMPARE(qs(setup.linkBox.text()), problem1);
    QCOMPARE(
        widget(setup.graphPreview).accessibleDescription(),
        QStringLiteral("グラフ：x = 0〜11、y = 6x（0〜4）、y = 24（4〜7）、y = −6x + 66（7〜11）"));
    // The route in red over the figure; AB, which P does not walk, white.
    const Lesson shown = lessonFor(readProblem(u16(problem1)).problem);
    const PointF onBC = boardPoint(shown, {4, 0});
    const PointF onAB = boardPoint(shown, {0, 3});
    QCOMPARE(drawnAt(setup.figurePreview, int(onBC.x), int(onBC.y)), red);
    QCOMPARE(drawnAt(setup.figurePreview, int(onAB.x), int(onAB.y)), white);

    QTest::keyClick(&widget(setup.triangleBox), Qt::Key_PageDown);
    QTest::keyClick(&widget(setup.routeBox), Qt::Key_F5);
    QCOMPARE(form.Distance.value(), 3);

    QTest::keyClick(&widget(setup.routeBox), Qt::Key_Return);
    QVERIFY(!isOpen(form));
    QVERIFY(focusIn(form, form.susumu));
    QCOMPARE(form.Distance.value(), 0);
    QCOMPARE(qs(form.Text1.text()), QStringLiteral("0"));
    for (int x = 1; x <= 11; ++x)
        QTest::keyClick(&widget(form.susumu), Qt::Key_PageDown);
    QCOMPARE(form.Distance.value(), 11);
    QCOMPARE(qs(form.Text1.text()), QStringLiteral(" 22"));
    QCOMPARE(widget(form.kokuban).accessibleDescription(),
             QStringLiteral("点Ｐ：Ｂから22cm（頂点Ａ）、三角形ＰＡＢの面積 0cm²"));
}

// Opened by the context menu: a bad value in each field disables applying and says why beside
// that field; Escape, then キャンセル, leave the lesson's step, boxes and focus as they were,
// and Escape does not reach the lesson's ストップ.
void TestSetupWindow::badValuesKeepTheLessonAsItWas()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    form.Check1.click();
    forward(form, 5);
    form.modoru.setFocus();
    const LessonState before = stateOf(form);
    openByMenu(form);
    QVERIFY(isOpen(form));
    Form2 &setup = *form.setup;

    struct Bad
    {
        Control *field;
        QString value;
        std::size_t message;
    };
    const std::vector<Bad> bad{{&setup.abBox, "0", 1},
                               {&setup.bcBox, "３１", 2},
                               {&setup.routeBox, "BD", 4},
                               {&setup.triangleBox, "BB", 5},
                               {&setup.speedBox, "7", 7}};
    for (const Bad &one : bad) {
        const QString good = qobject_cast<QLineEdit *>(&widget(*one.field))
                                 ? widget<QLineEdit>(*one.field).text()
                                 : widget<QComboBox>(*one.field).currentText();
        type(*one.field, one.value);
        QVERIFY2(!setup.applyButton.isEnabled(), qPrintable(one.value));
        for (std::size_t i = 0; i < setup.messages.size(); ++i)
            QCOMPARE(setup.messages[i].text().empty(), i != one.message);
        QCOMPARE(widget(setup.graphPreview).accessibleDescription(),
                 QStringLiteral("使えない項目があるので、見本はかけません"));
        type(*one.field, good);
        QVERIFY(setup.applyButton.isEnabled());
    }
    // Down the list through the square, whose BC is its AB, to the trapezoid: BC as typed again.
    setup.figureBox.setFocus();
    QTest::keyClick(&widget(setup.figureBox), Qt::Key_Down);
    QCOMPARE(qs(setup.bcBox.text()), QStringLiteral("8"));
    QVERIFY(!setup.bcBox.isEnabled());
    QTest::keyClick(&widget(setup.figureBox), Qt::Key_Down);
    QCOMPARE(qs(setup.figureBox.text()), QStringLiteral("直角台形"));
    QCOMPARE(qs(setup.bcBox.text()), QStringLiteral("12"));
    QVERIFY(setup.bcBox.isEnabled());
    QVERIFY(setup.adBox.isEnabled());
    QVERIFY(!setup.messages[3].text().empty());

    QTest::keyClick(&widget(setup.routeBox), Qt::Key_Escape);
    QVERIFY(!isOpen(form));
    QCOMPARE(form.StopRequested.value(), 0);
    QVERIFY(focusIn(form, form.modoru));
    QCOMPARE(stateOf(form), before);
    QCOMPARE(segment(form.Line4[0]), QLineF(75, 250, 75, 125));

    openByKey(form.modoru);
    QVERIFY(isOpen(form));
    QCOMPARE(qs(setup.figureBox.text()), QStringLiteral("長方形"));
    setup.cancelButton.click();
    QVERIFY(!isOpen(form));
    QCOMPARE(stateOf(form), before);
}

// After another problem, 教科書の問題に戻す fills in today's, and applying it gives today's own
// lesson back, look and all.
void TestSetupWindow::textbookProblemComesBack()
{
    Form1 form(readProblem(u16(problem1)).problem);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    form.openSetup();
    Form2 &setup = *form.setup;
    QCOMPARE(qs(setup.linkBox.text()), problem1);
    setup.textbookButton.click();
    QCOMPARE(qs(setup.routeBox.text()), QStringLiteral("BADC"));
    QCOMPARE(qs(setup.speedBox.text()), QStringLiteral("1"));
    setup.applyButton.click();
    QVERIFY(!isOpen(form));
    QCOMPARE(form.lesson.look.board.letters[0].x, todaysLook().board.letters[0].x);
    QVERIFY(form.lesson.walk.problem().sameAs(todaysProblem()));
    QCOMPARE(form.lesson.walk.steps(), 28);
    const LookPoint tagStart = todaysLook().board.tagStart;
    QCOMPARE(tag(form), QPointF(tagStart.x, tagStart.y));
}

void TestSetupWindow::linkIsCopiedAndFieldsAreNamed()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    form.openSetup();
    Form2 &setup = *form.setup;
    type(setup.speedBox, "2");
    QApplication::clipboard()->clear();
    setup.copyButton.click();
    QCOMPARE(QApplication::clipboard()->text(),
             QStringLiteral("figure=rectangle&ab=8&bc=12&route=BADC&triangle=BC&speed=2"));
    QVERIFY(widget<QLineEdit>(setup.linkBox).isReadOnly());

    const QList<std::pair<const Control *, QString>> names{
        {&setup.figureBox, "図形"},
        {&setup.abBox, "ＡＢ（cm）"},
        {&setup.bcBox, "ＢＣ（cm）"},
        {&setup.adBox, "ＡＤ（cm）"},
        {&setup.routeBox, "点Ｐの動き"},
        {&setup.triangleBox, "三角形（Ｐと２つの点）"},
        {&setup.mBox, "Ｍを真ん中の点とする辺"},
        {&setup.speedBox, "速さ（毎秒 cm）"},
        {&setup.linkBox, "リンク"},
        {&setup.copyButton, "リンクをコピー"},
        {&setup.figurePreview, "図形の見本"},
        {&setup.graphPreview, "グラフの見本"},
        {&setup.textbookButton, "教科書の問題に戻す"},
        {&setup.applyButton, "この問題にする"},
        {&setup.cancelButton, "キャンセル"}};
    for (const auto &[control, name] : names)
        QCOMPARE(accessibleName(*control), name);
    // Tab goes from the top down: from the figure to the last field, then the link.
    setup.figureBox.setFocus();
    for (const Control *next : std::initializer_list<const Control *>{
             &setup.abBox, &setup.bcBox, &setup.routeBox, &setup.triangleBox, &setup.speedBox,
             &setup.linkBox, &setup.copyButton}) {
        QTest::keyClick(widget(setup).focusWidget(), Qt::Key_Tab);
        QVERIFY(focusIn(setup, *next));
    }
    setup.cancelButton.click();
}

// While P walks by itself, neither the key nor the menu opens the window.
void TestSetupWindow::notDuringAutomaticPlay()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    form.Combo1.setText(u"01");
    bool opened = true;
    QTimer::singleShot(60, [&] {
        openByKey(form.tomeru);
        form.openSetup();
        opened = isOpen(form);
        form.tomeru.click();
    });
    form.jidou.click();
    QVERIFY(!opened);
    form.openSetup();
    QVERIFY(isOpen(form));
    form.setup->cancelButton.click();
}

QTEST_MAIN(TestSetupWindow)
#include "tst_setupwindow.moc"
