// The GDI fonts of the layout: its Japanese Gothic face, or the installed face that stands in.
#pragma once

#include "platform/font.h"

#include <windows.h>

#include <string>

// The face a font of the layout is drawn in, resolved once from the installed fonts.
const std::u16string &faceName(Font::Face face);

// The font at device pixels: the em of pixelSize logical pixels times the display's scale. Made
// once and kept for the program's life.
HFONT fontHandle(const Font &font);

// The font at an em of a given number of device pixels.
HFONT fontHandle(const Font &font, int deviceEm);

// Deletes the fonts made at other scales than the layout's now, once no control shows them.
void keepOnlyFontsAtScale();
