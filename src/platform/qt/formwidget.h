// The window's widget: the client area, and the close by the frame passed on to the program.
#pragma once

#include <QWidget>
#include <functional>

class FormWidget : public QWidget
{
public:
    std::function<void()> onClose;

protected:
    void closeEvent(QCloseEvent *event) override;
};
