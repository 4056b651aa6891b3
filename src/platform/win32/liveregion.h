// What a screen reader is to speak wherever the focus is: a polite live region of the window.
#pragma once

#include "platform/shared/pendingnotification.h"

#include <windows.h>

#include <string>

// A static text one pixel large in the window's corner, in the window's own colour, marked
// polite through the accessibility property services; each announcement becomes its text and
// is raised with the live-region-changed event, which Narrator and NVDA read out whichever
// control has the focus. What is asked for in one go, until the window's messages are handled
// again, is said in one: the announcements in order, then the changed surface descriptions,
// each surface's latest, that they do not already say. Two in a row would have the second cut
// the first short.
class LiveRegion
{
public:
    explicit LiveRegion(HWND window);
    LiveRegion(const LiveRegion &) = delete;
    LiveRegion &operator=(const LiveRegion &) = delete;

    void announce(const std::u16string &text);
    void describeChange(HWND surface, const std::u16string &description);

private:
    static LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR, DWORD_PTR self);
    bool accepts(const std::u16string &text);
    void speak();

    HWND m_hwnd;
    PendingNotification m_pending;
};
