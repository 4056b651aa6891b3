// Keys that press the window's buttons wherever the focus is in the window.
#include "app/presenterkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <utility>

PresenterKeys::PresenterKeys(const QWidget &window, std::vector<Binding> bindings)
    : m_window(window), m_bindings(std::move(bindings))
{
    QCoreApplication::instance()->installEventFilter(this);
}

// A bound key never reaches the focused control, not even while its button is disabled: during a
// walk Page Down must not turn into a change of speed.
bool PresenterKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !isInWindow(watched))
        return false;
    QAbstractButton *const button = buttonFor(static_cast<const QKeyEvent &>(*event));
    if (button == nullptr)
        return false;
    event->accept();
    button->click();
    return true;
}

// A key press comes first to the window's QWindow, then to the focused widget; only the widget's
// delivery is taken, so that each press acts once.
bool PresenterKeys::isInWindow(const QObject *watched) const
{
    const auto *const widget = qobject_cast<const QWidget *>(watched);
    return widget != nullptr && widget->window() == &m_window;
}

// Only the bare key, as a remote sends it: combinations keep their usual meaning.
QAbstractButton *PresenterKeys::buttonFor(const QKeyEvent &event) const
{
    if ((event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return nullptr;
    for (const Binding &binding : m_bindings)
        if (binding.key == event.key())
            return binding.button;
    return nullptr;
}
