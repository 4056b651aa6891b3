#include "platform/win32/roundpen.h"

#include "platform/win32/displayscale.h"
#include "platform/win32/win32text.h"

#include <algorithm>

namespace {
HPEN createRoundPen(Color color, int width, double scale)
{
    const LOGBRUSH brush{BS_SOLID, colorRef(color), 0};
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                        DWORD(std::max(1, devicePixels(width, scale))), &brush, 0, nullptr);
}
} // namespace

RoundPen::RoundPen(HDC dc, Color color, int width, double scale)
    : m_dc(dc), m_pen(createRoundPen(color, width, scale)), m_previous(SelectObject(dc, m_pen))
{}

RoundPen::~RoundPen()
{
    SelectObject(m_dc, m_previous);
    DeleteObject(m_pen);
}
