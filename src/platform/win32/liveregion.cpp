// The live region: what is to be said, gathered, and said once the messages are handled.
#include "platform/win32/liveregion.h"

#include "platform/win32/accessibilityids.h"
#include "platform/win32/errorreport.h"
#include "platform/win32/win32text.h"

#include <commctrl.h>
#include <oleacc.h>

namespace {
// Asks the region to say what has gathered, once the window's pending messages are handled.
constexpr UINT speakMessage = WM_APP;

// Windows before 8 know no live setting and refuse it; they still send the event on.
void markPolite(HWND hwnd)
{
    IAccPropServices *services = nullptr;
    if (FAILED(CoCreateInstance(propertyServicesClass, nullptr, CLSCTX_INPROC_SERVER,
                                propertyServicesInterface, reinterpret_cast<void **>(&services))))
        return;
    VARIANT setting;
    setting.vt = VT_I4;
    setting.lVal = politeLiveSetting;
    services->SetHwndProp(hwnd, DWORD(OBJID_CLIENT), CHILDID_SELF, liveSettingProperty, setting);
    services->Release();
}
} // namespace

LiveRegion::LiveRegion(HWND window)
{
    m_hwnd = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0,
                             1, 1, window, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(m_hwnd, procedure, 0, reinterpret_cast<DWORD_PTR>(this));
    markPolite(m_hwnd);
}

void LiveRegion::announce(const std::u16string &text)
{
    if (accepts(text))
        m_pending.announce(text);
}

void LiveRegion::describeChange(HWND surface, const std::u16string &description)
{
    if (accepts(description))
        m_pending.describe(surface, description);
}

// Nothing is said before the window is shown: the screen reader reads the window then.
bool LiveRegion::accepts(const std::u16string &text)
{
    if (!IsWindowVisible(GetParent(m_hwnd)) || text.empty())
        return false;
    if (m_pending.isEmpty())
        PostMessageW(m_hwnd, speakMessage, 0, 0);
    return true;
}

void LiveRegion::speak()
{
    const std::u16string said = PendingNotification::joined(m_pending.take());
    if (said.empty())
        return;
    SetWindowTextW(m_hwnd, wide(said));
    NotifyWinEvent(liveRegionChangedEvent, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
}

LRESULT CALLBACK LiveRegion::procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR self)
{
    if (message == speakMessage) {
        guarded([self] { reinterpret_cast<LiveRegion *>(self)->speak(); });
        return 0;
    }
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hwnd, procedure, 0);
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
