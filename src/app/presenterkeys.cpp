// Keys that press the window's buttons wherever the focus is in the window.
#include "app/presenterkeys.h"

#include "platform/commandbutton.h"

#include <utility>

PresenterKeys::PresenterKeys(std::vector<Binding> bindings) : m_bindings(std::move(bindings)) {}

// A bound key never reaches the focused control, not even while its button is disabled: during a
// walk Page Down must not turn into a change of speed.
bool PresenterKeys::handle(const KeyPress &press) const
{
    CommandButton *const button = buttonFor(press);
    if (button == nullptr)
        return false;
    button->click();
    return true;
}

// Only the bare key, as a remote sends it: combinations keep their usual meaning.
CommandButton *PresenterKeys::buttonFor(const KeyPress &press) const
{
    if (press.withModifiers)
        return nullptr;
    for (const Binding &binding : m_bindings)
        if (binding.key == press.key)
            return binding.button;
    return nullptr;
}
