// The window's widget: the client area, its screen reader messages, and the close by the frame
// passed on to the program.
#pragma once

#include "platform/qt/announcer.h"

#include <QWidget>
#include <functional>

class FormWidget : public QWidget
{
public:
    std::function<void()> onClose;
    Announcer announcer{this};

protected:
    void closeEvent(QCloseEvent *event) override;
};
