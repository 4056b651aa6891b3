// Automatic play under random clicks and typing on every control during its pauses: the walk's
// rules hold, the buttons come back at its end, and a whole session ends cleanly.
#include "app/form1.h"
#include "platform/application.h"
#include "qtpeers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLineF>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <random>
#include <vector>

namespace {
// Set in the environment of a child run of this program, which then plays a whole session
// (start, walks, resets, quit) instead of the tests.
constexpr char sessionVariable[] = "TST_AUTOPLAYROBUSTNESS_SESSION";
constexpr int childTimeout = 60'000;
constexpr int actionsPerRow = 150;
constexpr int maximumWalks = 40;

// Typed speeds, all short waits (at most 40 ms): digits, blanks, letters, signs, &H and &O.
const QStringList typedSpeeds{"01",  "1",   "0",  "",    "abc", "-3",  "&H1",
                              "0.5", "1e0", " 2", "&O1", "x",   "1.5", "2 "};

const QLineF path0Parked(32, 320, 56, 320);
const QLineF path1Parked(72, 320, 96, 320);
const QLineF path2Parked(112, 320, 136, 320);
const QLineF heightParked(168, 320, 192, 320);

QLineF segment(const LineControl &line)
{
    return QLineF(line.x1(), line.y1(), line.x2(), line.y2());
}

// The marker's box for a distance along B, A, D, C.
QPointF markerAt(int d)
{
    if (d <= 8)
        return QPointF(70, 245 - 25 * d);
    if (d <= 20)
        return QPointF(70 + 25 * (d - 8), 45);
    return QPointF(370, 45 + 25 * (d - 20));
}

// The height line from P to BC; parked at B and C.
QLineF heightAt(int d)
{
    if (d == 0 || d == 28)
        return heightParked;
    if (d <= 7)
        return QLineF(75, 250, 75, 250 - 25 * d);
    if (d <= 19)
        return QLineF(75 + 25 * (d - 8), 50, 75 + 25 * (d - 8), 250);
    return QLineF(375, 250, 375, 50 + 25 * (d - 20));
}

// During the pauses of a walk it clicks and types at random on the window, checking the walk's
// rules before and after every action. It keeps the first broken rule and the actions before it.
class Monkey
{
public:
    Monkey(Form1 &form, std::uint32_t seed) : m_form(form), m_random(seed)
    {
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, &widget(m_form), [this] { act(); });
    }

    // One walk: "自動" pressed by the user, random input in its pauses, the end checked.
    void playWalk()
    {
        // A typed speed without a wait would leave no pause to act in.
        m_form.Combo1.setText(u"01");
        m_expectedEnd = 28;
        note(QStringLiteral("自動"));
        rearm();
        QTest::mouseClick(&widget(m_form.jidou), Qt::LeftButton);
        m_timer.stop();
        checkEnd();
    }

    // Manual steps and resets between walks, with the buttons the walk gave back.
    void playBetweenWalks()
    {
        const int actions = pick(4);
        for (int action = 0; action < actions; ++action) {
            CommandButton *buttons[] = {&m_form.susumu, &m_form.modoru, &m_form.syokigamen};
            CommandButton *button = buttons[pick(3)];
            note(qs(button->caption()));
            QTest::mouseClick(&widget(*button), Qt::LeftButton);
        }
        checkPosition();
    }

    const QString &violation() const { return m_violation; }
    QString history() const { return m_history.join(QStringLiteral(", ")); }
    int actions() const { return m_actions; }
    QString counts() const
    {
        return QStringLiteral("%1 actions, %2 stops, %3 restarts after a stop")
            .arg(m_actions)
            .arg(m_stops)
            .arg(m_restarts);
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }

    void rearm() { m_timer.start(pick(12)); }

    void note(const QString &action)
    {
        m_history << action;
        if (m_history.size() > 30)
            m_history.removeFirst();
    }

    void fail(const QString &rule)
    {
        if (m_violation.isEmpty())
            m_violation = rule;
    }

    void act()
    {
        checkWalking();
        // A stop frees "自動"; half the time it is pressed again in the same pause.
        if (m_form.jidou.isEnabled() && pick(2) == 0) {
            clickAuto();
            finishAction();
            return;
        }
        const std::vector<std::function<void()>> actions{[this] { clickBox(m_form.Check1); },
                                                         [this] { clickBox(m_form.Check2); },
                                                         [this] { clickBox(m_form.Check3); },
                                                         [this] { spaceOnBox(); },
                                                         [this] { typeSpeed(); },
                                                         [this] { chooseFirstSpeed(); },
                                                         [this] { clickStop(); },
                                                         [this] { clickAuto(); },
                                                         [this] { clickDisabled(); }};
        actions[static_cast<std::size_t>(pick(static_cast<int>(actions.size())))]();
        finishAction();
    }

