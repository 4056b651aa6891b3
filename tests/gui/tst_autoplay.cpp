// Tests for automatic play: the walk, its stop button, its pacing, and the faults it must avoid.
#include "figureprobe.h"
#include "platform/application.h"
#include "runtime/millisecondclock.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <vector>

namespace {
// Set in the environment of a child run of this program, which then plays one scenario instead
// of the tests: the scenarios that end their program cannot run inside the test process.
constexpr char scenarioVariable[] = "TST_AUTOPLAY_SCENARIO";
constexpr char speedVariable[] = "TST_AUTOPLAY_SPEED";
constexpr int childTimeout = 30'000;

const QStringList idle{"susumu", "modoru", "syokigamen", "jidou", "end",
                       "Check1", "Check2", "Check3",     "Combo1"};
const QStringList walking{"tomeru", "end", "Check1", "Check2", "Check3", "Combo1"};
const QStringList stoppedInPause{"jidou", "tomeru", "end", "Check1", "Check2", "Check3", "Combo1"};

QStringList enabledControls(const Form1 &form)
{
    const std::vector<std::pair<QString, const Control *>> controls{
        {"susumu", &form.susumu}, {"modoru", &form.modoru}, {"syokigamen", &form.syokigamen},
        {"jidou", &form.jidou},   {"tomeru", &form.tomeru}, {"end", &form.end},
        {"Check1", &form.Check1}, {"Check2", &form.Check2}, {"Check3", &form.Check3},
        {"Combo1", &form.Combo1}};
    QStringList names;
    for (const auto &[name, control] : controls)
        if (control->isEnabled())
            names << name;
    return names;
}

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int number = first; number <= last; ++number)
        numbers << number;
    return numbers;
}

// Each step writes its distance into Text1; the reset writes "0", which is no step.
bool isStep(const QString &text)
{
    return text != QStringLiteral("0");
}

// Calls action with the distance reached, in the pause that follows each step: the call is
// queued as the step is drawn, and the pause is the first place that handles events.
void onEachPause(Form1 &form, const std::function<void(int)> &action)
{
    QObject::connect(&widget<QLineEdit>(form.Text1), &QLineEdit::textChanged, &widget(form),
                     [&form, action](const QString &text) {
                         if (!isStep(text))
                             return;
                         const int distance = form.Distance.value();
                         QTimer::singleShot(0, &widget(form),
                                            [action, distance] { action(distance); });
                     });
}

// The clock reading at each step.
void recordStepTimes(Form1 &form, std::vector<std::int64_t> &times)
{
    QObject::connect(&widget<QLineEdit>(form.Text1), &QLineEdit::textChanged, &widget(form),
                     [&times](const QString &text) {
                         if (isStep(text))
                             times.push_back(millisecondClock());
                     });
}

struct ChildResult
{
    QProcess::ExitStatus status;
    int exitCode;
    QString output;
};

ChildResult runChild(const QString &scenario, const QString &speed)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(scenarioVariable, scenario);
    environment.insert(speedVariable, speed);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(childTimeout))
        child.kill();
    child.waitForFinished();
    return {child.exitStatus(), child.exitCode(), QString::fromUtf8(child.readAllStandardOutput())};
}

void report(const QByteArray &line)
{
    std::fputs((line + '\n').constData(), stdout);
    std::fflush(stdout);
}

// A huge speed: after a while in the first pause, the stop button is pressed, then the end button.
void playHugeSpeed(Form1 &form)
{
    onEachPause(form, [&form](int) {
        QTimer::singleShot(200, &widget(form), [&form] {
            report("paused at " + QByteArray::number(form.Distance.value()));
            form.tomeru.click();
            report("stop requested " + QByteArray::number(form.StopRequested.value()));
            report("jidou enabled " + QByteArray::number(form.jidou.isEnabled()));
            form.end.click();
        });
    });
}

// A huge speed: after a while in the first pause, only the stop button is pressed.
void playHugeSpeedStop(Form1 &form)
{
    onEachPause(form, [&form](int) {
        QTimer::singleShot(200, &widget(form), [&form] { form.tomeru.click(); });
    });
}

// The window is closed through its frame in the pause after step 3.
void playFrameClose(Form1 &form)
{
    QObject::connect(&widget<QLineEdit>(form.Text1), &QLineEdit::textChanged, &widget(form),
                     [&form](const QString &text) {
                         if (isStep(text))
                             report("step " + QByteArray::number(form.Distance.value()));
                     });
    onEachPause(form, [&form](int distance) {
        if (distance != 3)
            return;
        report("closing");
        widget(form).windowHandle()->close();
    });
}

