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
    : Control(std::make_unique<Native>(window, Native::Kind::Button, L"BUTTON",
                                       WS_TABSTOP | WS_GROUP | BS_OWNERDRAW, 0))
{
    SetWindowSubclass(native().hwnd, clickTwice, 0, 0);
}

std::u16string CommandButton::caption() const
{
    return native().caption;
}

void CommandButton::setCaption(const std::u16string &caption)
{
    native().caption = caption;
    SetWindowTextW(native().hwnd, wide(caption));
}

Color CommandButton::backColor() const
{
    return native().backColor.value_or(fromColorRef(GetSysColor(COLOR_BTNFACE)));
}

void CommandButton::setBackColor(Color color)
{
    native().backColor = color;
    InvalidateRect(native().hwnd, nullptr, TRUE);
}

void CommandButton::click()
{
    if (isEnabled() && native().onClick)
        native().onClick();
}

void CommandButton::setOnClick(std::function<void()> onClick)
{
    native().onClick = std::move(onClick);
}
