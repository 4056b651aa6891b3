// What a screen reader is told of a control: its name, role, state, value and description.
#pragma once

#include "platform/control.h"

#include <windows.h>

#include <optional>
#include <string>

struct AccessibleFacts
{
    std::u16string name;
    LONG role = 0;
    LONG state = 0;
    std::optional<std::u16string> value;
    std::u16string description;
    // Whether the control's default action is a click, as for a button or a check box.
    bool clicks = false;
};

// Read afresh from the shared control each time, so that a screen reader never hears a stale
// state.
AccessibleFacts accessibleFacts(const Control::Native &native);
