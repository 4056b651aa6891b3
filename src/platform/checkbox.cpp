#include "platform/checkbox.h"

CheckBox::~CheckBox() = default;

void CheckBox::setCaption(const std::u16string &caption)
{
    m_caption = caption;
    applyCaption();
}

void CheckBox::click()
{
    if (!isEnabled())
        return;
    setValue(value() == 1 ? 0 : 1);
    handleClick();
}
