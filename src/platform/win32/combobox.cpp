#include "platform/combobox.h"

#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

// A drop-down combo box completes nothing by itself, and Enter in it only reaches the window as
// the dialog's default command, which adds nothing.
ComboBox::ComboBox(Window &window)
    : Control(window, std::make_unique<Native>(
                          window, Native::Kind::ComboBox, L"COMBOBOX",
                          WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0))
{}

void ComboBox::applyAddedItems(const std::vector<std::u16string> &items)
{
    for (const std::u16string &item : items)
        SendMessageW(native().hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item)));
}

void ComboBox::setCurrentIndex(int index)
{
    SendMessageW(native().hwnd, CB_SETCURSEL, WPARAM(index), 0);
}

std::u16string ComboBox::text() const
{
    return windowText(native().hwnd);
}

void ComboBox::setText(const std::u16string &text)
{
    SetWindowTextW(native().hwnd, wide(text));
}
