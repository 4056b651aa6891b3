// The program's window on a top-level Win32 window.
#include "platform/window.h"

#include "platform/control.h"
#include "platform/win32/displayscale.h"
#include "platform/win32/formwindow.h"
#include "platform/win32/liveregion.h"
#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

namespace {
// An ordinary resizable frame; the layout keeps its place and size whatever the frame's, the
// window's colour showing beyond it. The window is a control parent, so that the dialog keys
// move through its controls.
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
}

Window::Native::~Native()
{
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

Window::Window() : m_native(std::make_unique<Native>(*this)) {}

Window::~Window() = default;

void Window::applyCaption()
{
    SetWindowTextW(m_native->hwnd, wide(m_caption));
}

void Window::applyClientSize()
{
    RECT frame{0, 0, devicePixels(m_layoutSize.width), devicePixels(m_layoutSize.height)};
    AdjustWindowRectEx(&frame, frameStyle, FALSE, frameExtendedStyle);
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

void Window::applyFit() {}
