#include "platform/textbox.h"

#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

TextBox::TextBox(Window &window)
    : Control(window,
              std::make_unique<Native>(window, Native::Kind::Edit, L"EDIT",
                                       WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE))
{}

std::u16string TextBox::text() const
{
    return windowText(native().hwnd);
}

void TextBox::setText(const std::u16string &text)
{
    SetWindowTextW(native().hwnd, wide(text));
}
