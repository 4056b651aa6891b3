// The state every control keeps for the program; the backend shows each change.
#include "platform/control.h"

#include "platform/window.h"

void Control::setGeometry(const Rect &geometry)
{
    m_geometry = geometry;
    applyGeometry();
}

void Control::setEnabled(bool enabled)
{
    m_enabled = enabled;
    applyEnabled();
}

Font Control::font() const
{
    return m_font.value_or(m_window.font());
}

void Control::setFont(const Font &font)
{
    m_font = font;
    applyFont();
}

void Control::setAccessibleName(const std::u16string &name)
{
    m_accessibleName = name;
    applyAccessibleName();
}

void Control::showAtFit()
{
    applyGeometry();
    applyFont();
}
