#include "platform/win32/checkboxface.h"

#include "platform/win32/brushes.h"
#include "platform/win32/displayscale.h"

#include <algorithm>
#include <cmath>

namespace {
// The visual styles' functions, from uxtheme.dll where it is there; not linked, so that the
// program starts where it is not.
using OpenTheme = HANDLE(WINAPI *)(HWND, LPCWSTR);
using OpenThemeForDpi = HANDLE(WINAPI *)(HWND, LPCWSTR, UINT);
using CloseTheme = HRESULT(WINAPI *)(HANDLE);
using DrawThemePart = HRESULT(WINAPI *)(HANDLE, HDC, int, int, const RECT *, const RECT *);
using ThemePartSize = HRESULT(WINAPI *)(HANDLE, HDC, int, int, const RECT *, int, SIZE *);

struct Themes
{
    OpenTheme open = nullptr;
    OpenThemeForDpi openForDpi = nullptr;
    CloseTheme close = nullptr;
    DrawThemePart draw = nullptr;
    ThemePartSize partSize = nullptr;

    // The button class's visual style at a layout scale, or nullptr. Opened for no window:
    // opened for the check box, it would become the one the system draws the box with.
    HANDLE buttonTheme(double scale) const
    {
        if (openForDpi != nullptr)
            return openForDpi(nullptr, L"Button", UINT(std::lround(96 * scale)));
        return open != nullptr ? open(nullptr, L"Button") : nullptr;
    }
};

// Wine's visual styles (Wine 8) keep one set of a class's images for every dots per inch: the
// square opened here at another scale would be the one the system then draws at the scale 1. The
// classic square is drawn there instead.
bool underWine()
{
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

const Themes &themes()
{
    static const Themes functions = [] {
        Themes loaded;
        if (underWine())
            return loaded;
        if (const HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll")) {
            const auto function = [&](const char *name) {
                return reinterpret_cast<void (*)()>(GetProcAddress(uxtheme, name));
            };
            loaded.open = reinterpret_cast<OpenTheme>(function("OpenThemeData"));
            loaded.openForDpi = reinterpret_cast<OpenThemeForDpi>(function("OpenThemeDataForDpi"));
            loaded.close = reinterpret_cast<CloseTheme>(function("CloseThemeData"));
            loaded.draw = reinterpret_cast<DrawThemePart>(function("DrawThemeBackground"));
            loaded.partSize = reinterpret_cast<ThemePartSize>(function("GetThemePartSize"));
        }
        return loaded;
    }();
    return functions;
}

// The visual style's part and states of a check box (vsstyle.h): BP_CHECKBOX, then
// CBS_UNCHECKEDNORMAL and on; each of unchecked, checked and mixed has normal, hot, pressed
// and disabled.
constexpr int checkBoxPart = 3;

int themeState(UINT itemState, LRESULT buttonState)
{
    const int checked = (buttonState & BST_CHECKED) != 0         ? 1
                        : (buttonState & BST_INDETERMINATE) != 0 ? 2
                                                                 : 0;
    const int look = (itemState & CDIS_DISABLED) != 0   ? 3
                     : (itemState & CDIS_SELECTED) != 0 ? 2
                     : (itemState & CDIS_HOT) != 0      ? 1
                                                        : 0;
    return 1 + 4 * checked + look;
}

// The visual style draws its square at its own size for the scale's dots per inch, which is the
// square's scaled size where the style has an image for it (the styles of Windows 10 and later).
// Where its square is smaller, the classic one is drawn, which takes any size.
void drawSquare(HWND box, HDC dc, const RECT &square, UINT itemState, double scale)
{
    const LRESULT state = SendMessageW(box, BM_GETSTATE, 0, 0);
    const Themes &functions = themes();
    if (functions.draw != nullptr && functions.close != nullptr && functions.partSize != nullptr)
        if (const HANDLE theme = functions.buttonTheme(scale)) {
            const int stateId = themeState(itemState, state);
            SIZE own{};
            const bool fits = SUCCEEDED(functions.partSize(theme, dc, checkBoxPart, stateId,
                                                           nullptr, 1 /* TS_TRUE */, &own)) &&
                              own.cx * 4 >= (square.right - square.left) * 3;
            if (fits)
                functions.draw(theme, dc, checkBoxPart, stateId, &square, nullptr);
            functions.close(theme);
            if (fits)
                return;
        }
    UINT flags = DFCS_BUTTONCHECK;
    if ((state & BST_CHECKED) != 0)
        flags |= DFCS_CHECKED;
    if ((state & BST_INDETERMINATE) != 0)
        flags |= DFCS_BUTTON3STATE | DFCS_CHECKED;
    if ((itemState & CDIS_SELECTED) != 0)
        flags |= DFCS_PUSHED;
    if ((itemState & CDIS_DISABLED) != 0)
        flags |= DFCS_INACTIVE;
    RECT rect = square;
    DrawFrameControl(dc, &rect, DFC_BUTTON, flags);
}
} // namespace

LRESULT drawCheckBoxFace(const Window &window, const NMCUSTOMDRAW &draw)
{
    const double scale = window.fit().scale;
    if (scale == 1 || draw.dwDrawStage != CDDS_PREPAINT)
        return CDRF_DODEFAULT;
    const HWND box = draw.hdr.hwndFrom;
    RECT client;
    GetClientRect(box, &client);
    FillRect(draw.hdc, &client, solidBrush(window.backColor()));
    // The system's square is 13 pixels at 96 dots per inch.
    const int side = std::max(1, devicePixels(13, scale));
    const int top = (client.bottom - side) / 2;
    drawSquare(box, draw.hdc, {0, top, side, top + side}, draw.uItemState, scale);
    const LRESULT cues = SendMessageW(box, WM_QUERYUISTATE, 0, 0);
    if ((draw.uItemState & CDIS_FOCUS) != 0 && (cues & UISF_HIDEFOCUS) == 0) {
        RECT focus{side + devicePixels(3, scale), std::max<LONG>(0, top - devicePixels(1, scale)),
                   client.right,
                   std::min<LONG>(client.bottom, top + side + devicePixels(1, scale))};
        if (focus.left < focus.right)
            DrawFocusRect(draw.hdc, &focus);
    }
    return CDRF_SKIPDEFAULT;
}
