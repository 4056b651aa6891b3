// The members every control has, on its child window.
#include "platform/control.h"

#include "platform/win32/controlaccessible.h"
#include "platform/win32/displayscale.h"
#include "platform/win32/fonts.h"
#include "platform/win32/natives.h"
#include "platform/win32/surfaceimage.h"
#include "platform/win32/win32text.h"

namespace {
// Command identifiers start above those the dialog keys send (IDOK, IDCANCEL and their kin).
int nextIdentifier()
{
    static int identifier = 100;
    return identifier++;
}

bool isNamedByText(Control::Native::Kind kind)
{
    return kind == Control::Native::Kind::CheckBox || kind == Control::Native::Kind::Surface;
}
} // namespace

Control::Native::Native(Window &window, Kind kind, const wchar_t *className, DWORD style,
                        DWORD extendedStyle)
    : window(window), kind(kind)
{
    hwnd = CreateWindowExW(extendedStyle, className, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                           window.native().hwnd, reinterpret_cast<HMENU>(INT_PTR(nextIdentifier())),
                           GetModuleHandleW(nullptr), nullptr);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    window.native().controls.push_back(this);
    serveAccessibleObject(*this);
    applyFont();
}

Control::Native::~Native()
{
    std::erase(window.native().controls, this);
    DestroyWindow(hwnd);
}

Font Control::Native::currentFont() const
{
    return font.value_or(window.native().font);
}

void Control::Native::applyFont()
{
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontHandle(currentFont())), TRUE);
}

void Control::Native::showName()
{
    SetWindowTextW(hwnd, wide(accessibleName.empty() ? caption : accessibleName));
}

Control::Native *controlOf(HWND hwnd)
{
    const HWND parent = GetParent(hwnd);
    if (parent == nullptr || windowOf(parent) == nullptr)
        return nullptr;
    return reinterpret_cast<Control::Native *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

Control::Control(std::unique_ptr<Native> native) : m_native(std::move(native)) {}

Control::~Control() = default;

Rect Control::geometry() const
{
    return m_native->geometry;
}

void Control::setGeometry(const Rect &geometry)
{
    m_native->geometry = geometry;
    const RECT place = deviceRect({double(geometry.left), double(geometry.top),
                                   double(geometry.width), double(geometry.height)});
    MoveWindow(m_native->hwnd, place.left, place.top, place.right - place.left,
               place.bottom - place.top, TRUE);
}

bool Control::isEnabled() const
{
    return IsWindowEnabled(m_native->hwnd) != FALSE;
}

// A disabled control cannot keep the focus; it passes on to the next in the tab order, as it
// does in a dialog, so that the keyboard still reaches the window.
void Control::setEnabled(bool enabled)
{
    const HWND hwnd = m_native->hwnd;
    if (!enabled && hasFocus()) {
        const HWND next = GetNextDlgTabItem(GetParent(hwnd), hwnd, FALSE);
        SetFocus(next != nullptr && next != hwnd ? next : GetParent(hwnd));
    }
    EnableWindow(hwnd, enabled);
}

Font Control::font() const
{
    return m_native->currentFont();
}

void Control::setFont(const Font &font)
{
    m_native->font = font;
    m_native->applyFont();
}

// A combo box's focus is in its edit field, a child of its own.
bool Control::hasFocus() const
{
    const HWND focus = GetFocus();
    return focus != nullptr && (focus == m_native->hwnd || IsChild(m_native->hwnd, focus));
}

void Control::setFocus()
{
    m_native->window.native().lastFocus = m_native->hwnd;
    SetFocus(m_native->hwnd);
}

std::u16string Control::accessibleName() const
{
    return m_native->accessibleName;
}

// Screen readers read a check box or a surface by its window text; the other controls show
// their content or caption there, which is their name.
void Control::setAccessibleName(const std::u16string &name)
{
    m_native->accessibleName = name;
    if (isNamedByText(m_native->kind))
        m_native->showName();
}
