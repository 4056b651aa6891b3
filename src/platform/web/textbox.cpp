#include "platform/textbox.h"

#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"
#include "platform/web/text.h"

TextBox::TextBox(Window &window) : Control(window, std::make_unique<Native>(ElementKind::TextBox))
{
    EventRouter::instance().addChangeable(elementOf(*this), [this] { handleChange(); });
}

std::u16string TextBox::text() const
{
    return elementText(elementOf(*this));
}

void TextBox::setText(const std::u16string &text)
{
    control_set_text(elementOf(*this), text.data(), length(text));
}

void TextBox::applyReadOnly()
{
    control_set_read_only(elementOf(*this), m_readOnly);
}
