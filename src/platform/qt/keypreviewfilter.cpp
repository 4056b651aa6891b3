#include "platform/qt/keypreviewfilter.h"

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
    default:
        return Key::Other;
    }
}

KeyPress pressOf(const QKeyEvent &event)
{
    return {keyOf(event.key()), (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier};
}
} // namespace

KeyPreviewFilter::KeyPreviewFilter(Window &window, const QWidget &widget)
    : m_window(window), m_widget(widget)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyPreviewFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isInWindow(watched))
        return false;
    if (!m_window.previewKey(pressOf(static_cast<const QKeyEvent &>(*event))))
        return false;
    event->accept();
    return true;
}

bool KeyPreviewFilter::isInWindow(const QObject *watched) const
{
    const auto *const widget = qobject_cast<const QWidget *>(watched);
    return widget != nullptr && widget->window() == &m_widget;
}
