#include "platform/win32/buttonface.h"

#include "platform/win32/brushes.h"
#include "platform/win32/displayscale.h"
#include "platform/win32/natives.h"
#include "platform/win32/win32text.h"

namespace {
// The edge is as many device pixels thick as one logical pixel takes, so it scales with the
// layout.
void drawEdge(HDC dc, RECT rect, bool pressed, double scale)
{
    const int thickness = std::max(1, devicePixels(1, scale));
    for (int i = 0; i < thickness; ++i)
        DrawEdge(dc, &rect, pressed ? BDR_SUNKENOUTER : BDR_RAISEDOUTER, BF_RECT | BF_ADJUST);
    for (int i = 0; i < thickness; ++i)
        DrawEdge(dc, &rect, pressed ? BDR_SUNKENINNER : BDR_RAISEDINNER, BF_RECT | BF_ADJUST);
}
} // namespace

void drawButtonFace(const DRAWITEMSTRUCT &item, const CommandButton &button)
{
    const HDC dc = item.hDC;
    Window::Native &window = button.native().window.native();
    const double scale = window.owner.fit().scale;
    RECT rect = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const Color face = button.backColor().value_or(fromColorRef(GetSysColor(COLOR_BTNFACE)));
    FillRect(dc, &rect, solidBrush(face));
    drawEdge(dc, rect, pressed, scale);

    RECT text = rect;
    if (pressed)
        OffsetRect(&text, devicePixels(1, scale), devicePixels(1, scale));
    const HGDIOBJ previous = SelectObject(dc, window.fonts.at(button.font(), scale));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(
        dc, GetSysColor((item.itemState & ODS_DISABLED) != 0 ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    DrawTextW(dc, wide(button.caption()), -1, &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, previous);

    if ((item.itemState & ODS_FOCUS) != 0 && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT focus = rect;
        InflateRect(&focus, -devicePixels(2, scale), -devicePixels(2, scale));
        DrawFocusRect(dc, &focus);
    }
}
