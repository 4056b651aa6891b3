// The window's widget: the client area, its fit of the layout, its screen reader messages, and
// the close by the frame passed on to the program.
#pragma once

#include "platform/layoutfit.h"
#include "platform/qt/announcer.h"

#include <QWidget>

class Window;

class FormWidget : public QWidget
{
public:
    explicit FormWidget(Window &window);

    const LayoutFit &fit() const;
    // Switches between full screen and the window it was before.
    void toggleFullScreen();

    Announcer announcer{this};

protected:
    void closeEvent(QCloseEvent *event) override;
    // A right click, the menu key or Shift+F10 anywhere a control has no menu of its own.
    void contextMenuEvent(QContextMenuEvent *event) override;
    // The layout fits the client area anew at every size.
    void resizeEvent(QResizeEvent *event) override;
    // On another screen, or at another device pixel ratio, the surfaces are drawn again at the
    // new device pixels.
    bool event(QEvent *event) override;

private:
    void followDevicePixelRatio();

    Window &m_window;
    qreal m_devicePixelRatio;
};