    void finishAction()
    {
        ++m_actions;
        checkWalking();
        rearm();
    }

    void clickBox(CheckBox &box)
    {
        note(widget<QCheckBox>(box).text());
        QTest::mouseClick(&widget(box), Qt::LeftButton);
    }

    void spaceOnBox()
    {
        CheckBox *boxes[] = {&m_form.Check1, &m_form.Check2, &m_form.Check3};
        QCheckBox *box = &widget<QCheckBox>(*boxes[pick(3)]);
        note(box->text() + QStringLiteral(" space"));
        QTest::keyClick(box, Qt::Key_Space);
    }

    void typeSpeed()
    {
        const QString text = typedSpeeds[pick(static_cast<int>(typedSpeeds.size()))];
        note(QStringLiteral("type \"%1\"").arg(text));
        QLineEdit *edit = widget<QComboBox>(m_form.Combo1).lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
        if (qs(m_form.Combo1.text()) != text)
            fail(QStringLiteral("the speed box shows \"%1\" after typing \"%2\"")
                     .arg(qs(m_form.Combo1.text()), text));
    }

    // The arrow key walks up the list, which starts at its first entry, "01".
    void chooseFirstSpeed()
    {
        note(QStringLiteral("Up on the speed box"));
        QTest::keyClick(&widget(m_form.Combo1), Qt::Key_Up);
    }

    void clickStop()
    {
        note(QStringLiteral("ストップ"));
        const int distance = m_form.Distance.value();
        QTest::mouseClick(&widget(m_form.tomeru), Qt::LeftButton);
        ++m_stops;
        if (m_form.StopRequested.value() != 1 || !m_form.jidou.isEnabled())
            fail(QStringLiteral("ストップ did not ask the walk to stop and free 自動"));
        m_expectedEnd = distance;
    }

    // Only after a stop is "自動" enabled; the second walk starts afresh from B.
    void clickAuto()
    {
        const bool enabled = m_form.jidou.isEnabled();
        note(enabled ? QStringLiteral("自動 again") : QStringLiteral("自動 (disabled)"));
        QTest::mouseClick(&widget(m_form.jidou), Qt::LeftButton);
        if (!enabled)
            return;
        ++m_restarts;
        if (m_form.Distance.value() != 0 || qs(m_form.Text1.text()) != QStringLiteral("0"))
            fail(QStringLiteral("自動 after ストップ did not reset to B"));
        m_expectedEnd = 28;
    }

    void clickDisabled()
    {
        CommandButton *buttons[] = {&m_form.susumu, &m_form.modoru, &m_form.syokigamen};
        QPushButton *button = &widget<QPushButton>(*buttons[pick(3)]);
        note(button->text() + QStringLiteral(" (disabled)"));
        const QString text = qs(m_form.Text1.text());
        const int distance = m_form.Distance.value();
        QTest::mouseClick(button, Qt::LeftButton);
        if (m_form.Distance.value() != distance || qs(m_form.Text1.text()) != text)
            fail(QStringLiteral("a click on the disabled %1 acted").arg(button->text()));
    }

    void checkWalking()
    {
        if (m_form.susumu.isEnabled() || m_form.modoru.isEnabled() || m_form.syokigamen.isEnabled())
            fail(QStringLiteral("進む, 戻る or 初期画面 enabled during the walk"));
        if (!m_form.tomeru.isEnabled())
            fail(QStringLiteral("ストップ disabled during the walk"));
        if (m_form.jidou.isEnabled() != (m_form.StopRequested.value() == 1))
            fail(QStringLiteral("自動 enabled without a pending stop, or disabled with one"));
        checkPosition();
    }

    void checkPosition()
    {
        const int d = m_form.Distance.value();
        if (d < 0 || d > 28)
            fail(QStringLiteral("distance %1 off the path").arg(d));
        else if (QPointF(m_form.Shape1.left(), m_form.Shape1.top()) != markerAt(d))
            fail(QStringLiteral("the marker is not at distance %1").arg(d));
        const QString text = qs(m_form.Text1.text());
        if (text != QStringLiteral(" %1").arg(d) && !(d == 0 && text == QStringLiteral("0")))
            fail(QStringLiteral("the distance box shows \"%1\" at %2").arg(text).arg(d));
        checkGuides();
    }

