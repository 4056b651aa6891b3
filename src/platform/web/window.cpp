// The program's windows: the page's client area, and panels shown over it.
#include "platform/window.h"

#include "platform/control.h"
#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"

Window::Window() : m_native(std::make_unique<Native>(Native{window_create()}))
{
    EventRouter::instance().addWindow(m_native->index, *this);
}

Window::~Window()
{
    EventRouter::instance().removeWindow(m_native->index);
    window_destroy(m_native->index);
}

void Window::applyCaption()
{
    window_set_caption(m_native->index, m_caption.data(), length(m_caption));
}

// The page fits the window to the viewport anew, so the surfaces may have a new scale.
void Window::applyClientSize()
{
    window_set_client_size(m_native->index, m_layoutSize.width, m_layoutSize.height);
    EventRouter::instance().rescale();
}

void Window::applyBackColor()
{
    window_set_back_color(m_native->index, m_backColor.pixel());
}

void Window::applyFont()
{
    window_set_font(m_native->index, m_font.face == Font::Face::Gothic, m_font.pixelSize,
                    m_font.bold);
}

void Window::applyTabOrder(const std::vector<Control *> &order)
{
    for (std::size_t i = 0; i < order.size(); ++i)
        control_set_tab_index(elementOf(*order[i]), int(i + 1));
}

void Window::show()
{
    EventRouter &router = EventRouter::instance();
    router.setShown();
    router.present();
}

// The page keeps the owner's panel below: the owner's window is made inert while this is shown.
void Window::showModal(Window &)
{
    window_show_modal(m_native->index);
    EventRouter &router = EventRouter::instance();
    router.setModal(this);
    router.rescale();
    router.present();
}

void Window::hide()
{
    window_hide(m_native->index);
    EventRouter::instance().setModal(nullptr);
}

void Window::applyContextMenu()
{
    std::u16string items;
    for (const MenuItem &item : m_contextMenu)
        items += item.text + u'\n';
    window_set_context_menu(m_native->index, items.data(), length(items));
}

void Window::announce(const std::u16string &text)
{
    EventRouter::instance().announce(text);
}
