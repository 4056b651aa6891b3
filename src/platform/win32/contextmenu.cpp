#include "platform/win32/contextmenu.h"

#include "platform/win32/win32text.h"

#include <commctrl.h>

namespace {
// The keyboard's request: below the focused control's top-left corner, else at the client
// area's.
POINT keyboardPoint(const Window::Native &window)
{
    const HWND focus = GetFocus();
    RECT place;
    if (focus != nullptr && IsChild(window.hwnd, focus) && GetWindowRect(focus, &place))
        return {place.left, place.bottom};
    POINT corner{0, 0};
    ClientToScreen(window.hwnd, &corner);
    return corner;
}

// The screen point WM_CONTEXTMENU carries, its coordinates signed 16-bit numbers.
POINT pointOf(LPARAM where)
{
    return {short(LOWORD(where)), short(HIWORD(where))};
}

bool isFromKeyboard(POINT where)
{
    return where.x == -1 && where.y == -1;
}

LRESULT CALLBACK passOn(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR)
{
    if (message == WM_CONTEXTMENU) {
        const Window::Native *const window = windowOf(GetAncestor(hwnd, GA_ROOT));
        if (window != nullptr && window->contextMenu != nullptr)
            return SendMessageW(window->hwnd, WM_CONTEXTMENU, wParam, lParam);
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, passOn, 0);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
} // namespace

HMENU makeContextMenu(const std::vector<MenuItem> &items)
{
    if (items.empty())
        return nullptr;
    const HMENU menu = CreatePopupMenu();
    for (std::size_t i = 0; i < items.size(); ++i)
        AppendMenuW(menu, MF_STRING, i + 1, wide(items[i].text));
    return menu;
}

// The menu returns the choice here, once it has closed, rather than as a command message.
bool openContextMenu(Window::Native &window, LPARAM where)
{
    if (window.contextMenu == nullptr)
        return false;
    const POINT point = pointOf(where);
    const POINT at = isFromKeyboard(point) ? keyboardPoint(window) : point;
    const auto chosen =
        int(TrackPopupMenu(window.contextMenu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x,
                           at.y, 0, window.hwnd, nullptr));
    if (chosen > 0)
        window.owner.handleMenuChoice(chosen - 1);
    return true;
}

void passContextMenuOn(const Control::Native &control)
{
    SetWindowSubclass(control.hwnd, passOn, 0, 0);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof(combo);
    if (control.kind == Control::Native::Kind::ComboBox && GetComboBoxInfo(control.hwnd, &combo) &&
        combo.hwndItem != nullptr && combo.hwndItem != control.hwnd)
        SetWindowSubclass(combo.hwndItem, passOn, 0, 0);
}
