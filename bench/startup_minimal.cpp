// The yardstick of start-up: a minimal Qt Widgets window with one button, ended at its first
// painted frame.
#include "firstframeprobe.h"

#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    QPushButton button(QStringLiteral("OK"), &window);
    FirstFrameProbe probe(window);
    window.show();
    return application.exec();
}
