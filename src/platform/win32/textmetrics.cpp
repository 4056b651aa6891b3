#include "platform/textmetrics.h"

#include "platform/win32/displayscale.h"
#include "platform/win32/fonts.h"
#include "platform/win32/win32text.h"

#include <cmath>

// Measured at device pixels at the display's scale and rounded up, so that a label sized by it
// holds its text at the scale its window opens at. A text is measured for no window in
// particular, so the font is made for the measurement alone.
Size textSize(const Font &font, const std::u16string &text)
{
    const double scale = dpiScale(nullptr);
    const HDC dc = CreateCompatibleDC(nullptr);
    const HFONT handle = createFont(font, devicePixels(font.pixelSize, scale));
    const HGDIOBJ previous = SelectObject(dc, handle);
    SIZE extent{};
    GetTextExtentPoint32W(dc, wide(text), int(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    DeleteObject(handle);
    DeleteDC(dc);
    return {int(std::ceil(extent.cx / scale - 1e-9)),
            int(std::ceil(metrics.tmHeight / scale - 1e-9))};
}
