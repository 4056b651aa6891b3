// The message about the opening problem, in a message box over the window.
#include "platform/opening.h"

#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

#include <windows.h>

// Not read yet: the edition opens today's lesson.
std::u16string openingText()
{
    return {};
}

void showMessage(const Window &window, const std::u16string &text)
{
    MessageBoxW(window.native().hwnd, wide(text), L"tavilo", MB_OK | MB_ICONWARNING);
}
