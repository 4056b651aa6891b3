#include "platform/label.h"

#include "platform/web/natives.h"
#include "platform/web/text.h"

Label::Label(Window &) : Control(std::make_unique<Native>(ElementKind::Label)) {}

std::u16string Label::text() const
{
    return elementText(elementOf(*this));
}

void Label::setText(const std::u16string &text)
{
    control_set_text(elementOf(*this), text.data(), length(text));
}

void Label::setBackColor(Color color)
{
    control_set_back_color(elementOf(*this), color.pixel());
}

void Label::setForeColor(Color color)
{
    control_set_fore_color(elementOf(*this), color.pixel());
}
