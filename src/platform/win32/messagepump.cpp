#include "platform/win32/messagepump.h"

#include "platform/win32/errorreport.h"
#include "platform/win32/natives.h"

namespace {
Key keyOf(WPARAM virtualKey)
{
    switch (virtualKey) {
    case VK_NEXT:
        return Key::PageDown;
    case VK_PRIOR:
        return Key::PageUp;
    case VK_F5:
        return Key::F5;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_RETURN:
        return Key::Enter;
    case VK_OEM_COMMA:
        return Key::Comma;
    default:
        return Key::Other;
    }
}

bool isHeld(int virtualKey)
{
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

KeyPress pressOf(const MSG &message)
{
    const bool others = isHeld(VK_SHIFT) || isHeld(VK_MENU) || isHeld(VK_LWIN) || isHeld(VK_RWIN);
    const bool control = isHeld(VK_CONTROL);
    return {keyOf(message.wParam), others || control, control && !others};
}

// A key comes as a system key when no control has the focus, as after the focused button was
// disabled; Alt held with it counts as a modifier either way.
bool isKeyPress(const MSG &message)
{
    return message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
}

// An open combo box list takes the keys, as a list in a window of its own would: Enter and Escape
// close it, arrows move in it.
bool isListOpen(HWND focus)
{
    for (HWND hwnd = focus; hwnd != nullptr; hwnd = GetParent(hwnd)) {
        const Control::Native *const control = controlOf(hwnd);
        if (control != nullptr)
            return control->kind == Control::Native::Kind::ComboBox &&
                   SendMessageW(hwnd, CB_GETDROPPEDSTATE, 0, 0) != 0;
    }
    return false;
}

bool previewed(const MSG &message, Window::Native &window)
{
    return isKeyPress(message) && !isListOpen(message.hwnd) &&
           window.owner.previewKey(pressOf(message));
}

// F11 switches full screen on and off wherever the focus is; a key held down switches once.
bool switchedFullScreen(const MSG &message, Window::Native &window)
{
    if (!isKeyPress(message) || message.wParam != VK_F11 || pressOf(message).withModifiers)
        return false;
    if ((message.lParam & (1 << 30)) == 0)
        toggleFullScreen(window);
    return true;
}
} // namespace

// Keys in other windows, such as an open drop-down list, are left alone.
void handleMessage(MSG &message)
{
    guarded([&] {
        const HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        Window::Native *const window = windowOf(root);
        if (window != nullptr &&
            (switchedFullScreen(message, *window) || previewed(message, *window)))
            return;
        if (window != nullptr && IsDialogMessageW(root, &message))
            return;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    });
}
