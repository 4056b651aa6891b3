// Tests for the pieces that pace automatic play: the delay conversion, the clock, the dispatch.
#include "platform/eventdispatch.h"
#include "qtpeers.h"
#include "runtime/millisecondclock.h"
#include "runtime/roundint32.h"
#include "runtime/textnumber.h"

#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>

namespace {
constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t farFuture = std::numeric_limits<std::int64_t>::max();

// A timer that only a dispatch hanging for seconds lets fire: it is then no longer active.
class Guard : public QTimer
{
public:
    Guard()
    {
        setSingleShot(true);
        start(5000);
    }
};
} // namespace

class TstPacing : public QObject
{
    Q_OBJECT

private slots:
    void roundsToInt32_data();
    void roundsToInt32();
    void delayOfSpeed_data();
    void delayOfSpeed();

    void clockIs64BitAndMonotonic();
    void clockFollowsElapsedTime();

    void dispatchHandlesAllPending_data();
    void dispatchHandlesAllPending();
    void dispatchPastDeadlineDoesNotWait();
    void dispatchWaitsForNextEvent_data();
    void dispatchWaitsForNextEvent();
    void dispatchSleepsUntilDeadline();
};

void TstPacing::roundsToInt32_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<std::int32_t>("expected");
    QTest::newRow("zero") << 0.0 << 0;
    QTest::newRow("below half") << 2.4999999999999996 << 2;
    QTest::newRow("above half") << 2.5000000000000004 << 3;
    QTest::newRow("half to even, down") << 2.5 << 2;
    QTest::newRow("half to even, up") << 3.5 << 4;
    QTest::newRow("half of one") << 0.5 << 0;
    QTest::newRow("negative half to even, up") << -2.5 << -2;
    QTest::newRow("negative half to even, down") << -3.5 << -4;
    QTest::newRow("minus one half") << -0.5 << 0;
    QTest::newRow("largest") << 2147483647.0 << int32Max;
    QTest::newRow("rounds down to largest") << 2147483647.4 << int32Max;
    QTest::newRow("rounds up past largest") << 2147483647.5 << int32Max;
    QTest::newRow("smallest") << -2147483648.0 << int32Min;
    QTest::newRow("half below smallest goes to even smallest") << -2147483648.5 << int32Min;
    QTest::newRow("just below smallest") << -2147483648.6 << int32Min;
    QTest::newRow("four thousand million") << 4e9 << int32Max;
    QTest::newRow("minus four thousand million") << -4e9 << int32Min;
    QTest::newRow("largest double") << DBL_MAX << int32Max;
    QTest::newRow("lowest double") << -DBL_MAX << int32Min;
    QTest::newRow("infinity") << HUGE_VAL << int32Max;
    QTest::newRow("minus infinity") << -HUGE_VAL << int32Min;
    QTest::newRow("not a number") << std::nan("") << 0;
}

void TstPacing::roundsToInt32()
{
    QFETCH(double, value);
    QFETCH(std::int32_t, expected);
    QCOMPARE(roundToInt32(value), expected);
}

// The speed text becomes a delay as automatic play computes it: its value times 20.
void TstPacing::delayOfSpeed_data()
{
    QTest::addColumn<QString>("speed");
    QTest::addColumn<std::int32_t>("delay");
    QTest::newRow("01") << QStringLiteral("01") << 20;
    QTest::newRow("05") << QStringLiteral("05") << 100;
    QTest::newRow("10") << QStringLiteral("10") << 200;
    QTest::newRow("20") << QStringLiteral("20") << 400;
    QTest::newRow("40") << QStringLiteral("40") << 800;
    QTest::newRow("typed with blanks") << QStringLiteral(" 1 5 ") << 300;
    QTest::newRow("typed in full width") << QStringLiteral("２０") << 400;
    QTest::newRow("hexadecimal") << QStringLiteral("&H10") << 320;
    QTest::newRow("2.5 to even below") << QStringLiteral("0.125") << 2;
    QTest::newRow("7.5 to even above") << QStringLiteral("0.375") << 8;
    QTest::newRow("letters") << QStringLiteral("abc") << 0;
    QTest::newRow("negative") << QStringLiteral("-3") << -60;
    QTest::newRow("two hundred million") << QStringLiteral("200000000") << int32Max;
    QTest::newRow("minus two hundred million") << QStringLiteral("-200000000") << int32Min;
    QTest::newRow("beyond double") << QStringLiteral("1e400") << int32Max;
    QTest::newRow("below double") << QStringLiteral("-1e400") << int32Min;
}

