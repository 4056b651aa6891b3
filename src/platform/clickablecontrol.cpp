#include "platform/clickablecontrol.h"

void ClickableControl::handleClick()
{
    if (isEnabled() && m_onClick)
        m_onClick();
}
