// The pen of the surfaces' lines: round ends and joins, at device pixels.
#pragma once

#include "platform/color.h"

#include <windows.h>

// Made for one drawing call at a logical width and a layout scale, selected into the device
// context and deleted after.
class RoundPen
{
public:
    RoundPen(HDC dc, Color color, int width, double scale);
    ~RoundPen();
    RoundPen(const RoundPen &) = delete;
    RoundPen &operator=(const RoundPen &) = delete;

private:
    HDC m_dc;
    HPEN m_pen;
    HGDIOBJ m_previous;
};
