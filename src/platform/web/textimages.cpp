#include "platform/web/textimages.h"

#include "platform/web/page.h"

#include <cmath>

namespace {
// More than the program prints, few enough for a quick search.
constexpr std::size_t keptAtMost = 64;

int gothicOf(const Font &font)
{
    return font.face == Font::Face::Gothic;
}
} // namespace

const std::vector<FittedCharacter> &TextImages::layout(const std::u16string &text, const Font &font,
                                                       Spacing spacing)
{
    for (const Layout &known : m_layouts)
        if (known.text == text && known.font == font && known.spacing == spacing)
            return known.characters;
    if (m_layouts.size() == keptAtMost)
        m_layouts.clear();
    const auto naturalAdvance = [&](char32_t character) {
        return text_advance(gothicOf(font), font.pixelSize, font.bold, character);
    };
    std::vector<FittedCharacter> characters;
    if (spacing == Spacing::Fitted) {
        characters = fitText(text, font.pixelSize, naturalAdvance);
    } else {
        double left = 0;
        for (const char32_t character : codePoints(text)) {
            const double advance = naturalAdvance(character);
            characters.push_back({character, left, advance});
            left += advance;
        }
    }
    m_layouts.push_back({text, font, spacing, std::move(characters)});
    return m_layouts.back().characters;
}

int TextImages::lineHeight(const Font &font)
{
    for (const LineHeight &known : m_lineHeights)
        if (known.font == font)
            return known.height;
    const int height = text_line_height(gothicOf(font), font.pixelSize, font.bold);
    m_lineHeights.push_back({font, height});
    return height;
}

const TextImages::Image &TextImages::image(const std::u16string &text, const Font &font,
                                           Color color, double scale, PointF phase, Spacing spacing)
{
    for (const Kept &known : m_images)
        if (known.text == text && known.font == font && known.color == color &&
            known.scale == scale && known.phase == phase && known.spacing == spacing)
            return known.image;
    if (m_images.size() == keptAtMost)
        m_images.clear();
    Image drawn = drawnByThePage(text, font, color, scale, phase, spacing);
    m_images.push_back({text, font, color, scale, phase, spacing, std::move(drawn)});
    return m_images.back().image;
}

// A margin all round holds the glyphs' ink beyond their advances and line height.
Rect TextImages::paint(RasterPainter &painter, const std::u16string &text, const Font &font,
                       Color color, double scale, PointF topLeft, Spacing spacing)
{
    const Point whole{int(std::floor(topLeft.x)), int(std::floor(topLeft.y))};
    const Image &drawn =
        image(text, font, color, scale, {topLeft.x - whole.x, topLeft.y - whole.y}, spacing);
    const Point at{whole.x + drawn.offset.x, whole.y + drawn.offset.y};
    painter.drawImage(drawn.pixels.data(), {drawn.width, drawn.height}, at);
    return {at.x, at.y, drawn.width, drawn.height};
}

TextImages::Image TextImages::drawnByThePage(const std::u16string &text, const Font &font,
                                             Color color, double scale, PointF phase,
                                             Spacing spacing)
{
    const std::vector<FittedCharacter> &characters = layout(text, font, spacing);
    const double width = fittedWidth(characters);
    const int lineHeight = this->lineHeight(font);
    const int margin = int(std::ceil(font.pixelSize * scale / 4)) + 1;
    Image image;
    image.offset = {-margin, -margin};
    image.width = int(std::ceil(width * scale + phase.x)) + 2 * margin;
    image.height = int(std::ceil(lineHeight * scale + phase.y)) + 2 * margin;
    image.pixels.resize(std::size_t(image.width) * std::size_t(image.height));
    std::vector<double> placed;
    placed.reserve(characters.size() * 3);
    for (const FittedCharacter &character : characters)
        placed.insert(placed.end(),
                      {double(character.character), character.left, character.advance});
    text_image(gothicOf(font), font.pixelSize, font.bold, color.pixel(), scale, margin + phase.x,
               margin + phase.y, image.width, image.height, placed.data(), int(characters.size()),
               image.pixels.data());
    return image;
}
