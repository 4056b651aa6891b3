#include "platform/combobox.h"

#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

#include <algorithm>

namespace {
// A drop-down combo box completes nothing by itself, and Enter in it only reaches the window as
// the dialog's default command, which adds nothing. A drop-down list shows the item chosen.
DWORD styleOf(ComboStyle style)
{
    return WS_TABSTOP | WS_GROUP | WS_VSCROLL |
           (style == ComboStyle::Editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST);
}
} // namespace

ComboBox::ComboBox(Window &window, ComboStyle style)
    : Control(window, std::make_unique<Native>(window, Native::Kind::ComboBox, L"COMBOBOX",
                                               styleOf(style), 0)),
      m_style(style)
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

// A list-only box's text is its chosen item's.
std::u16string ComboBox::text() const
{
    if (m_style == ComboStyle::List)
        return itemText(int(SendMessageW(native().hwnd, CB_GETCURSEL, 0, 0)));
    return windowText(native().hwnd);
}

// Either style chooses the list's item of that text, or none where it has no such item, so that
// the arrow keys and the open list go on from it; an editable box then shows the text as given.
// Neither reports the change as the user's.
void ComboBox::setText(const std::u16string &text)
{
    native().settingText = true;
    const auto item = std::find(m_items.begin(), m_items.end(), text);
    setCurrentIndex(item != m_items.end() ? int(item - m_items.begin()) : -1);
    if (m_style == ComboStyle::Editable)
        SetWindowTextW(native().hwnd, wide(text));
    native().settingText = false;
}
