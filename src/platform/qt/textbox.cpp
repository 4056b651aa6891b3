#include "platform/textbox.h"

#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

#include "platform/qt/controlwidgets.h"

// Only the user's edits are changes: textEdited, unlike textChanged, is not sent for setText.
TextBox::TextBox(Window &window)
    : Control(window, std::make_unique<Native>(new LineEditWidget(parentWidget(window))))
{
    QObject::connect(&widgetOf<QLineEdit>(*this), &QLineEdit::textEdited,
                     [this] { handleChange(); });
}

std::u16string TextBox::text() const
{
    return fromQString(widgetOf<QLineEdit>(*this).text());
}

void TextBox::setText(const std::u16string &text)
{
    widgetOf<QLineEdit>(*this).setText(toQString(text));
}

void TextBox::applyReadOnly()
{
    widgetOf<QLineEdit>(*this).setReadOnly(m_readOnly);
}
