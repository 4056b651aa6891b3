#include "platform/win32/formwindow.h"

#include "platform/combobox.h"
#include "platform/commandbutton.h"
#include "platform/label.h"
#include "platform/textbox.h"
#include "platform/win32/brushes.h"
#include "platform/win32/buttonface.h"
#include "platform/win32/checkboxface.h"
#include "platform/win32/contextmenu.h"
#include "platform/win32/errorreport.h"
#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif

namespace {
using Kind = Control::Native::Kind;

// A choice from a combo box's list, reported once the box shows it: the combo box sends
// CBN_SELCHANGE before its edit field takes the item's text.
constexpr UINT listChoiceMessage = WM_APP;

Window::Native *nativeOf(HWND hwnd)
{
    return reinterpret_cast<Window::Native *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

bool isClickable(Kind kind)
{
    return kind == Kind::Button || kind == Kind::CheckBox;
}

// A click on a command button or a check box (the check box has toggled itself already), or a
// change the user made in a text box or a combo box; none while the program sets the text.
void handleCommand(const Window::Native &window, WPARAM wParam, LPARAM lParam)
{
    Control::Native *const control = controlOf(reinterpret_cast<HWND>(lParam));
    if (control == nullptr)
        return;
    const WORD code = HIWORD(wParam);
    if (code == BN_CLICKED && isClickable(control->kind))
        static_cast<ClickableControl &>(*control->owner).handleClick();
    else if (control->settingText)
        return;
    else if (code == EN_CHANGE && control->kind == Kind::Edit)
        static_cast<TextBox &>(*control->owner).handleChange();
    else if (code == CBN_EDITCHANGE && control->kind == Kind::ComboBox)
        static_cast<ComboBox &>(*control->owner).handleChange();
    else if (code == CBN_SELCHANGE && control->kind == Kind::ComboBox)
        PostMessageW(window.hwnd, listChoiceMessage, 0, lParam);
}

// The combo box may be gone by the time the message comes.
void reportListChoice(LPARAM lParam)
{
    Control::Native *const control = controlOf(reinterpret_cast<HWND>(lParam));
    if (control != nullptr && control->kind == Kind::ComboBox)
        static_cast<ComboBox &>(*control->owner).handleChange();
}

// Text boxes and combo boxes, read-only or disabled, and their parts keep the system's colours;
// the window's own child windows that are no control (the live region) take the window's.
bool keepsSystemColours(const Window::Native &window, HWND hwnd)
{
    const Control::Native *const control = controlOf(hwnd);
    if (control == nullptr)
        return GetParent(hwnd) != window.hwnd;
    return control->kind == Kind::Edit || control->kind == Kind::ComboBox;
}

// Caption labels on their own colours; check boxes on the window's, with their caption in it
// too, since the box is too narrow to show more than its square.
LRESULT colourStatic(const Window &window, HDC dc, HWND hwnd)
{
    const Control::Native *const control = controlOf(hwnd);
    Color back = window.backColor();
    Color fore = window.backColor();
    if (control != nullptr && control->kind == Kind::Label) {
        const auto &label = static_cast<const Label &>(*control->owner);
        back = label.backColor().value_or(window.backColor());
        fore = label.foreColor();
    }
    SetBkColor(dc, colorRef(back));
    SetTextColor(dc, colorRef(fore));
    return reinterpret_cast<LRESULT>(solidBrush(back));
}

// Activating the window gives the focus back to the control that had it.
void keepFocus(Window::Native &window, WPARAM wParam)
{
    if (LOWORD(wParam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window.hwnd, focus))
            window.lastFocus = focus;
    } else if (window.lastFocus != nullptr) {
        SetFocus(window.lastFocus);
    }
}

LRESULT handle(Window::Native &window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND:
        handleCommand(window, wParam, lParam);
        return 0;
    case listChoiceMessage:
        reportListChoice(lParam);
        return 0;
    case WM_CONTEXTMENU:
        if (openContextMenu(window, lParam))
            return 0;
        return DefWindowProcW(window.hwnd, message, wParam, lParam);
    case WM_DRAWITEM:
        if (const Control::Native *button =
                controlOf(reinterpret_cast<const DRAWITEMSTRUCT *>(lParam)->hwndItem))
            drawButtonFace(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam),
                           static_cast<const CommandButton &>(*button->owner));
        return TRUE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (keepsSystemColours(window, reinterpret_cast<HWND>(lParam)))
            return DefWindowProcW(window.hwnd, message, wParam, lParam);
        return colourStatic(window.owner, reinterpret_cast<HDC>(wParam),
                            reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(window.hwnd, &client);
        FillRect(reinterpret_cast<HDC>(wParam), &client, solidBrush(window.owner.backColor()));
        return 1;
    }
    case WM_ACTIVATE:
        keepFocus(window, wParam);
        return 0;
    // The layout fits the client area at every size, maximised and full screen too.
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED)
            fitToClientArea(window);
        return 0;
    // On a monitor of another scale the window takes the size Windows suggests for it there,
    // and the layout fits it at the new scale.
    case WM_DPICHANGED: {
        window.dpiScale = std::max<int>(LOWORD(wParam), 96) / 96.0;
        const RECT &suggested = *reinterpret_cast<const RECT *>(lParam);
        SetWindowPos(window.hwnd, nullptr, suggested.left, suggested.top,
                     suggested.right - suggested.left, suggested.bottom - suggested.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        fitToClientArea(window);
        return 0;
    }
    case WM_NOTIFY: {
        auto &header = *reinterpret_cast<NMHDR *>(lParam);
        const Control::Native *const control = controlOf(header.hwndFrom);
        if (header.code == NM_CUSTOMDRAW && control != nullptr && control->kind == Kind::CheckBox)
            return drawCheckBoxFace(window.owner, *reinterpret_cast<NMCUSTOMDRAW *>(lParam));
        return 0;
    }
    case WM_SETFOCUS:
        if (window.lastFocus != nullptr)
            SetFocus(window.lastFocus);
        return 0;
    // The program's window goes with its frame, and the program with it; a window it owns stays,
    // for the program to hide.
    case WM_CLOSE:
        window.owner.handleClose();
        if (GetWindow(window.hwnd, GW_OWNER) == nullptr)
            DestroyWindow(window.hwnd);
        return 0;
    case WM_DESTROY:
        if (GetWindow(window.hwnd, GW_OWNER) == nullptr)
            PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window.hwnd, message, wParam, lParam);
    }
}

LRESULT CALLBACK formProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window::Native *const window = nativeOf(hwnd);
    if (window == nullptr)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return guarded([&] { return handle(*window, message, wParam, lParam); });
}
} // namespace

const wchar_t *formWindowClass()
{
    static const wchar_t *const name = [] {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = formProcedure;
        windowClass.hInstance = instance;
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        windowClass.hIcon = static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                       GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
        windowClass.hIconSm = static_cast<HICON>(
            LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                       GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
        windowClass.lpszClassName = L"TaviloForm";
        RegisterClassExW(&windowClass);
        return windowClass.lpszClassName;
    }();
    return name;
}

Window::Native *windowOf(HWND hwnd)
{
    if (hwnd == nullptr ||
        reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) != formProcedure)
        return nullptr;
    return nativeOf(hwnd);
}
