// Key presses in one window, shown to the program before the focused control sees them.
#pragma once

#include "platform/window.h"

#include <QObject>

class QKeyEvent;
class QWidget;

// An application event filter: a key press comes first to the window's QWindow, then to the
// focused widget; only the widget's delivery is taken, so that each press is previewed once.
// Keys pressed in other windows, such as an open drop-down list, are left alone.
class KeyPreviewFilter : public QObject
{
public:
    KeyPreviewFilter(Window &window, const QWidget &widget);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isInWindow(const QObject *watched) const;

    Window &m_window;
    const QWidget &m_widget;
};
