// Handling pending events, sleeping in the event loop until an event or a deadline.
#include "platform/eventdispatch.h"

#include "runtime/millisecondclock.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <limits>

void dispatchEvents(std::int64_t deadline)
{
    const std::int64_t remaining = deadline - millisecondClock();
    if (remaining <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    // The timer only wakes the waiting event loop at the deadline; its timeout does nothing.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    wake.start(
        static_cast<int>(std::min<std::int64_t>(remaining, std::numeric_limits<int>::max())));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
}
