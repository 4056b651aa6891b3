// Key presses in one window, shown to the program before the focused control sees them.
#pragma once

#include "platform/window.h"

#include <QObject>

class FormWidget;

// An application event filter: a key press comes first to the window's QWindow, then to the
// focused widget; only the widget's delivery is taken, so that each press is previewed once.
// Keys pressed in other windows, such as an open drop-down list, are left alone. F11 switches the
// window between full screen and what it was before, and is not shown to the program.
class KeyPreviewFilter : public QObject
{
public:
    KeyPreviewFilter(Window &window, FormWidget &widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isInWindow(const QObject *watched) const;

    Window &m_window;
    FormWidget &m_widget;
};
