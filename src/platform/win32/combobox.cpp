#include "platform/combobox.h"

#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

// A drop-down combo box completes nothing by itself, and Enter in it only reaches the window as
// the dialog's default command, which adds nothing.
ComboBox::ComboBox(Window &window)
    : Control(std::make_unique<Native>(
          window, Native::Kind::ComboBox, L"COMBOBOX",
          WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0))
{}

void ComboBox::addItems(const std::vector<std::u16string> &items)
{
    for (const std::u16string &item : items)
        SendMessageW(native().hwnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item)));
}

int ComboBox::count() const
{
    return int(SendMessageW(native().hwnd, CB_GETCOUNT, 0, 0));
}

std::u16string ComboBox::itemText(int index) const
{
    const LRESULT length = SendMessageW(native().hwnd, CB_GETLBTEXTLEN, WPARAM(index), 0);
    if (length == CB_ERR)
        return {};
    std::u16string text(std::size_t(length) + 1, u'\0');
    SendMessageW(native().hwnd, CB_GETLBTEXT, WPARAM(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(std::size_t(length));
    return text;
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
