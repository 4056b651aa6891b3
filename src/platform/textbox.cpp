#include "platform/textbox.h"

TextBox::~TextBox() = default;

void TextBox::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    applyReadOnly();
}

void TextBox::setOnChange(std::function<void()> onChange)
{
    m_onChange = std::move(onChange);
}

void TextBox::handleChange()
{
    if (m_onChange)
        m_onChange();
}
