// The window's widget: the client area, its screen reader messages, and the close by the frame
// passed on to the program.
#pragma once

#include "platform/qt/announcer.h"

#include <QWidget>

class Window;

class FormWidget : public QWidget
{
public:
    explicit FormWidget(Window &window) : m_window(window) {}

    Announcer announcer{this};

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Window &m_window;
};
