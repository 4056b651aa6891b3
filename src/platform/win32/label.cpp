#include "platform/label.h"

#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

// The window colours the label's background and text when it asks (WM_CTLCOLORSTATIC).
Label::Label(Window &window)
    : Control(window, std::make_unique<Native>(window, Native::Kind::Label, L"STATIC",
                                               SS_LEFT | SS_NOPREFIX, 0))
{}

void Label::applyText()
{
    SetWindowTextW(native().hwnd, wide(m_text));
}

void Label::applyBackColor()
{
    InvalidateRect(native().hwnd, nullptr, TRUE);
}

void Label::applyForeColor()
{
    InvalidateRect(native().hwnd, nullptr, TRUE);
}
