#include "platform/label.h"

#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

// The window colours the label's background and text when it asks (WM_CTLCOLORSTATIC).
Label::Label(Window &window)
    : Control(std::make_unique<Native>(window, Native::Kind::Label, L"STATIC",
                                       SS_LEFT | SS_NOPREFIX, 0))
{}

std::u16string Label::text() const
{
    return windowText(native().hwnd);
}

void Label::setText(const std::u16string &text)
{
    SetWindowTextW(native().hwnd, wide(text));
}

void Label::setBackColor(Color color)
{
    native().backColor = color;
    InvalidateRect(native().hwnd, nullptr, TRUE);
}

void Label::setForeColor(Color color)
{
    native().foreColor = color;
    InvalidateRect(native().hwnd, nullptr, TRUE);
}
