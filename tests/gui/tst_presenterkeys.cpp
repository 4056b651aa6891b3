// Tests for the keys of a presenter's remote: each presses one button, wherever the focus is.
#include "figureprobe.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace {
QWidget &control(Form1 &form, const QString &name)
{
    const std::vector<std::pair<QString, Control *>> controls{{"gamen", &form.gamen},
                                                              {"Text1", &form.Text1},
                                                              {"Combo1", &form.Combo1},
                                                              {"susumu", &form.susumu},
                                                              {"Check1", &form.Check1}};
    for (const auto &[controlName, shown] : controls)
        if (controlName == name)
            return widget(*shown);
    qFatal("no control %s", qPrintable(name));
}

// A key as the keyboard gives it: to whichever widget holds the focus.
void press(Qt::Key key)
{
    QTest::keyClick(QApplication::focusWidget(), key);
}

bool showAndFocus(Form1 &form, QWidget &focus)
{
    form.show();
    if (!QTest::qWaitForWindowActive(&widget(form)))
        return false;
    focus.setFocus();
    return focus.isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == &focus;
}
} // namespace

class TstPresenterKeys : public QObject
{
    Q_OBJECT

private slots:
    void keyWhateverHasFocus_data();
    void keyWhateverHasFocus();
    void keysDuringWalk();
};

void TstPresenterKeys::keyWhateverHasFocus_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("distance");
    QTest::addColumn<QString>("speed");
    const std::vector<std::tuple<const char *, Qt::Key, int>> keys{
        {"Page Down", Qt::Key_PageDown, 2},
        {"Page Up", Qt::Key_PageUp, 0},
        {"Escape, no walk", Qt::Key_Escape, 1},
        {"Enter, no default button", Qt::Key_Return, 1}};
    for (const QString focus : {"gamen", "Text1", "Combo1", "susumu", "Check1"})
        for (const auto &[name, key, distance] : keys)
            QTest::addRow("%s in %s", name, qPrintable(focus))
                << focus << int(key) << distance << QStringLiteral("20");
    QTest::newRow("arrow in Combo1") << "Combo1" << int(Qt::Key_Down) << 1 << QStringLiteral("40");
}

// From distance 1: the key acts on P and nothing else, the speed box keeping its speed.
void TstPresenterKeys::keyWhateverHasFocus()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(int, distance);
    QFETCH(QString, speed);
    Form1 form;
    form.susumu.click();
    QVERIFY2(showAndFocus(form, control(form, focus)), "the focus where the test puts it");
    press(Qt::Key(key));

    QCOMPARE(form.Distance.value(), distance);
    QCOMPARE(qs(form.Combo1.text()), speed);
    QCOMPARE((form.Check1.value() == 1), false);
    QCOMPARE(form.tomeru.isEnabled(), false);
}

// In a walk's pause Page Down and Page Up do nothing, not even to the speed box that holds the
// focus; Escape then ends the walk.
void TstPresenterKeys::keysDuringWalk()
{
    Form1 form;
    form.Combo1.setText(u"05");
    QVERIFY(showAndFocus(form, widget(form.Combo1)));
    QList<int> distancesInPause;
    connect(&widget<QLineEdit>(form.Text1), &QLineEdit::textChanged, &widget(form), [&] {
        if (form.Distance.value() != 1)
            return;
        QTimer::singleShot(0, &widget(form), [&] {
            press(Qt::Key_PageDown);
            distancesInPause << form.Distance.value();
            press(Qt::Key_PageUp);
            distancesInPause << form.Distance.value();
            press(Qt::Key_Escape);
        });
    });
    press(Qt::Key_F5);

    QCOMPARE(distancesInPause, QList<int>({1, 1}));
    QCOMPARE(form.Distance.value(), 1);
    QCOMPARE(qs(form.Combo1.text()), QStringLiteral("05"));
}

QTEST_MAIN(TstPresenterKeys)
#include "tst_presenterkeys.moc"
