#include "platform/textbox.h"

#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

#include <QLineEdit>

TextBox::TextBox(Window &window)
    : Control(window, std::make_unique<Native>(new QLineEdit(parentWidget(window))))
{}

std::u16string TextBox::text() const
{
    return fromQString(widgetOf<QLineEdit>(*this).text());
}

void TextBox::setText(const std::u16string &text)
{
    widgetOf<QLineEdit>(*this).setText(toQString(text));
}
