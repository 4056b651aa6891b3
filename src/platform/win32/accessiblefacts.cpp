#include "platform/win32/accessiblefacts.h"

#include "platform/picturebox.h"
#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

#include <oleacc.h>

namespace {
using Kind = Control::Native::Kind;

LONG roleOf(Kind kind)
{
    switch (kind) {
    case Kind::Button:
        return ROLE_SYSTEM_PUSHBUTTON;
    case Kind::CheckBox:
        return ROLE_SYSTEM_CHECKBUTTON;
    case Kind::Edit:
        return ROLE_SYSTEM_TEXT;
    case Kind::ComboBox:
        return ROLE_SYSTEM_COMBOBOX;
    case Kind::Label:
        return ROLE_SYSTEM_STATICTEXT;
    case Kind::Surface:
        return ROLE_SYSTEM_GRAPHIC;
    }
    return ROLE_SYSTEM_CLIENT;
}

// A combo box's focus is in its edit field, a child of its own.
bool hasFocus(HWND hwnd)
{
    const HWND focus = GetFocus();
    return focus != nullptr && (focus == hwnd || IsChild(hwnd, focus));
}

LONG checkState(HWND hwnd)
{
    switch (SendMessageW(hwnd, BM_GETCHECK, 0, 0)) {
    case BST_CHECKED:
        return STATE_SYSTEM_CHECKED;
    case BST_INDETERMINATE:
        return STATE_SYSTEM_MIXED;
    default:
        return 0;
    }
}

LONG stateOf(const Control::Native &control)
{
    const HWND hwnd = control.hwnd;
    LONG state = 0;
    if (control.kind == Kind::Label)
        state |= STATE_SYSTEM_READONLY;
    else
        state |= STATE_SYSTEM_FOCUSABLE;
    if (hasFocus(hwnd))
        state |= STATE_SYSTEM_FOCUSED;
    if (!IsWindowEnabled(hwnd))
        state |= STATE_SYSTEM_UNAVAILABLE;
    if (!IsWindowVisible(hwnd))
        state |= STATE_SYSTEM_INVISIBLE;
    if (control.kind == Kind::CheckBox)
        state |= checkState(hwnd);
    return state;
}

// The name the program gave, else the caption; a label is named by its text.
std::u16string nameOf(const Control::Native &control)
{
    if (!control.accessibleName.empty())
        return control.accessibleName;
    if (!control.caption.empty())
        return control.caption;
    return control.kind == Kind::Label ? windowText(control.hwnd) : std::u16string();
}
} // namespace

AccessibleFacts accessibleFacts(const Control::Native &control)
{
    AccessibleFacts facts;
    facts.name = nameOf(control);
    facts.role = roleOf(control.kind);
    facts.state = stateOf(control);
    if (control.kind == Kind::Edit || control.kind == Kind::ComboBox)
        facts.value = windowText(control.hwnd);
    if (control.surface != nullptr)
        facts.description = control.surface->accessibleDescription();
    facts.clicks = control.kind == Kind::Button || control.kind == Kind::CheckBox;
    return facts;
}