    // A box click acts at once, and every step keeps to it: with Check1 clear the highlight is
    // parked; the height line follows Check3.
    void checkGuides()
    {
        const bool pathParked = segment(m_form.Line4[0]) == path0Parked &&
                                segment(m_form.Line4[1]) == path1Parked &&
                                segment(m_form.Line4[2]) == path2Parked;
        if (m_form.Check1.value() != 1 && !pathParked)
            fail(QStringLiteral("Check1 cleared but the path highlight is in view"));
        const QLineF expectedHeight =
            m_form.Check3.value() == 1 ? heightAt(m_form.Distance.value()) : heightParked;
        if (segment(m_form.Line5) != expectedHeight)
            fail(QStringLiteral("the height line does not follow Check3"));
    }

    void checkEnd()
    {
        if (!m_form.susumu.isEnabled() || !m_form.modoru.isEnabled() ||
            !m_form.syokigamen.isEnabled() || !m_form.jidou.isEnabled() ||
            m_form.tomeru.isEnabled())
            fail(QStringLiteral("the buttons are not restored at the end of the walk"));
        if (m_form.StopRequested.value() != 0)
            fail(QStringLiteral("a stop request outlived its walk"));
        if (m_form.Distance.value() != m_expectedEnd)
            fail(QStringLiteral("the walk ended at %1 instead of %2")
                     .arg(m_form.Distance.value())
                     .arg(m_expectedEnd));
        checkPosition();
    }

    Form1 &m_form;
    std::mt19937 m_random;
    QTimer m_timer;
    int m_expectedEnd = 28;
    int m_actions = 0;
    int m_stops = 0;
    int m_restarts = 0;
    QString m_violation;
    QStringList m_history;
};

// A session as a user has it: walks with input in their pauses, manual steps, resets, then
// "終了". Under the sanitizer build, LeakSanitizer checks the heap as the program ends.
int playSession(int argc, char *argv[])
{
    Application application(argc, argv);
    Form1 form;
    form.show();
    form.Combo1.setCurrentIndex(0);
    Monkey monkey(form, 7);
    QTimer::singleShot(0, &widget(form), [&form, &monkey] {
        for (int walk = 0; walk < 3; ++walk) {
            monkey.playWalk();
            monkey.playBetweenWalks();
            QTest::mouseClick(&widget(form.syokigamen), Qt::LeftButton);
        }
        std::printf("session: %s, %s\n", qPrintable(monkey.counts()),
                    monkey.violation().isEmpty() ? "rules held" : qPrintable(monkey.violation()));
        std::fflush(stdout);
        QTest::mouseClick(&widget(form.end), Qt::LeftButton);
        std::printf("still running after 終了\n");
    });
    return application.exec();
}
} // namespace

class TestAutoplayRobustness : public QObject
{
    Q_OBJECT

private slots:
    void rulesHoldUnderRandomInput_data();
    void rulesHoldUnderRandomInput();
    void sessionEndsCleanly();
};

void TestAutoplayRobustness::rulesHoldUnderRandomInput_data()
{
    QTest::addColumn<std::uint32_t>("seed");
    QTest::addColumn<bool>("boxesOn");

    QTest::newRow("boxes clear at the start") << std::uint32_t{1} << false;
    QTest::newRow("boxes ticked at the start") << std::uint32_t{2} << true;
    QTest::newRow("another draw") << std::uint32_t{3} << false;
}

void TestAutoplayRobustness::rulesHoldUnderRandomInput()
{
    QFETCH(std::uint32_t, seed);
    QFETCH(bool, boxesOn);

    Form1 form;
    form.show();
    form.Combo1.setCurrentIndex(0);
    if (boxesOn) {
        form.Check1.click();
        form.Check2.click();
        form.Check3.click();
    }
    Monkey monkey(form, seed);
    for (int walk = 0; walk < maximumWalks && monkey.actions() < actionsPerRow; ++walk) {
        monkey.playWalk();
        QVERIFY2(
            monkey.violation().isEmpty(),
            qPrintable(monkey.violation() + QStringLiteral("\nlast actions: ") + monkey.history()));
        monkey.playBetweenWalks();
    }
    qInfo("%s", qPrintable(monkey.counts()));
}

void TestAutoplayRobustness::sessionEndsCleanly()
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(sessionVariable, QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(childTimeout));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());

    QVERIFY2(output.contains(QStringLiteral("rules held")), qPrintable(output));
    QVERIFY2(!output.contains(QStringLiteral("still running")), qPrintable(output));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsSet(sessionVariable))
        return playSession(argc, argv);
    QApplication application(argc, argv);
    TestAutoplayRobustness test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_autoplayrobustness.moc"
