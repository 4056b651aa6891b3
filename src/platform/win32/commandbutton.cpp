#include "platform/commandbutton.h"

#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

#include <commctrl.h>

namespace {
// An owner-drawn button turns a quick second click into a double click and no click at all; a
// second click is a click like the first.
LRESULT CALLBACK clickTwice(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                            DWORD_PTR)
{
    if (message == WM_LBUTTONDBLCLK)
        message = WM_LBUTTONDOWN;
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
} // namespace

CommandButton::CommandButton(Window &window)
    : ClickableControl(window, std::make_unique<Native>(window, Native::Kind::Button, L"BUTTON",
                                                        WS_TABSTOP | WS_GROUP | BS_OWNERDRAW, 0))
{
    SetWindowSubclass(native().hwnd, clickTwice, 0, 0);
}

void CommandButton::applyCaption()
{
    SetWindowTextW(native().hwnd, wide(m_caption));
}

// The face is drawn by the window's procedure, from the colour kept here.
void CommandButton::applyBackColor()
{
    InvalidateRect(native().hwnd, nullptr, TRUE);
}
