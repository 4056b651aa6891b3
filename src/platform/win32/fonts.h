// The GDI fonts of the layout: its Japanese Gothic face, or the installed face that stands in.
#pragma once

#include "platform/font.h"

#include <windows.h>

#include <map>
#include <string>
#include <tuple>

// The face a font of the layout is drawn in, resolved once from the installed fonts.
const std::u16string &faceName(Font::Face face);

// A new font at an em of a given number of device pixels, for the caller to delete.
HFONT createFont(const Font &font, int deviceEm);

// The fonts of one window, at its layout scale: each made once and kept while the window's scale
// asks for it. A window of its own set lets go of its fonts without asking another window's
// controls, which may show them at another scale.
class FontSet
{
public:
    FontSet() = default;
    ~FontSet();
    FontSet(const FontSet &) = delete;
    FontSet &operator=(const FontSet &) = delete;

    // The font at the scale: the em of pixelSize logical pixels times the scale.
    HFONT at(const Font &font, double scale);
    // Deletes the fonts made at other scales, once the window's controls show the scale's own.
    void keepOnlyAt(double scale);

private:
    // The em in logical pixels each was last asked for, by face, em in device pixels and weight.
    struct Made
    {
        HFONT handle = nullptr;
        int logicalEm = 0;
    };
    std::map<std::tuple<Font::Face, int, bool>, Made> m_made;
};
