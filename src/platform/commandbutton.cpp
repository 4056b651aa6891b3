#include "platform/commandbutton.h"

CommandButton::~CommandButton() = default;

void CommandButton::setCaption(const std::u16string &caption)
{
    m_caption = caption;
    applyCaption();
}
