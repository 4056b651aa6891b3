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

// The field reports the change it is given as EN_CHANGE, which is no user's.
void TextBox::setText(const std::u16string &text)
{
    native().settingText = true;
    SetWindowTextW(native().hwnd, wide(text));
    native().settingText = false;
}

// A read-only field keeps its tab stop, its caret and its selection.
void TextBox::applyReadOnly()
{
    SendMessageW(native().hwnd, EM_SETREADONLY, m_readOnly, 0);
}
