// Surface text drawn at the fitted advances of the layout's face.
#pragma once

#include "platform/font.h"
#include "platform/geometry.h"

#include <windows.h>

#include <string>

// Draws one line with its top-left at a logical point, each glyph centred in its fitted advance;
// gives the width taken and the line height, in logical pixels. The font must be selected, at the
// layout scale given.
SizeF drawFittedText(HDC dc, PointF topLeft, const std::u16string &text, const Font &font,
                     double scale);
