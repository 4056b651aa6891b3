#include "platform/textmetrics.h"

#include "platform/win32/displayscale.h"
#include "platform/win32/fonts.h"
#include "platform/win32/win32text.h"

#include <cmath>

// Measured at device pixels and rounded up, so that a label sized by it holds its text at any
// display scale.
Size textSize(const Font &font, const std::u16string &text)
{
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ previous = SelectObject(dc, fontHandle(font));
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide(text), int(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteDC(dc);
    const double scale = deviceScale();
    return {int(std::ceil(extent.cx / scale - 1e-9)),
            int(std::ceil(metrics.tmHeight / scale - 1e-9))};
}
