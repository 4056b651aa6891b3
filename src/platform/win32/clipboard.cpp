// The clipboard, as Windows keeps it: Unicode text in global memory.
#include "platform/clipboard.h"

#include <windows.h>

#include <cstring>

namespace {
// The clipboard's owner: a message-only window for the program's life, whichever window is
// active, since a clipboard opened for no window cannot be written to.
HWND clipboardOwner()
{
    static const HWND owner = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                              nullptr, GetModuleHandleW(nullptr), nullptr);
    return owner;
}

// Another program may hold the clipboard for a moment.
bool openClipboard()
{
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(clipboardOwner()))
            return true;
        Sleep(20);
    }
    return false;
}

// The text and its terminating null, in memory the clipboard can own.
HGLOBAL globalCopy(const std::u16string &text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(char16_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory == nullptr)
        return nullptr;
    void *const target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(target, text.c_str(), bytes);
    GlobalUnlock(memory);
    return memory;
}

// The clipboard owns the memory once it has taken it.
bool putOnClipboard(HGLOBAL memory)
{
    if (!openClipboard())
        return false;
    const bool taken = EmptyClipboard() && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return taken;
}
} // namespace

// Where the clipboard stays busy or memory runs out, nothing is copied, and the warning sound
// says so: the user would otherwise paste what was there before.
void copyToClipboard(const std::u16string &text)
{
    const HGLOBAL memory = globalCopy(text);
    if (memory != nullptr && putOnClipboard(memory))
        return;
    if (memory != nullptr)
        GlobalFree(memory);
    MessageBeep(MB_ICONWARNING);
}
