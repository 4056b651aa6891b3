// What a screen reader is told of a control, from the shared control and its child window.
#include "platform/win32/accessiblefacts.h"

#include "platform/checkbox.h"
#include "platform/combobox.h"
#include "platform/commandbutton.h"
#include "platform/label.h"
#include "platform/picturebox.h"
#include "platform/textbox.h"
#include "platform/win32/natives.h"

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

LONG checkState(const Control &control)
{
    const auto *const box = dynamic_cast<const CheckBox *>(&control);
    if (box == nullptr)
        return 0;
    switch (box->value()) {
    case 0:
        return 0;
    case 1:
        return STATE_SYSTEM_CHECKED;
    default:
        return STATE_SYSTEM_MIXED;
    }
}

LONG stateOf(const Control::Native &native)
{
    const Control &control = *native.owner;
    LONG state = native.kind == Kind::Label ? STATE_SYSTEM_READONLY : STATE_SYSTEM_FOCUSABLE;
    if (control.hasFocus())
        state |= STATE_SYSTEM_FOCUSED;
    if (!control.isEnabled())
        state |= STATE_SYSTEM_UNAVAILABLE;
    if (!IsWindowVisible(native.hwnd))
        state |= STATE_SYSTEM_INVISIBLE;
    if (const auto *box = dynamic_cast<const TextBox *>(&control); box && box->isReadOnly())
        state |= STATE_SYSTEM_READONLY;
    return state | checkState(control);
}

// The name the program gave, else the caption; a label is named by its text.
std::u16string nameOf(const Control &control)
{
    if (!control.accessibleName().empty())
        return control.accessibleName();
    if (const auto *button = dynamic_cast<const CommandButton *>(&control))
        return button->caption();
    if (const auto *box = dynamic_cast<const CheckBox *>(&control))
        return box->caption();
    if (const auto *label = dynamic_cast<const Label *>(&control))
        return label->text();
    return {};
}

// Only the boxes that hold text have a value.
std::optional<std::u16string> valueOf(const Control &control)
{
    if (const auto *box = dynamic_cast<const TextBox *>(&control))
        return box->text();
    if (const auto *box = dynamic_cast<const ComboBox *>(&control))
        return box->text();
    return std::nullopt;
}
} // namespace

AccessibleFacts accessibleFacts(const Control::Native &native)
{
    const Control &control = *native.owner;
    AccessibleFacts facts;
    facts.name = nameOf(control);
    facts.role = roleOf(native.kind);
    facts.state = stateOf(native);
    facts.value = valueOf(control);
    if (const auto *surface = dynamic_cast<const PictureBox *>(&control))
        facts.description = surface->accessibleDescription();
    facts.clicks = dynamic_cast<const ClickableControl *>(&control) != nullptr;
    return facts;
}