int playScenario(int argc, char *argv[], const QByteArray &scenario)
{
    Application application(argc, argv);
    Form1 form;
    form.Combo1.setText(u16(qEnvironmentVariable(speedVariable)));
    if (scenario == "hugeSpeed")
        playHugeSpeed(form);
    else if (scenario == "hugeSpeedStop")
        playHugeSpeedStop(form);
    else if (scenario == "frameClose")
        playFrameClose(form);
    form.show();
    QTimer::singleShot(0, &widget(form), [&form] {
        form.jidou.click();
        report("walk ended at " + QByteArray::number(form.Distance.value()));
        endProgram(3);
    });
    return application.exec();
}
} // namespace

class TstAutoplay : public QObject
{
    Q_OBJECT

private slots:
    void fullWalk_data();
    void fullWalk();
    void stopDuringWalk_data();
    void stopDuringWalk();
    void speedIsReadAfterEachStep();
    void checkBoxActsDuringPause_data();
    void checkBoxActsDuringPause();
    void noWaitRunsStraightToC_data();
    void noWaitRunsStraightToC();

    // Faults that automatic play must not have.
    void hugeSpeedWaitsAndStaysUsable_data();
    void hugeSpeedWaitsAndStaysUsable();
    void stopEndsHugePause_data() { hugeSpeedWaitsAndStaysUsable_data(); }
    void stopEndsHugePause();
    void pauseSleepsInsteadOfSpinning();
    void frameCloseEndsWalkAndProgram();
    void autoAfterStopStartsFreshWalk_data();
    void autoAfterStopStartsFreshWalk();
};

void TstAutoplay::fullWalk_data()
{
    QTest::addColumn<bool>("walkFirst");
    QTest::addColumn<int>("manualSteps");
    QTest::newRow("from the initial screen") << false << 0;
    QTest::newRow("from distance 5") << false << 5;
    QTest::newRow("after a full walk") << true << 0;
}

// Reset to B, 28 steps each followed by a pause with the walk's buttons, and the buttons back.
void TstAutoplay::fullWalk()
{
    QFETCH(bool, walkFirst);
    QFETCH(int, manualSteps);
    Form1 form;
    form.Combo1.setText(u"01");
    if (walkFirst)
        form.jidou.click();
    for (int step = 0; step < manualSteps; ++step)
        form.susumu.click();

    QList<int> pauses;
    QList<QStringList> enabledInPause;
    std::vector<std::int64_t> stepTimes;
    onEachPause(form, [&](int distance) {
        pauses << distance;
        enabledInPause << enabledControls(form);
    });
    recordStepTimes(form, stepTimes);
    form.jidou.click();
    const std::int64_t walkEnd = millisecondClock();

    QCOMPARE(pauses, range(1, 28));
    QCOMPARE(enabledInPause, QList<QStringList>(28, walking));
    QCOMPARE(form.Distance.value(), 28);
    QCOMPARE(marker(form), QPointF(370, 245));
    QCOMPARE(qs(form.Text1.text()), QStringLiteral(" 28"));
    QCOMPARE(form.StopRequested.value(), 0);
    QCOMPARE(enabledControls(form), idle);
    // Every pause lasts its 20 ms at least, the one after the last step included.
    stepTimes.push_back(walkEnd);
    for (std::size_t step = 1; step < stepTimes.size(); ++step)
        QVERIFY2(stepTimes[step] - stepTimes[step - 1] >= 20, qPrintable(QString::number(step)));
}

void TstAutoplay::stopDuringWalk_data()
{
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<QPointF>("stoppedAt");
    QTest::newRow("first step") << 1 << QPointF(70, 220);
    QTest::newRow("on AD") << 10 << QPointF(120, 45);
    QTest::newRow("last step") << 28 << QPointF(370, 245);
}

