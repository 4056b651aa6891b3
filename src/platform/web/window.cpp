// The program's window as the page's client area.
#include "platform/window.h"

#include "platform/control.h"
#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"

Window::Window() : m_native(std::make_unique<Native>())
{
    EventRouter::instance().setWindow(this);
}

Window::~Window()
{
    EventRouter::instance().setWindow(nullptr);
}

void Window::applyCaption()
{
    window_set_caption(m_caption.data(), length(m_caption));
}

// The page fits the window to the viewport anew, so the surfaces may have a new scale.
void Window::applyClientSize()
{
    window_set_client_size(m_layoutSize.width, m_layoutSize.height);
    EventRouter::instance().rescale();
}

void Window::applyBackColor()
{
    window_set_back_color(m_backColor.pixel());
}

void Window::applyFont()
{
    window_set_font(m_font.face == Font::Face::Gothic, m_font.pixelSize, m_font.bold);
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

void Window::announce(const std::u16string &text)
{
    EventRouter::instance().announce(text);
}
