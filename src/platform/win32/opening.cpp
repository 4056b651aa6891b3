// The problem the edition is opened with, from its command line, and the message about it.
#include "platform/opening.h"

#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

#include <memory>

#include <shellapi.h>
#include <windows.h>

// The arguments after the program's name, split as Windows splits them for every program, so
// that a link in quotes is one argument; several are joined with blanks.
std::u16string openingText()
{
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> arguments(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    std::u16string text;
    for (int i = 1; arguments && i < count; ++i) {
        if (i > 1)
            text += u' ';
        text += reinterpret_cast<const char16_t *>(arguments.get()[i]);
    }
    return text;
}

void showMessage(const Window &window, const std::u16string &text)
{
    MessageBoxW(window.native().hwnd, wide(text), L"tavilo", MB_OK | MB_ICONWARNING);
}

// The text itself is what the command line takes.
std::u16string problemLink(const std::u16string &problemText)
{
    return problemText;
}

// A desktop edition opens on what its command line gives; there is no address to keep.
void keepProblem(const std::u16string &) {}
