// The members every control has, on its child window.
#include "platform/control.h"

#include "platform/checkbox.h"
#include "platform/win32/contextmenu.h"
#include "platform/win32/controlaccessible.h"
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

// A new control has no font of its own: it takes the window's.
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
    if (kind == Kind::Edit || kind == Kind::ComboBox)
        passContextMenuOn(*this);
    showFont(window.font());
}

Control::Native::~Native()
{
    std::erase(window.native().controls, this);
    DestroyWindow(hwnd);
}

void Control::Native::showFont(const Font &font) const
{
    const HFONT handle = window.native().fonts.at(font, window.fit().scale);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(handle), TRUE);
}

Control::Native *controlOf(HWND hwnd)
{
    const HWND parent = GetParent(hwnd);
    if (parent == nullptr || windowOf(parent) == nullptr)
        return nullptr;
    return reinterpret_cast<Control::Native *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

void showName(const Control &control)
{
    const std::u16string &name = control.accessibleName();
    const bool isBox = control.native().kind == Control::Native::Kind::CheckBox;
    SetWindowTextW(
        control.native().hwnd,
        wide(name.empty() && isBox ? static_cast<const CheckBox &>(control).caption() : name));
}

Control::Control(Window &window, std::unique_ptr<Native> native)
    : m_window(window), m_native(std::move(native))
{
    m_native->owner = this;
}

Control::~Control() = default;

// The child window takes its place at the window's fit, in device pixels.
void Control::applyGeometry()
{
    const Rect place = m_window.fit().place(m_geometry);
    MoveWindow(m_native->hwnd, place.left, place.top, place.width, place.height, TRUE);
}

// A disabled control cannot keep the focus; it passes on to the next in the tab order, as it
// does in a dialog, so that the keyboard still reaches the window.
void Control::applyEnabled()
{
    const HWND hwnd = m_native->hwnd;
    if (!m_enabled && hasFocus()) {
        const HWND next = GetNextDlgTabItem(GetParent(hwnd), hwnd, FALSE);
        SetFocus(next != nullptr && next != hwnd ? next : GetParent(hwnd));
    }
    EnableWindow(hwnd, m_enabled);
}

void Control::applyFont()
{
    m_native->showFont(font());
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

// Screen readers read a check box or a surface by its window text; the other controls show
// their content or caption there, which is their name.
void Control::applyAccessibleName()
{
    if (isNamedByText(m_native->kind))
        showName(*this);
}
