#include "platform/win32/displayscale.h"

#include <algorithm>
#include <cmath>

namespace {
using DpiForWindow = UINT(WINAPI *)(HWND);
using DpiForSystem = UINT(WINAPI *)();
using AdjustForDpi = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);

// A function of user32 that older Windows lacks, or nullptr; through the generic function type,
// which converts to any other without a warning.
template <typename Function> Function user32Function(const char *name)
{
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

// Windows 10 has the calls; older systems give the system's figure through the screen's device
// context.
int systemDpi()
{
    if (const auto dpiForSystem = user32Function<DpiForSystem>("GetDpiForSystem"))
        return int(dpiForSystem());
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}

double scaleOf(int dpi)
{
    return std::max(dpi, 96) / 96.0;
}
} // namespace

double dpiScale(HWND window)
{
    static const auto dpiForWindow = user32Function<DpiForWindow>("GetDpiForWindow");
    if (dpiForWindow != nullptr && window != nullptr)
        if (const UINT dpi = dpiForWindow(window); dpi != 0)
            return scaleOf(int(dpi));
    return scaleOf(systemDpi());
}

RECT frameAround(Size client, DWORD style, DWORD extendedStyle, double scale)
{
    RECT frame{0, 0, client.width, client.height};
    static const auto adjustForDpi = user32Function<AdjustForDpi>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr)
        adjustForDpi(&frame, style, FALSE, extendedStyle, UINT(std::lround(scale * 96)));
    else
        AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
    return frame;
}

int devicePixels(double logical, double scale)
{
    return int(std::lround(logical * scale));
}

RECT deviceRect(const RectF &logical, double scale)
{
    return {devicePixels(logical.left, scale), devicePixels(logical.top, scale),
            devicePixels(logical.right(), scale), devicePixels(logical.bottom(), scale)};
}