void TstPacing::delayOfSpeed()
{
    QFETCH(QString, speed);
    QFETCH(std::int32_t, delay);
    QCOMPARE(roundToInt32(textToNumber(u16(speed)) * 20.0), delay);
}

void TstPacing::clockIs64BitAndMonotonic()
{
    static_assert(std::is_same_v<decltype(millisecondClock()), std::int64_t>);
    std::int64_t previous = millisecondClock();
    for (int i = 0; i < 100'000; ++i) {
        const std::int64_t now = millisecondClock();
        QVERIFY2(now >= previous, "the clock went back");
        previous = now;
    }
}

// A clock cut to 32 bits, or counting in another unit, parts from the system's elapsed time.
void TstPacing::clockFollowsElapsedTime()
{
    QElapsedTimer reference;
    reference.start();
    const std::int64_t start = millisecondClock();
    QTRY_VERIFY(millisecondClock() - start >= 50);
    const std::int64_t clockElapsed = millisecondClock() - start;
    const qint64 referenceElapsed = reference.elapsed();
    QVERIFY2(std::abs(clockElapsed - referenceElapsed) <= 20,
             qPrintable(QStringLiteral("clock %1 ms, reference %2 ms")
                            .arg(clockElapsed)
                            .arg(referenceElapsed)));
}

void TstPacing::dispatchHandlesAllPending_data()
{
    QTest::addColumn<std::int64_t>("deadline");
    QTest::newRow("deadline passed") << std::int64_t{0};
    QTest::newRow("deadline ahead") << millisecondClock() + 60'000;
    QTest::newRow("deadline beyond 32 bits") << farFuture;
}

// Whatever the deadline, events that are already waiting are handled and the call returns.
void TstPacing::dispatchHandlesAllPending()
{
    QFETCH(std::int64_t, deadline);
    // Owns the queued calls, so that none outlives the counter.
    const QObject context;
    int handled = 0;
    for (int event = 0; event < 3; ++event)
        QTimer::singleShot(0, &context, [&handled] { ++handled; });
    const Guard guard;
    dispatchEvents(deadline);
    QVERIFY2(guard.isActive(), "the dispatch waited for a later event");
    QCOMPARE(handled, 3);
}

void TstPacing::dispatchPastDeadlineDoesNotWait()
{
    const Guard guard;
    dispatchEvents(millisecondClock());
    dispatchEvents(millisecondClock() - 1000);
    QVERIFY2(guard.isActive(), "the dispatch waited past its deadline");
}

void TstPacing::dispatchWaitsForNextEvent_data()
{
    QTest::addColumn<std::int64_t>("deadline");
    QTest::newRow("deadline ahead") << millisecondClock() + 60'000;
    QTest::newRow("deadline beyond 32 bits") << farFuture;
}

// With nothing pending and the deadline far off, the call returns only once an event came.
void TstPacing::dispatchWaitsForNextEvent()
{
    QFETCH(std::int64_t, deadline);
    QTimer event;
    event.setSingleShot(true);
    event.start(30);
    const Guard guard;
    dispatchEvents(deadline);
    QVERIFY2(!event.isActive(), "the dispatch returned before any event");
    QVERIFY2(guard.isActive(), "the dispatch missed the event");
}

// With nothing to do, a few calls cover the time to the deadline; a dispatch that returned at
// once would need thousands of them.
void TstPacing::dispatchSleepsUntilDeadline()
{
    const std::int64_t deadline = millisecondClock() + 100;
    int calls = 0;
    while (millisecondClock() < deadline) {
        dispatchEvents(deadline);
        ++calls;
    }
    QVERIFY2(calls <= 10, qPrintable(QStringLiteral("%1 calls").arg(calls)));
}

QTEST_GUILESS_MAIN(TstPacing)
#include "tst_pacing.moc"
