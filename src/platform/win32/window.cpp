// The program's window on a top-level Win32 window.
#include "platform/window.h"

#include "platform/control.h"
#include "platform/win32/contextmenu.h"
#include "platform/win32/displayscale.h"
#include "platform/win32/formwindow.h"
#include "platform/win32/liveregion.h"
#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

#include <algorithm>
#include <cmath>

namespace {
// An ordinary resizable frame; the layout fits its client area (Window::refit), the window's
// colour showing beyond it. The window is a control parent, so that the dialog keys move through
// its controls.
constexpr DWORD frameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD frameExtendedStyle = WS_EX_CONTROLPARENT;
// A window shown modal to another: a caption with the close box and a sizing border, no boxes to
// minimise or maximise it. Owned by the other, it has no button of its own in the taskbar.
constexpr DWORD modalStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;

// The frame around the layout's own size at a display scale, in the window's styles now.
RECT frameForLayout(HWND hwnd, Size layout, double scale)
{
    return frameAround(
        {int(std::lround(layout.width * scale)), int(std::lround(layout.height * scale))},
        DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE)), DWORD(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)),
        scale);
}

void becomeOwnedBy(HWND hwnd, HWND owner)
{
    if (GetWindow(hwnd, GW_OWNER) == owner)
        return;
    SetWindowLongPtrW(hwnd, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    SetWindowLongPtrW(hwnd, GWL_STYLE, modalStyle);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

// Centred over the owner, and no larger than the work area of the owner's monitor, so that the
// whole window is on the screen; the layout fits whatever size that leaves.
RECT placeOver(HWND owner, RECT frame)
{
    RECT ownerFrame;
    GetWindowRect(owner, &ownerFrame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT &work = monitor.rcWork;
    const LONG width = std::min(frame.right - frame.left, work.right - work.left);
    const LONG height = std::min(frame.bottom - frame.top, work.bottom - work.top);
    const LONG left =
        std::clamp((ownerFrame.left + ownerFrame.right - width) / 2, work.left, work.right - width);
    const LONG top = std::clamp((ownerFrame.top + ownerFrame.bottom - height) / 2, work.top,
                                work.bottom - height);
    return {left, top, left + width, top + height};
}

// The owner's focused control, before the owner is disabled and loses the focus, so that the
// owner's activation gives it back.
void keepOwnersFocus(Window::Native &owner)
{
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(owner.hwnd, focus))
        owner.lastFocus = focus;
}
} // namespace

Window::Native::Native(Window &window) : owner(window)
{
    hwnd = CreateWindowExW(frameExtendedStyle, formWindowClass(), L"", frameStyle, CW_USEDEFAULT,
                           CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    liveRegion = std::make_unique<LiveRegion>(hwnd);
    dpiScale = ::dpiScale(hwnd);
}

Window::Native::~Native()
{
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
    if (contextMenu != nullptr)
        DestroyMenu(contextMenu);
}

// Until the layout has a size, it is at the display's scale.
Window::Window() : m_native(std::make_unique<Native>(*this))
{
    refit({}, m_native->dpiScale);
}

void fitToClientArea(Window::Native &window)
{
    RECT client;
    GetClientRect(window.hwnd, &client);
    if (client.right > 0 && client.bottom > 0)
        window.owner.refit({client.right, client.bottom}, window.dpiScale);
}

// Full screen has no frame and covers the monitor the window is on; the frame comes back with
// its place, maximised or not.
void toggleFullScreen(Window::Native &window)
{
    const HWND hwnd = window.hwnd;
    if (!window.fullScreen) {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        window.framedPlacement.length = sizeof(WINDOWPLACEMENT);
        if (!GetWindowPlacement(hwnd, &window.framedPlacement) ||
            !GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor))
            return;
        window.framedStyle = GetWindowLongPtrW(hwnd, GWL_STYLE);
        window.fullScreen = true;
        SetWindowLongPtrW(hwnd, GWL_STYLE, (window.framedStyle & ~WS_OVERLAPPEDWINDOW) | WS_POPUP);
        const RECT &area = monitor.rcMonitor;
        SetWindowPos(hwnd, HWND_TOP, area.left, area.top, area.right - area.left,
                     area.bottom - area.top, SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    } else {
        window.fullScreen = false;
        SetWindowLongPtrW(hwnd, GWL_STYLE, window.framedStyle);
        SetWindowPlacement(hwnd, &window.framedPlacement);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOOWNERZORDER | SWP_FRAMECHANGED);
    }
    fitToClientArea(window);
}

Window::~Window() = default;

void Window::applyCaption()
{
    SetWindowTextW(m_native->hwnd, wide(m_caption));
}

// The layout's own size at the display's scale, whatever the fit before.
void Window::applyClientSize()
{
    const RECT frame = frameForLayout(m_native->hwnd, m_layoutSize, m_native->dpiScale);
    SetWindowPos(m_native->hwnd, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window's procedure paints the background from the colour kept here.
void Window::applyBackColor()
{
    InvalidateRect(m_native->hwnd, nullptr, TRUE);
}

// Each control that has no font of its own shows the window's.
void Window::applyFont()
{
    for (Control::Native *control : m_native->controls)
        if (control->owner->font() == m_font)
            control->showFont(m_font);
}

// The dialog keys follow the order of the child windows, so the tab order is their order.
void Window::applyTabOrder(const std::vector<Control *> &order)
{
    HWND previous = HWND_TOP;
    for (Control *control : order) {
        const HWND hwnd = control->native().hwnd;
        SetWindowPos(hwnd, previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = hwnd;
    }
}

void Window::show()
{
    ShowWindow(m_native->hwnd, SW_SHOWNORMAL);
    UpdateWindow(m_native->hwnd);
}

// As a dialog box is shown: the owner disabled first, then the window shown and activated. Each
// time at the layout's own size at the owner's display scale, over the owner, on its monitor.
void Window::showModal(Window &owner)
{
    Native &native = *m_native;
    const HWND ownerHwnd = owner.native().hwnd;
    becomeOwnedBy(native.hwnd, ownerHwnd);
    native.dpiScale = owner.native().dpiScale;
    const RECT place =
        placeOver(ownerHwnd, frameForLayout(native.hwnd, m_layoutSize, native.dpiScale));
    SetWindowPos(native.hwnd, HWND_TOP, place.left, place.top, place.right - place.left,
                 place.bottom - place.top, SWP_NOACTIVATE);
    fitToClientArea(native);
    keepOwnersFocus(owner.native());
    EnableWindow(ownerHwnd, FALSE);
    ShowWindow(native.hwnd, SW_SHOW);
    SetActiveWindow(native.hwnd);
}

// The owner is enabled before the window goes, so that Windows activates the owner, not another
// program's window.
void Window::hide()
{
    if (const HWND owner = GetWindow(m_native->hwnd, GW_OWNER))
        EnableWindow(owner, TRUE);
    ShowWindow(m_native->hwnd, SW_HIDE);
}

void Window::applyContextMenu()
{
    if (m_native->contextMenu != nullptr)
        DestroyMenu(m_native->contextMenu);
    m_native->contextMenu = makeContextMenu(m_contextMenu);
}

void Window::announce(const std::u16string &text)
{
    m_native->liveRegion->announce(text);
}

// Everything is shown again at the new scale; the fonts of other scales are let go.
void Window::applyFit()
{
    for (Control::Native *control : m_native->controls)
        control->owner->showAtFit();
    m_native->fonts.keepOnlyAt(m_fit.scale);
    InvalidateRect(m_native->hwnd, nullptr, TRUE);
}
