// Tests of the state the controls keep for the program and of their clicks, on the Qt widgets
// that show them.
#include "platform/checkbox.h"
#include "platform/combobox.h"
#include "platform/commandbutton.h"
#include "platform/label.h"
#include "qtpeers.h"

#include <QTest>

class TstControls : public QObject
{
    Q_OBJECT

private slots:
    void fontFollowsTheWindowUntilItsOwnIsSet();
    void checkBoxClick_data();
    void checkBoxClick();
    void clicksOfTheWidgetsRunTheHandlersOnce();
    void readBackAsSetAndShown();
    void windowHandlersMayBeMissing();
};

void TstControls::fontFollowsTheWindowUntilItsOwnIsSet()
{
    Window window;
    CommandButton plain(window);
    CommandButton own(window);
    own.setFont(gothicFont(16));
    window.setFont(gothicFont(20, true));
    QCOMPARE(plain.font(), gothicFont(20, true));
    QCOMPARE(widget(plain).font().pixelSize(), 20);
    QVERIFY2(widget(plain).font().bold(), "the window's bold face reaches its controls");
    QCOMPARE(own.font(), gothicFont(16));
    QCOMPARE(widget(own).font().pixelSize(), 16);
}

void TstControls::checkBoxClick_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("after");
    QTest::addColumn<int>("handled");
    QTest::newRow("unchecked checks") << 0 << true << 1 << 1;
    QTest::newRow("checked clears") << 1 << true << 0 << 1;
    QTest::newRow("grayed checks") << 2 << true << 1 << 1;
    QTest::newRow("disabled stays") << 1 << false << 1 << 0;
}

// The handler sees the value the click left.
void TstControls::checkBoxClick()
{
    QFETCH(int, before);
    QFETCH(bool, enabled);
    QFETCH(int, after);
    QFETCH(int, handled);
    Window window;
    CheckBox box(window);
    box.setValue(before);
    box.setEnabled(enabled);
    int calls = 0;
    int seen = -1;
    box.setOnClick([&] {
        ++calls;
        seen = box.value();
    });
    box.click();
    QCOMPARE(box.value(), after);
    QCOMPARE(calls, handled);
    if (handled > 0)
        QCOMPARE(seen, after);
}

void TstControls::clicksOfTheWidgetsRunTheHandlersOnce()
{
    Window window;
    CommandButton button(window);
    CheckBox box(window);
    button.setGeometry({0, 0, 60, 30});
    box.setGeometry({0, 40, 20, 20});
    int pressed = 0;
    int toggled = 0;
    button.setOnClick([&] { ++pressed; });
    box.setOnClick([&] { ++toggled; });
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(window)));
    QTest::mouseClick(&widget(button), Qt::LeftButton);
    QTest::mouseClick(&widget(box), Qt::LeftButton, {}, QPoint(5, 10));
    QCOMPARE(pressed, 1);
    QCOMPARE(toggled, 1);
    QCOMPARE(box.value(), 1);
    button.setEnabled(false);
    QTest::mouseClick(&widget(button), Qt::LeftButton);
    button.click();
    QCOMPARE(pressed, 1);
}

void TstControls::readBackAsSetAndShown()
{
    Window window;
    window.setCaption(u"題");
    Label label(window);
    label.setText(u"表示速度");
    label.setAccessibleName(u"速さ");
    ComboBox combo(window);
    combo.addItems({u"01", u"05"});
    combo.addItems({u"10"});
    CommandButton button(window);
    button.setGeometry({3, 4, 50, 20});
    button.setBackColor({1, 2, 3});
    QCOMPARE(qs(window.caption()), QStringLiteral("題"));
    QCOMPARE(widget(window).windowTitle(), QStringLiteral("題"));
    QCOMPARE(qs(label.text()), QStringLiteral("表示速度"));
    QCOMPARE(widget<QLabel>(label).text(), QStringLiteral("表示速度"));
    QCOMPARE(widget(label).accessibleName(), QStringLiteral("速さ"));
    QCOMPARE(combo.count(), 3);
    QCOMPARE(widget<QComboBox>(combo).count(), 3);
    QCOMPARE(qs(combo.itemText(2)), QStringLiteral("10"));
    QVERIFY2(combo.itemText(3).empty() && combo.itemText(-1).empty(),
             "an index outside the list has no text");
    QCOMPARE(button.geometry(), (Rect{3, 4, 50, 20}));
    QCOMPARE(widget(button).geometry(), QRect(3, 4, 50, 20));
    QCOMPARE(button.backColor(), std::optional<Color>(Color{1, 2, 3}));
    QCOMPARE(widget(button).palette().color(QPalette::Button), QColor(1, 2, 3));
}

void TstControls::windowHandlersMayBeMissing()
{
    Window window;
    QVERIFY(!window.previewKey({Key::F5, false}));
    window.handleClose();
    int closed = 0;
    window.setKeyPreview([](const KeyPress &press) { return press.key == Key::F5; });
    window.setOnClose([&] { ++closed; });
    QVERIFY(window.previewKey({Key::F5, false}));
    QVERIFY(!window.previewKey({Key::Other, false}));
    widget(window).close();
    QCOMPARE(closed, 1);
}

QTEST_MAIN(TstControls)
#include "tst_controls.moc"