// The stop request ends the pause, then no step follows and the buttons come back.
void TstAutoplay::stopDuringWalk()
{
    QFETCH(int, stopAfter);
    QFETCH(QPointF, stoppedAt);
    Form1 form;
    form.Combo1.setText(u"01");
    QList<int> pauses;
    QStringList enabledAfterStop;
    int requested = 0;
    onEachPause(form, [&](int distance) {
        pauses << distance;
        if (distance != stopAfter)
            return;
        form.tomeru.click();
        requested = form.StopRequested.value();
        enabledAfterStop = enabledControls(form);
    });
    form.jidou.click();

    QCOMPARE(pauses, range(1, stopAfter));
    QCOMPARE(requested, 1);
    QCOMPARE(enabledAfterStop, stoppedInPause);
    QCOMPARE(form.Distance.value(), stopAfter);
    QCOMPARE(marker(form), stoppedAt);
    QCOMPARE(form.StopRequested.value(), 0);
    QCOMPARE(enabledControls(form), idle);
    if (stopAfter < 28) {
        form.susumu.click();
        QCOMPARE(form.Distance.value(), stopAfter + 1);
    }
}

// Slowest speed for the first pause, fastest from then on: the change waits for the next step.
void TstAutoplay::speedIsReadAfterEachStep()
{
    Form1 form;
    form.Combo1.setText(u"40");
    std::vector<std::int64_t> stepTimes;
    recordStepTimes(form, stepTimes);
    onEachPause(form, [&form](int distance) {
        if (distance == 1)
            form.Combo1.setText(u"01");
    });
    form.jidou.click();

    QCOMPARE(form.Distance.value(), 28);
    QCOMPARE(stepTimes.size(), std::size_t{28});
    QVERIFY(stepTimes[1] - stepTimes[0] >= 800);
    // 26 pauses of 800 ms would take 20.8 s; of 20 ms, about half a second.
    QVERIFY2(stepTimes[27] - stepTimes[1] < 10'000,
             qPrintable(QString::number(stepTimes[27] - stepTimes[1])));
}

void TstAutoplay::checkBoxActsDuringPause_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QLineF>("expected");
    QTest::newRow("path highlight") << 1 << QLineF(75, 50, 125, 50);
    QTest::newRow("height line") << 3 << QLineF(125, 50, 125, 250);
}

// Ticked in the pause after step 10, a guide shows for distance 10 before the next step.
void TstAutoplay::checkBoxActsDuringPause()
{
    QFETCH(int, box);
    QFETCH(QLineF, expected);
    Form1 form;
    form.Combo1.setText(u"01");
    CheckBox &checkBox = box == 1 ? form.Check1 : form.Check3;
    const LineControl &line = box == 1 ? form.Line4[1] : form.Line5;
    QLineF shown;
    onEachPause(form, [&](int distance) {
        if (distance != 10)
            return;
        checkBox.click();
        shown = segment(line);
    });
    form.jidou.click();

    QCOMPARE(shown, expected);
    QCOMPARE(form.Distance.value(), 28);
}

void TstAutoplay::noWaitRunsStraightToC_data()
{
    QTest::addColumn<QString>("speed");
    QTest::newRow("letters only") << QStringLiteral("abc");
    QTest::newRow("empty") << QString();
    QTest::newRow("zero") << QStringLiteral("0");
    QTest::newRow("negative") << QStringLiteral("-3");
    QTest::newRow("delay below 32 bits") << QStringLiteral("-200000000");
    QTest::newRow("beyond double") << QStringLiteral("-1e400");
}

// A delay of 0 or less waits nothing and handles no event until the walk is over.
void TstAutoplay::noWaitRunsStraightToC()
{
    QFETCH(QString, speed);
    Form1 form;
    form.Combo1.setText(u16(speed));
    bool handled = false;
    QTimer::singleShot(0, &widget(form), [&handled] { handled = true; });
    form.jidou.click();

    QVERIFY(!handled);
    QCOMPARE(form.Distance.value(), 28);
    QCOMPARE(form.StopRequested.value(), 0);
    QCOMPARE(enabledControls(form), idle);
    QTRY_VERIFY(handled);
}

void TstAutoplay::hugeSpeedWaitsAndStaysUsable_data()
{
    QTest::addColumn<QString>("speed");
    QTest::newRow("delay beyond 32 bits") << QStringLiteral("200000000");
    QTest::newRow("beyond double") << QStringLiteral("1e400");
}

// No overflow error: the first pause lasts, and the stop and end buttons still work in it.
void TstAutoplay::hugeSpeedWaitsAndStaysUsable()
{
    QFETCH(QString, speed);
    const ChildResult result = runChild(QStringLiteral("hugeSpeed"), speed);
    QCOMPARE(result.output, QStringLiteral("paused at 1\nstop requested 1\njidou enabled 1\n"));
    QCOMPARE(result.status, QProcess::NormalExit);
    QCOMPARE(result.exitCode, 0);
}

