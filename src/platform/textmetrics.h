// How large a text is in a font, as the window system lays it out.
#pragma once

#include "platform/font.h"
#include "platform/geometry.h"

#include <string>

// Backend: the width of the text's advances and the font's line height, in whole logical pixels.
Size textSize(const Font &font, const std::u16string &text);
