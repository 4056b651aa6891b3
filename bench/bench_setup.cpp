// Timing of the setup window: from the key to the window made, filled in and painted into an
// image (a new lesson each run, so the window is made anew), its opening again, and one
// keystroke in a field to the fields checked, the preview drawn and the window painted again.
// Usage: bench_setup [runs, 15 by default]; runs offscreen unless a platform is set. Prints the
// medians and the slowest in milliseconds.
#include "app/form1.h"
#include "app/form2.h"
#include "platform/application.h"
#include "platform/qt/nativewidget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QStringList>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
void paint(QWidget &window)
{
    QImage picture(window.size() * window.devicePixelRatioF(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(window.devicePixelRatioF());
    window.render(&picture);
}

double timed(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

void report(const char *what, std::vector<double> milliseconds)
{
    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf("%s: median %.2f ms, slowest %.2f ms (%zu runs)\n", what,
                milliseconds[milliseconds.size() / 2], milliseconds.back(), milliseconds.size());
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    Application application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const int runs = arguments.size() > 1 ? arguments[1].toInt() : 15;

    std::vector<double> first;
    std::vector<double> again;
    std::vector<double> keystroke;
    for (int run = 0; run < runs; ++run) {
        Form1 form;
        form.show();
        QCoreApplication::processEvents();
        QWidget &lesson = nativeWidget(form.susumu);
        first.push_back(timed([&] {
            QTest::keyClick(&lesson, Qt::Key_Comma, Qt::ControlModifier);
            paint(nativeWidget(*form.setup));
        }));
        form.setup->cancelButton.click();
        QCoreApplication::processEvents();
        again.push_back(timed([&] {
            QTest::keyClick(&lesson, Qt::Key_Comma, Qt::ControlModifier);
            paint(nativeWidget(*form.setup));
        }));
        // One digit more and one less: 8 to 81 (too long a side) and back to 8, each a preview.
        auto &field = static_cast<QLineEdit &>(nativeWidget(form.setup->abBox));
        field.setFocus();
        field.end(false);
        keystroke.push_back(timed([&] {
            QTest::keyClick(&field, Qt::Key_1);
            paint(nativeWidget(*form.setup));
        }));
        keystroke.push_back(timed([&] {
            QTest::keyClick(&field, Qt::Key_Backspace);
            paint(nativeWidget(*form.setup));
        }));
        form.setup->cancelButton.click();
    }
    report("setup window, made and painted", first);
    report("setup window, opened again and painted", again);
    report("setup window, a keystroke to the preview painted", keystroke);
    return 0;
}
