#include "platform/linkcode.h"

void LinkCode::setText(const std::u16string &text)
{
    m_text = text;
    applyText();
}
