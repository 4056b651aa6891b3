// The program's window on a top-level Win32 window.
#include "platform/window.h"

#include "platform/control.h"
#include "platform/win32/displayscale.h"
#include "platform/win32/fonts.h"
#include "platform/win32/formwindow.h"
#include "platform/win32/liveregion.h"
#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

#include <cmath>

namespace {
// An ordinary resizable frame; the layout fits its client area (Window::refit), the window's
// colour showing beyond it. The window is a control parent, so that the dialog keys move through
// its controls.
constexpr DWORD frameStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
constexpr DWORD frameExtendedStyle = WS_EX_CONTROLPARENT;
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
    const double scale = m_native->dpiScale;
    const RECT frame = frameAround({int(std::lround(m_layoutSize.width * scale)),
                                    int(std::lround(m_layoutSize.height * scale))},
                                   frameStyle, frameExtendedStyle, scale);
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

void Window::announce(const std::u16string &text)
{
    m_native->liveRegion->announce(text);
}

// Everything is shown again at the new scale; the fonts of other scales are let go.
void Window::applyFit()
{
    setDeviceScale(m_fit.scale);
    for (Control::Native *control : m_native->controls)
        control->owner->showAtFit();
    keepOnlyFontsAtScale();
    InvalidateRect(m_native->hwnd, nullptr, TRUE);
}
