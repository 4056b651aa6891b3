// The program's window as the page's client area.
#include "platform/window.h"

#include "platform/control.h"
#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"

Window::Window() : m_native(std::make_unique<Native>()) {}

Window::~Window() = default;

std::u16string Window::caption() const
{
    return m_native->caption;
}

void Window::setCaption(const std::u16string &caption)
{
    m_native->caption = caption;
    window_set_caption(caption.data(), length(caption));
}

Size Window::clientSize() const
{
    return m_native->clientSize;
}

void Window::setClientSize(Size size)
{
    m_native->clientSize = size;
    window_set_client_size(size.width, size.height);
}

Color Window::backColor() const
{
    return m_native->backColor;
}

void Window::setBackColor(Color color)
{
    m_native->backColor = color;
    window_set_back_color(color.pixel());
}

void Window::setFont(const Font &font)
{
    window_set_font(font.face == Font::Face::Gothic, font.pixelSize, font.bold);
}

void Window::applyTabOrder(const std::vector<Control *> &order)
{
    for (std::size_t i = 0; i < order.size(); ++i)
        control_set_tab_index(elementOf(*order[i]), int(i + 1));
}

void Window::show()
{
    EventRouter::instance().present();
}

void Window::setKeyPreview(std::function<bool(const KeyPress &)> preview)
{
    EventRouter::instance().setKeyPreview(std::move(preview));
    window_set_key_preview();
}

// A page has no frame to close it by; leaving the page ends the program with it.
void Window::setOnClose(std::function<void()>) {}

void Window::announce(const std::u16string &text)
{
    window_announce(text.data(), length(text));
}
