// The members every control has, on its element.
#include "platform/control.h"

#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"
#include "platform/web/surface.h"

Control::Native::Native(ElementKind kind) : element(control_create(kind)) {}

Control::Native::~Native() = default;

Control::Control(Window &window, std::unique_ptr<Native> native)
    : m_window(window), m_native(std::move(native))
{
    window_adopt(window.native().index, m_native->element);
}

Control::~Control()
{
    EventRouter::instance().removeControl(m_native->element);
}

void Control::applyGeometry()
{
    control_set_geometry(m_native->element, m_geometry.left, m_geometry.top, m_geometry.width,
                         m_geometry.height);
}

void Control::applyEnabled()
{
    control_set_enabled(m_native->element, m_enabled);
}

void Control::applyFont()
{
    const Font shown = font();
    control_set_font(m_native->element, shown.face == Font::Face::Gothic, shown.pixelSize,
                     shown.bold);
}

bool Control::hasFocus() const
{
    return control_has_focus(m_native->element) != 0;
}

void Control::setFocus()
{
    control_set_focus(m_native->element);
}

void Control::applyAccessibleName()
{
    control_set_accessible_name(m_native->element, m_accessibleName.data(),
                                length(m_accessibleName));
}
