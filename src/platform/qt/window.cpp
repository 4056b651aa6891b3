// The program's window on a top-level widget.
#include "platform/window.h"

#include "platform/control.h"
#include "platform/qt/fonts.h"
#include "platform/qt/formwidget.h"
#include "platform/qt/keypreviewfilter.h"
#include "platform/qt/natives.h"
#include "platform/qt/nativewidget.h"
#include "platform/qt/qtext.h"

Window::Native::Native()
    : widget(std::make_unique<FormWidget>()), keyFilter(std::make_unique<KeyPreviewFilter>(*widget))
{}

Window::Native::~Native() = default;

Window::Window() : m_native(std::make_unique<Native>()) {}

Window::~Window() = default;

std::u16string Window::caption() const
{
    return fromQString(m_native->widget->windowTitle());
}

void Window::setCaption(const std::u16string &caption)
{
    m_native->widget->setWindowTitle(toQString(caption));
}

Size Window::clientSize() const
{
    return {m_native->widget->width(), m_native->widget->height()};
}

void Window::setClientSize(Size size)
{
    m_native->widget->resize(size.width, size.height);
}

Color Window::backColor() const
{
    return fromQColor(m_native->widget->palette().color(QPalette::Window));
}

void Window::setBackColor(Color color)
{
    QWidget &widget = *m_native->widget;
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(color));
    widget.setPalette(palette);
}

void Window::setFont(const Font &font)
{
    m_native->widget->setFont(qtFont(font));
}

void Window::applyTabOrder(const std::vector<Control *> &order)
{
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(&nativeWidget(*order[i - 1]), &nativeWidget(*order[i]));
}

void Window::show()
{
    m_native->widget->show();
}

void Window::setKeyPreview(std::function<bool(const KeyPress &)> preview)
{
    m_native->keyFilter->preview = std::move(preview);
}

void Window::setOnClose(std::function<void()> onClose)
{
    m_native->widget->onClose = std::move(onClose);
}

void Window::announce(const std::u16string &text)
{
    m_native->widget->announcer.announce(toQString(text));
}

QWidget &nativeWidget(const Window &window)
{
    return *window.native().widget;
}
