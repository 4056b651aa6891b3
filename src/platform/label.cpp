#include "platform/label.h"

Label::~Label() = default;

void Label::setText(const std::u16string &text)
{
    m_text = text;
    applyText();
}
