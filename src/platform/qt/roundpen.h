// The pen of the surfaces' lines: round ends and joins.
#pragma once

#include "platform/color.h"
#include "platform/qt/qtext.h"

#include <QPen>

// A pen of the given width in logical pixels.
inline QPen roundPen(Color color, int width)
{
    return QPen(toQColor(color), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