// The stop button cuts the days-long pause short: the walk ends at once after its first step.
void TstAutoplay::stopEndsHugePause()
{
    QFETCH(QString, speed);
    const ChildResult result = runChild(QStringLiteral("hugeSpeedStop"), speed);
    QCOMPARE(result.output, QStringLiteral("walk ended at 1\n"));
    QCOMPARE(result.status, QProcess::NormalExit);
    QCOMPARE(result.exitCode, 3);
}

// The pause waits in the event loop: a few wake-ups per pause, not a busy loop's thousands.
void TstAutoplay::pauseSleepsInsteadOfSpinning()
{
    Form1 form;
    form.Combo1.setText(u"01");
    int sleeps = 0;
    int wakes = 0;
    const QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [&sleeps] { ++sleeps; });
    connect(dispatcher, &QAbstractEventDispatcher::awake, this, [&wakes] { ++wakes; });
    form.jidou.click();
    disconnect(dispatcher, nullptr, this, nullptr);

    QCOMPARE(form.Distance.value(), 28);
    QVERIFY2(sleeps >= 28, qPrintable(QString::number(sleeps)));
    QVERIFY2(wakes <= 28 * 20, qPrintable(QString::number(wakes)));
}

void TstAutoplay::frameCloseEndsWalkAndProgram()
{
    const ChildResult result = runChild(QStringLiteral("frameClose"), QStringLiteral("01"));
    QCOMPARE(result.output, QStringLiteral("step 1\nstep 2\nstep 3\nclosing\n"));
    QCOMPARE(result.status, QProcess::NormalExit);
    QCOMPARE(result.exitCode, 0);
}

void TstAutoplay::autoAfterStopStartsFreshWalk_data()
{
    QTest::addColumn<int>("stopAfter");
    QTest::addColumn<int>("stopFreshAfter");
    QTest::addColumn<int>("finalDistance");
    QTest::newRow("fresh walk to C") << 5 << 0 << 28;
    QTest::newRow("fresh walk stopped") << 5 << 3 << 3;
    QTest::newRow("in the last pause") << 28 << 0 << 28;
}

// Stop, then "自動" in the same pause: the screen resets at once, the walk goes on from B with
// the walk's buttons, and the stop button ends it.
void TstAutoplay::autoAfterStopStartsFreshWalk()
{
    QFETCH(int, stopAfter);
    QFETCH(int, stopFreshAfter);
    QFETCH(int, finalDistance);
    Form1 form;
    form.Combo1.setText(u"01");
    QList<int> pauses;
    QList<QStringList> enabledInFreshPauses;
    bool restarted = false;
    QPointF markerAfterClick;
    int distanceAfterClick = -1;
    int flagAfterClick = -1;
    QStringList enabledAfterClick;
    onEachPause(form, [&](int distance) {
        pauses << distance;
        if (restarted) {
            enabledInFreshPauses << enabledControls(form);
            if (distance == stopFreshAfter)
                form.tomeru.click();
        } else if (distance == stopAfter) {
            restarted = true;
            form.tomeru.click();
            form.jidou.click();
            markerAfterClick = marker(form);
            distanceAfterClick = form.Distance.value();
            flagAfterClick = form.StopRequested.value();
            enabledAfterClick = enabledControls(form);
        }
    });
    form.jidou.click();

    QCOMPARE(markerAfterClick, QPointF(70, 245));
    QCOMPARE(distanceAfterClick, 0);
    QCOMPARE(flagAfterClick, 0);
    QCOMPARE(enabledAfterClick, walking);
    QCOMPARE(pauses, range(1, stopAfter) + range(1, finalDistance));
    QCOMPARE(enabledInFreshPauses, QList<QStringList>(finalDistance, walking));
    QCOMPARE(form.Distance.value(), finalDistance);
    QCOMPARE(form.StopRequested.value(), 0);
    QCOMPARE(enabledControls(form), idle);
}

int main(int argc, char *argv[])
{
    const QByteArray scenario = qgetenv(scenarioVariable);
    if (!scenario.isEmpty())
        return playScenario(argc, argv, scenario);
    QApplication application(argc, argv);
    TstAutoplay test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_autoplay.moc"
