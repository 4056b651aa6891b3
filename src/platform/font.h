// A font as the layout asks for it: a face, an em height in pixels and a weight.
#pragma once

// Each backend resolves the two faces once, from the fonts the system has: the layout's own
// proportional Gothic where installed, else the first installed of a short list of Japanese
// Gothic faces.
struct Font
{
    enum class Face { Gothic, UserInterface };

    Face face = Face::UserInterface;
    int pixelSize = 12;
    bool bold = false;

    friend constexpr bool operator==(const Font &, const Font &) = default;
};

// The proportional Gothic face at an em height in pixels.
constexpr Font gothicFont(int pixelSize, bool bold = false)
{
    return {Font::Face::Gothic, pixelSize, bold};
}

// The system's standard Japanese user-interface font of 9 points (12 pixels at 96 dots per inch).
constexpr Font defaultUiFont()
{
    return {Font::Face::UserInterface, 12, false};
}
