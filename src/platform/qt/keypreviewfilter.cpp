#include "platform/qt/keypreviewfilter.h"

#include "platform/qt/formwidget.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
Key keyOf(int key)
{
    switch (key) {
    case Qt::Key_PageDown:
        return Key::PageDown;
    case Qt::Key_PageUp:
        return Key::PageUp;
    case Qt::Key_F5:
        return Key::F5;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Comma:
        return Key::Comma;
    default:
        return Key::Other;
    }
}

KeyPress pressOf(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    return {keyOf(event.key()), modifiers != Qt::NoModifier, modifiers == Qt::ControlModifier};
}
} // namespace

KeyPreviewFilter::KeyPreviewFilter(Window &window, FormWidget &widget)
    : m_window(window), m_widget(widget)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPreviewFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isInWindow(watched))
        return false;
    const auto &key = static_cast<const QKeyEvent &>(*event);
    if (key.key() == Qt::Key_F11 && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!key.isAutoRepeat())
            m_widget.toggleFullScreen();
        event->accept();
        return true;
    }
    if (!m_window.previewKey(pressOf(key)))
        return false;
    event->accept();
    return true;
}

bool KeyPreviewFilter::isInWindow(const QObject *watched) const
{
    const auto *const widget = qobject_cast<const QWidget *>(watched);
    return widget != nullptr && widget->window() == &m_widget;
}
