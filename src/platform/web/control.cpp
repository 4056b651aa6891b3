// The members every control has, on its element.
#include "platform/control.h"

#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"
#include "platform/web/surface.h"

Control::Native::Native(ElementKind kind) : element(control_create(kind)) {}

Control::Native::~Native() = default;

Control::Control(std::unique_ptr<Native> native) : m_native(std::move(native))
{
    EventRouter::instance().addControl(m_native->element, *this);
}

Control::~Control()
{
    EventRouter::instance().removeControl(m_native->element);
}

Rect Control::geometry() const
{
    return m_native->geometry;
}

void Control::setGeometry(const Rect &geometry)
{
    m_native->geometry = geometry;
    control_set_geometry(m_native->element, geometry.left, geometry.top, geometry.width,
                         geometry.height);
}

bool Control::isEnabled() const
{
    return m_native->enabled;
}

void Control::setEnabled(bool enabled)
{
    m_native->enabled = enabled;
    control_set_enabled(m_native->element, enabled);
}

Font Control::font() const
{
    return m_native->font;
}

void Control::setFont(const Font &font)
{
    m_native->font = font;
    control_set_font(m_native->element, font.face == Font::Face::Gothic, font.pixelSize, font.bold);
}

bool Control::hasFocus() const
{
    return control_has_focus(m_native->element) != 0;
}

void Control::setFocus()
{
    control_set_focus(m_native->element);
}

std::u16string Control::accessibleName() const
{
    return m_native->accessibleName;
}

void Control::setAccessibleName(const std::u16string &name)
{
    m_native->accessibleName = name;
    control_set_accessible_name(m_native->element, name.data(), length(name));
}
