// Timing of a resize to a projector's screen: from the window at its own size sized to
// 1920 x 1080 to the whole window repainted into an image, the fit, the controls' new places and
// fonts and both surfaces drawn again at the new scale included.
// Usage: bench_resize [runs, 15 by default]; runs offscreen unless a platform is set. Prints the
// median and the slowest in milliseconds.
#include "app/form1.h"
#include "platform/application.h"
#include "platform/qt/nativewidget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = arguments.size() > 1 ? arguments[1].toInt() : 15;
    Form1 form;
    QWidget &window = nativeWidget(form);
    form.show();
    // The README's picture: the boxes ticked and 13 steps, so that both surfaces hold a drawing.
    form.Check1.click();
    form.Check2.click();
    form.Check3.click();
    for (int i = 0; i < 13; ++i)
        form.susumu.click();
    QCoreApplication::processEvents();

    std::vector<double> milliseconds;
    for (int run = 0; run < runs; ++run) {
        window.resize(865, 437);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        window.resize(1920, 1080);
        QImage picture(window.size() * window.devicePixelRatioF(), QImage::Format_RGB32);
        picture.setDevicePixelRatio(window.devicePixelRatioF());
        window.render(&picture);
        milliseconds.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("resize to 1920 x 1080 and repaint: median %.2f ms, slowest %.2f ms (%d runs, "
                "factor %.4f)\n",
                milliseconds[milliseconds.size() / 2], milliseconds.back(), runs,
                form.fit().factor);
    return 0;
}
