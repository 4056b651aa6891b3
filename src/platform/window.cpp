// The tab order as the program keeps it; each backend gives the window system the same order.
#include "platform/window.h"

#include "platform/control.h"

void Window::setTabOrder(const std::vector<Control *> &order)
{
    m_tabOrder = order;
    applyTabOrder(order);
}

Control *Window::focusedControl() const
{
    for (Control *control : m_tabOrder)
        if (control->hasFocus())
            return control;
    return nullptr;
}
