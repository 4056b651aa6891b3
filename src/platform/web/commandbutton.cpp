#include "platform/commandbutton.h"

#include "platform/web/natives.h"
#include "platform/web/text.h"

CommandButton::CommandButton(Window &) : Control(std::make_unique<Native>(ElementKind::Button)) {}

std::u16string CommandButton::caption() const
{
    return elementText(elementOf(*this));
}

void CommandButton::setCaption(const std::u16string &caption)
{
    control_set_text(elementOf(*this), caption.data(), length(caption));
}

Color CommandButton::backColor() const
{
    return native().backColor;
}

void CommandButton::setBackColor(Color color)
{
    native().backColor = color;
    control_set_back_color(elementOf(*this), color.pixel());
}

void CommandButton::click()
{
    if (isEnabled() && native().onClick)
        native().onClick();
}

void CommandButton::setOnClick(std::function<void()> onClick)
{
    native().onClick = std::move(onClick);
}
