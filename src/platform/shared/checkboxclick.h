// The program's click on a check box, for the backends whose controls keep the click handler
// themselves.
#pragma once

#include <functional>

class CheckBox;

// Goes as the user's click does: a disabled box ignores it; otherwise a checked box clears, an
// unchecked or grayed one checks, and then the handler runs.
void clickCheckBox(CheckBox &box, const std::function<void()> &onClick);
