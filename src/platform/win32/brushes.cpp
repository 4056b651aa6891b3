#include "platform/win32/brushes.h"

#include "platform/win32/win32text.h"

#include <map>

HBRUSH solidBrush(Color color)
{
    static std::map<std::uint32_t, HBRUSH> made;
    HBRUSH &brush = made[color.pixel()];
    if (brush == nullptr)
        brush = CreateSolidBrush(colorRef(color));
    return brush;
}
