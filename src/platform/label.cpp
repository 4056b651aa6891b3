#include "platform/label.h"

Label::~Label() = default;

void Label::setText(const std::u16string &text)
{
    m_text = text;
    applyText();
}

void Label::setBackColor(Color color)
{
    m_backColor = color;
    applyBackColor();
}

void Label::setForeColor(Color color)
{
    m_foreColor = color;
    applyForeColor();
}
