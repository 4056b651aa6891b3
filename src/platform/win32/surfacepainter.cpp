#include "platform/surfacepainter.h"

#include "platform/win32/brushes.h"
#include "platform/win32/natives.h"
#include "platform/win32/roundpen.h"
#include "platform/win32/win32text.h"

#include <algorithm>
#include <cmath>

namespace {
int device(double logical, double scale)
{
    return int(std::lround(logical * scale));
}

RECT deviceBox(const RectF &box, double scale)
{
    return {device(box.left, scale), device(box.top, scale), device(box.right(), scale),
            device(box.bottom(), scale)};
}
} // namespace

void SurfacePainter::drawLine(const LineF &line, Color color, int width)
{
    const HDC dc = m_native.dc;
    const RoundPen pen(dc, color, width, m_native.scale);
    MoveToEx(dc, device(line.x1, m_native.scale), device(line.y1, m_native.scale), nullptr);
    LineTo(dc, device(line.x2, m_native.scale), device(line.y2, m_native.scale));
}

// An inside-frame pen keeps the outline within the box, so the circle covers exactly its box.
void SurfacePainter::drawEllipse(const RectF &box, Color fill, Color border)
{
    const HDC dc = m_native.dc;
    const HPEN pen =
        CreatePen(PS_INSIDEFRAME, std::max(1, device(1, m_native.scale)), colorRef(border));
    const HGDIOBJ previousPen = SelectObject(dc, pen);
    const HGDIOBJ previousBrush = SelectObject(dc, solidBrush(fill));
    const RECT rect = deviceBox(box, m_native.scale);
    Ellipse(dc, rect.left, rect.top, rect.right, rect.bottom);
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
}

void SurfacePainter::drawText(const RectF &box, const std::u16string &text, const Font &font,
                              Color fore, Color back)
{
    const HDC dc = m_native.dc;
    const RECT rect = deviceBox(box, m_native.scale);
    FillRect(dc, &rect, solidBrush(back));
    const HGDIOBJ previous = SelectObject(dc, m_native.fonts.at(font, m_native.scale));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorRef(fore));
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    ExtTextOutW(dc, rect.left, rect.top, ETO_CLIPPED, &rect, wide(text), UINT(text.size()),
                nullptr);
    SelectObject(dc, previous);
}
