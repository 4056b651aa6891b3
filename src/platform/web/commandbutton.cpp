#include "platform/commandbutton.h"

#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"

CommandButton::CommandButton(Window &window)
    : ClickableControl(window, std::make_unique<Native>(ElementKind::Button))
{
    EventRouter::instance().addClickable(elementOf(*this), *this);
}

void CommandButton::applyCaption()
{
    control_set_text(elementOf(*this), m_caption.data(), length(m_caption));
}

void CommandButton::applyBackColor()
{
    control_set_back_color(elementOf(*this), m_backColor->pixel());
}
