#include "firstframeprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdio>
#include <ctime>

namespace {
// VmRSS of this process, in kB.
long long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression vmRss(QStringLiteral("VmRSS:\\s*(\\d+)"));
    return vmRss.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
}

// Processor time this process has used, user and system, in microseconds.
long long processorMicroseconds()
{
    return std::clock() * 1'000'000LL / CLOCKS_PER_SEC;
}
} // namespace

FirstFrameProbe::FirstFrameProbe(QWidget &window) : QObject(&window)
{
    window.installEventFilter(this);
}

bool FirstFrameProbe::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // The children and the flush to the screen follow in the same round; a zero timer
        // fires after it.
        QTimer::singleShot(0, this, &FirstFrameProbe::report);
    }
    return false;
}

void FirstFrameProbe::report()
{
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const long long nanoseconds = std::chrono::nanoseconds(now).count();
    std::printf("first-frame %lld rss-kb %lld cpu-us %lld\n", nanoseconds, residentKilobytes(),
                processorMicroseconds());
    std::fflush(stdout);
    QCoreApplication::quit();
}
