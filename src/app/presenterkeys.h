// Keys that press the window's buttons wherever the focus is in the window.
#pragma once

#include "platform/window.h"

#include <vector>

class CommandButton;

// Sees every key press of the window before any control does, so that a bound key works even
// where the focused control has a use of its own for it (the speed box would change the speed on
// Page Up and Page Down). A key acts as a click does: only while its button is enabled.
class PresenterKeys
{
public:
    struct Binding
    {
        Key key;
        CommandButton *button;
    };

    explicit PresenterKeys(std::vector<Binding> bindings);

    // Clicks the key's button; true when the key is bound, so that it goes no further.
    bool handle(const KeyPress &press) const;

private:
    CommandButton *buttonFor(const KeyPress &press) const;

    const std::vector<Binding> m_bindings;
};
