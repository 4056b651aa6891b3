#include "platform/label.h"

#include "platform/web/natives.h"

Label::Label(Window &window) : Control(window, std::make_unique<Native>(ElementKind::Label)) {}

void Label::applyText()
{
    control_set_text(elementOf(*this), m_text.data(), length(m_text));
}

void Label::applyBackColor()
{
    control_set_back_color(elementOf(*this), m_backColor->pixel());
}

void Label::applyForeColor()
{
    control_set_fore_color(elementOf(*this), m_foreColor.pixel());
}
