// The MSAA object of a control's child window, which the window gives screen readers itself.
#pragma once

#include "platform/win32/accessiblefacts.h"

#include <windows.h>

#include <oleacc.h>

// Windows' own proxies know the standard controls only by their window classes, and Wine's give
// every one the client role; this object says what the program's control is. It holds only the
// control's window and reads the control afresh at every call, so that a screen reader holding
// it after the window is gone gets an error, not a dangling control.
class ControlAccessible final : public IAccessible
{
public:
    explicit ControlAccessible(HWND control) : m_control(control) {}
    virtual ~ControlAccessible() = default;
    ControlAccessible(const ControlAccessible &) = delete;
    ControlAccessible &operator=(const ControlAccessible &) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID requested, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo **) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR *, UINT, LCID, DISPID *) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS *, VARIANT *,
                                     EXCEPINFO *, UINT *) override;

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG *count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, LONG *topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *focus) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *selection) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override;
    HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(LONG *left, LONG *top, LONG *width, LONG *height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT *end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT *child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    // Answers from the control's facts now, for the object itself, the only child id it has: an
    // error for any other child id and once the control's window is gone.
    template <typename Answer> HRESULT withFacts(const VARIANT &child, Answer answer) const;

    LONG m_references = 1;
    HWND m_control;
};

// Has the control's window, and a combo box's edit field, answer a screen reader's request for
// its object with the control's own.
void serveAccessibleObject(const Control::Native &control);
