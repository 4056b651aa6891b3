// The Qt peers of the platform's controls, window and painter.
#pragma once

#include "platform/control.h"
#include "platform/qt/formwidget.h"
#include "platform/surfacepainter.h"
#include "platform/window.h"

#include <QPainter>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

// A control's widget is a child of the window's widget; deleting it first is fine.
struct Control::Native
{
    explicit Native(QWidget *widget) : widget(widget) {}

    std::unique_ptr<QWidget> widget;
};

class KeyPreviewFilter;

struct Window::Native
{
    explicit Native(Window &window);
    ~Native();

    // Shows every control in its place, font and drawing at the window's fit.
    void showControlsAtFit();

    std::unique_ptr<FormWidget> widget;
    std::unique_ptr<KeyPreviewFilter> keyFilter;
    // The window's controls, in the order they were made.
    std::vector<Control *> controls;
};

struct SurfacePainter::Native
{
    QPainter &painter;
};

// The widget that stands for a control, for the code that has to reach it as a widget.
template <typename Widget = QWidget> Widget &widgetOf(const Control &control)
{
    return static_cast<Widget &>(*control.native().widget);
}

// The parent of every control's widget.
inline QWidget *parentWidget(Window &window)
{
    return window.native().widget.get();
}
