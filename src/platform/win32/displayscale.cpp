#include "platform/win32/displayscale.h"

#include <algorithm>
#include <cmath>

namespace {
using DpiForSystem = UINT(WINAPI *)();

// Windows 10 has the call; older systems give the same figure through the screen's device
// context.
int systemDpi()
{
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    // Through the generic function type, which converts to any other without a warning.
    const auto dpiForSystem = reinterpret_cast<DpiForSystem>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "GetDpiForSystem")));
    if (dpiForSystem != nullptr)
        return int(dpiForSystem());
    const HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi;
}
} // namespace

double displayScale()
{
    static const double scale = std::max(systemDpi(), 96) / 96.0;
    return scale;
}

int devicePixels(double logical)
{
    return int(std::lround(logical * displayScale()));
}

RECT deviceRect(const RectF &logical)
{
    return {devicePixels(logical.left), devicePixels(logical.top), devicePixels(logical.right()),
            devicePixels(logical.bottom())};
}
