// The MSAA object of a control, and its window's answer to WM_GETOBJECT.
#include "platform/win32/controlaccessible.h"

#include "platform/win32/accessibilityids.h"
#include "platform/win32/natives.h"

#include <commctrl.h>

#include <new>

namespace {
bool isSelf(const VARIANT &child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT giveText(const std::u16string &text, BSTR *out)
{
    *out = SysAllocStringLen(reinterpret_cast<const OLECHAR *>(text.data()), UINT(text.size()));
    return *out != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT giveNumber(LONG number, VARIANT *out)
{
    out->vt = VT_I4;
    out->lVal = number;
    return S_OK;
}

HRESULT giveNothing(VARIANT *out)
{
    out->vt = VT_EMPTY;
    return S_FALSE;
}

HRESULT giveNothing(BSTR *out)
{
    *out = nullptr;
    return S_FALSE;
}

// What the button and the check box do when pressed; a screen reader offers it by this name.
const std::u16string pressAction = u"押す";

LRESULT CALLBACK answerObjectRequest(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR control)
{
    if (message == WM_GETOBJECT && LONG(DWORD(lParam)) == OBJID_CLIENT) {
        auto *const object = new (std::nothrow) ControlAccessible(reinterpret_cast<HWND>(control));
        if (object != nullptr) {
            const LRESULT result = LresultFromObject(accessibleInterface, wParam, object);
            object->Release();
            return result;
        }
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, answerObjectRequest, 0);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
} // namespace

template <typename Answer>
HRESULT ControlAccessible::withFacts(const VARIANT &child, Answer answer) const
{
    if (!isSelf(child))
        return E_INVALIDARG;
    const Control::Native *const control = controlOf(m_control);
    if (control == nullptr || control->owner == nullptr)
        return RPC_E_DISCONNECTED;
    try {
        return answer(accessibleFacts(*control));
    } catch (const std::bad_alloc &) {
        return E_OUTOFMEMORY;
    }
}

HRESULT ControlAccessible::QueryInterface(REFIID requested, void **object)
{
    if (object == nullptr)
        return E_POINTER;
    if (requested == unknownInterface || requested == dispatchInterface ||
        requested == accessibleInterface) {
        *object = static_cast<IAccessible *>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ControlAccessible::AddRef()
{
    return ULONG(InterlockedIncrement(&m_references));
}

ULONG ControlAccessible::Release()
{
    const LONG references = InterlockedDecrement(&m_references);
    if (references == 0)
        delete this;
    return ULONG(references);
}

// Screen readers call IAccessible's members directly; nothing goes through IDispatch.
HRESULT ControlAccessible::GetTypeInfoCount(UINT *count)
{
    *count = 0;
    return S_OK;
}

HRESULT ControlAccessible::GetTypeInfo(UINT, LCID, ITypeInfo **)
{
    return E_NOTIMPL;
}

HRESULT ControlAccessible::GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *)
{
    return E_NOTIMPL;
}

HRESULT ControlAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *, EXCEPINFO *,
                                  UINT *)
{
    return E_NOTIMPL;
}

// The window object that Windows makes for every window holds the control's client object.
HRESULT ControlAccessible::get_accParent(IDispatch **parent)
{
    return AccessibleObjectFromWindow(m_control, DWORD(OBJID_WINDOW), dispatchInterface,
                                      reinterpret_cast<void **>(parent));
}

HRESULT ControlAccessible::get_accChildCount(LONG *count)
{
    *count = 0;
    return S_OK;
}

HRESULT ControlAccessible::get_accChild(VARIANT, IDispatch **object)
{
    *object = nullptr;
    return E_INVALIDARG;
}

HRESULT ControlAccessible::get_accName(VARIANT child, BSTR *name)
{
    return withFacts(child,
                     [name](const AccessibleFacts &facts) { return giveText(facts.name, name); });
}

HRESULT ControlAccessible::get_accValue(VARIANT child, BSTR *value)
{
    return withFacts(child, [value](const AccessibleFacts &facts) {
        if (!facts.value) {
            *value = nullptr;
            return DISP_E_MEMBERNOTFOUND;
        }
        return giveText(*facts.value, value);
    });
}

HRESULT ControlAccessible::get_accDescription(VARIANT child, BSTR *description)
{
    return withFacts(child, [description](const AccessibleFacts &facts) {
        if (facts.description.empty())
            return giveNothing(description);
        return giveText(facts.description, description);
    });
}

HRESULT ControlAccessible::get_accRole(VARIANT child, VARIANT *role)
{
    return withFacts(child,
                     [role](const AccessibleFacts &facts) { return giveNumber(facts.role, role); });
}

HRESULT ControlAccessible::get_accState(VARIANT child, VARIANT *state)
{
    return withFacts(
        child, [state](const AccessibleFacts &facts) { return giveNumber(facts.state, state); });
}

HRESULT ControlAccessible::get_accHelp(VARIANT, BSTR *help)
{
    return giveNothing(help);
}

HRESULT ControlAccessible::get_accHelpTopic(BSTR *file, VARIANT, LONG *topic)
{
    *topic = -1;
    return giveNothing(file);
}

// No caption has an accelerator.
HRESULT ControlAccessible::get_accKeyboardShortcut(VARIANT, BSTR *shortcut)
{
    return giveNothing(shortcut);
}

HRESULT ControlAccessible::get_accFocus(VARIANT *focus)
{
    const HWND focused = GetFocus();
    if (focused != nullptr && (focused == m_control || IsChild(m_control, focused)))
        return giveNumber(CHILDID_SELF, focus);
    return giveNothing(focus);
}

HRESULT ControlAccessible::get_accSelection(VARIANT *selection)
{
    return giveNothing(selection);
}

HRESULT ControlAccessible::get_accDefaultAction(VARIANT child, BSTR *action)
{
    return withFacts(child, [action](const AccessibleFacts &facts) {
        if (!facts.clicks)
            return giveNothing(action);
        return giveText(pressAction, action);
    });
}

HRESULT ControlAccessible::accSelect(LONG flags, VARIANT child)
{
    if (!isSelf(child))
        return E_INVALIDARG;
    if ((flags & SELFLAG_TAKEFOCUS) == 0)
        return DISP_E_MEMBERNOTFOUND;
    SetFocus(m_control);
    return S_OK;
}

HRESULT ControlAccessible::accLocation(LONG *left, LONG *top, LONG *width, LONG *height,
                                       VARIANT child)
{
    if (!isSelf(child))
        return E_INVALIDARG;
    RECT place;
    if (!GetWindowRect(m_control, &place))
        return RPC_E_DISCONNECTED;
    *left = place.left;
    *top = place.top;
    *width = place.right - place.left;
    *height = place.bottom - place.top;
    return S_OK;
}

// The controls are windows: a screen reader moves between them through the window objects.
HRESULT ControlAccessible::accNavigate(LONG, VARIANT, VARIANT *end)
{
    return giveNothing(end);
}

HRESULT ControlAccessible::accHitTest(LONG x, LONG y, VARIANT *child)
{
    RECT place;
    if (!GetWindowRect(m_control, &place))
        return RPC_E_DISCONNECTED;
    if (!PtInRect(&place, POINT{x, y}))
        return giveNothing(child);
    return giveNumber(CHILDID_SELF, child);
}

// Posted, not run here: a click may start a walk, which must not hold the screen reader's call.
HRESULT ControlAccessible::accDoDefaultAction(VARIANT child)
{
    return withFacts(child, [this](const AccessibleFacts &facts) {
        if (!facts.clicks)
            return DISP_E_MEMBERNOTFOUND;
        if ((facts.state & STATE_SYSTEM_UNAVAILABLE) == 0)
            PostMessageW(m_control, BM_CLICK, 0, 0);
        return S_OK;
    });
}

HRESULT ControlAccessible::put_accName(VARIANT, BSTR)
{
    return DISP_E_MEMBERNOTFOUND;
}

HRESULT ControlAccessible::put_accValue(VARIANT, BSTR)
{
    return DISP_E_MEMBERNOTFOUND;
}

void serveAccessibleObject(const Control::Native &control)
{
    const auto data = reinterpret_cast<DWORD_PTR>(control.hwnd);
    SetWindowSubclass(control.hwnd, answerObjectRequest, 0, data);
    COMBOBOXINFO combo{};
    combo.cbSize = sizeof(combo);
    if (control.kind == Control::Native::Kind::ComboBox && GetComboBoxInfo(control.hwnd, &combo) &&
        combo.hwndItem != nullptr)
        SetWindowSubclass(combo.hwndItem, answerObjectRequest, 0, data);
}
