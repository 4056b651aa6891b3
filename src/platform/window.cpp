// The window's state and handlers as the program keeps them; each backend shows the changes.
#include "platform/window.h"

#include "platform/control.h"

void Window::setCaption(const std::u16string &caption)
{
    m_caption = caption;
    applyCaption();
}

void Window::setFont(const Font &font)
{
    m_font = font;
    applyFont();
}

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

void Window::setKeyPreview(std::function<bool(const KeyPress &)> preview)
{
    m_keyPreview = std::move(preview);
}

void Window::setOnClose(std::function<void()> onClose)
{
    m_onClose = std::move(onClose);
}

void Window::handleClose()
{
    if (m_onClose)
        m_onClose();
}

void Window::setContextMenu(std::vector<MenuItem> items)
{
    m_contextMenu = std::move(items);
    applyContextMenu();
}

// A choice that arrives after the menu changed is one the user did not make.
void Window::handleMenuChoice(int index)
{
    if (index >= 0 && std::size_t(index) < m_contextMenu.size())
        m_contextMenu[std::size_t(index)].action();
}

void Window::refit(Size client, double unitsPerPixel)
{
    const LayoutFit fit = LayoutFit::of(m_layoutSize, client, unitsPerPixel);
    if (fit == m_fit)
        return;
    m_fit = fit;
    applyFit();
}
