// Handling pending messages, sleeping in the message queue until a message or a deadline.
#include "platform/eventdispatch.h"

#include "platform/application.h"
#include "platform/win32/messagepump.h"
#include "runtime/millisecondclock.h"

#include <windows.h>

#include <algorithm>

namespace {
// Handles the pending messages. The quit message comes only once the window is gone; a walk
// waiting here would go on unseen, so the program ends.
bool handlePending()
{
    bool handled = false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            endProgram(int(message.wParam));
        handleMessage(message);
        handled = true;
    }
    return handled;
}
} // namespace

void dispatchEvents(std::int64_t deadline)
{
    if (handlePending())
        return;
    const std::int64_t remaining = deadline - millisecondClock();
    if (remaining <= 0)
        return;
    // INFINITE is 0xffffffff; a longer wait is made of several.
    const auto timeout = DWORD(std::min<std::int64_t>(remaining, INFINITE - 1));
    MsgWaitForMultipleObjectsEx(0, nullptr, timeout, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    handlePending();
}
