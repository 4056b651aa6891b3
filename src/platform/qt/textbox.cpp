#include "platform/textbox.h"

#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

#include "platform/qt/controlwidgets.h"

TextBox::TextBox(Window &window)
    : Control(window, std::make_unique<Native>(new LineEditWidget(parentWidget(window))))
{}

std::u16string TextBox::text() const
{
    return fromQString(widgetOf<QLineEdit>(*this).text());
}

void TextBox::setText(const std::u16string &text)
{
    widgetOf<QLineEdit>(*this).setText(toQString(text));
}
