// The program's window on a top-level widget.
#include "platform/window.h"

#include "platform/control.h"
#include "platform/qt/fonts.h"
#include "platform/qt/formwidget.h"
#include "platform/qt/keypreviewfilter.h"
#include "platform/qt/natives.h"
#include "platform/qt/nativewidget.h"
#include "platform/qt/qtext.h"

#include <QScreen>

#include <algorithm>

Window::Native::Native(Window &window)
    : widget(std::make_unique<FormWidget>(window)),
      keyFilter(std::make_unique<KeyPreviewFilter>(window, *widget))
{}

Window::Native::~Native() = default;

Window::Window() : m_native(std::make_unique<Native>(*this)) {}

Window::~Window() = default;

void Window::applyCaption()
{
    m_native->widget->setWindowTitle(toQString(m_caption));
}

void Window::Native::showControlsAtFit()
{
    for (Control *control : controls)
        control->showAtFit();
}

void Window::applyClientSize()
{
    m_native->widget->resize(m_layoutSize.width, m_layoutSize.height);
}

// The controls without a font of their own take the window's, at the fit.
void Window::applyFit()
{
    m_native->widget->setFont(qtFont(m_font, m_fit.scale));
    m_native->showControlsAtFit();
    m_native->widget->update();
}

void Window::applyBackColor()
{
    QWidget &widget = *m_native->widget;
    widget.setAutoFillBackground(true);
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, toQColor(m_backColor));
    widget.setPalette(palette);
}

void Window::applyFont()
{
    m_native->widget->setFont(qtFont(m_font, m_fit.scale));
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

namespace {
// Where a window of that client size goes, frame and all: centred over the owner, moved onto the
// owner's screen where it would stick out, its caption kept on the screen first. Its frame is
// taken to be as wide as the owner's, as it is not known before the window is shown.
QPoint placeOver(const QWidget &owner, const QSize &size)
{
    const QRect client = owner.geometry();
    const QRect frame = owner.frameGeometry();
    QRect place(QPoint(), size);
    place.moveCenter(client.center());
    place.adjust(frame.left() - client.left(), frame.top() - client.top(),
                 frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect screen = owner.screen()->availableGeometry();
    const int left = std::min(place.left(), screen.right() + 1 - place.width());
    const int top = std::min(place.top(), screen.bottom() + 1 - place.height());
    return {std::max(left, screen.left()), std::max(top, screen.top())};
}
} // namespace

// A dialog of the owner's: the window manager keeps it in front of the owner, and Qt takes
// no input for the owner while it is shown.
void Window::showModal(Window &owner)
{
    FormWidget &widget = *m_native->widget;
    QWidget &ownerWidget = *owner.native().widget;
    if (widget.parentWidget() != &ownerWidget) {
        widget.setParent(&ownerWidget, Qt::Dialog);
        widget.setWindowModality(Qt::WindowModal);
    }
    widget.move(placeOver(ownerWidget, widget.size()));
    widget.show();
    widget.activateWindow();
}

void Window::hide()
{
    m_native->widget->hide();
}

// The menu is made from the items as they are when the user asks for it.
void Window::applyContextMenu() {}

void Window::announce(const std::u16string &text)
{
    m_native->widget->announcer.announce(text);
}

QWidget &nativeWidget(const Window &window)
{
    return *window.native().widget;
}
