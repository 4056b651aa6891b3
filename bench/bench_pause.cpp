// Processor share of automatic play: one paced walk, its processor time over its duration.
// Usage: bench_pause [speed text, "20" by default]; runs offscreen unless a platform is set.
#include "app/form1.h"
#include "platform/application.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <cstdio>
#include <ctime>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const QString speed = arguments.size() > 1 ? arguments[1] : QStringLiteral("20");
    Form1 form;
    form.show();
    form.Combo1.setText(speed.toStdU16String());

    QElapsedTimer wall;
    wall.start();
    const std::clock_t processorStart = std::clock();
    form.jidou.click();
    const double processorSeconds = double(std::clock() - processorStart) / CLOCKS_PER_SEC;
    const double wallSeconds = double(wall.nsecsElapsed()) / 1e9;

    std::printf("speed \"%s\": %d steps in %.3f s, processor %.3f s, %.2f %% of one core\n",
                qPrintable(speed), int(form.Distance.value()), wallSeconds, processorSeconds,
                100.0 * processorSeconds / wallSeconds);
    return 0;
}
