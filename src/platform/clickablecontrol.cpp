#include "platform/clickablecontrol.h"

// Out of line, as are the other controls' destructors and setters: each would otherwise be
// written out again wherever the program calls it.
ClickableControl::~ClickableControl() = default;

void ClickableControl::setOnClick(std::function<void()> onClick)
{
    m_onClick = std::move(onClick);
}

void ClickableControl::handleClick()
{
    if (isEnabled() && m_onClick)
        m_onClick();
}
