#include "platform/fittedtext.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QPainter>

namespace {
// Advances of the layout's face at its 12-pixel em, in pixels.
constexpr qreal tableEm = 12;

// The advance in the layout's face, or 0 where the table does not know the character.
qreal tableAdvance(char32_t character)
{
    if (character >= U'0' && character <= U'9')
        return 6;
    if (character >= U'０' && character <= U'９')
        return 8;
    switch (character) {
    case U' ':
    case U'(':
    case U')':
        return 4;
    case U'\u3000':
        return 8;
    case U'c':
        return 6;
    case U'm':
        return 10;
    default:
        return 0;
    }
}

QString characterText(char32_t character)
{
    return QString::fromUcs4(&character, 1);
}
} // namespace

qreal fittedAdvance(char32_t character, const QFont &font)
{
    const qreal advance = tableAdvance(character);
    if (advance > 0)
        return advance * QFontInfo(font).pixelSize() / tableEm;
    return QFontMetricsF(font).horizontalAdvance(characterText(character));
}

qreal fittedWidth(const QString &text, const QFont &font)
{
    qreal width = 0;
    for (const char32_t character : text.toUcs4())
        width += fittedAdvance(character, font);
    return width;
}

void drawFittedText(QPainter &painter, const QPointF &topLeft, const QString &text)
{
    const QFont font = painter.font();
    const QFontMetricsF metrics(font, painter.device());
    qreal x = topLeft.x();
    const qreal baseline = topLeft.y() + metrics.ascent();
    for (const char32_t character : text.toUcs4()) {
        const QString glyph = characterText(character);
        const qreal advance = fittedAdvance(character, font);
        const qreal centring = (advance - metrics.horizontalAdvance(glyph)) / 2;
        painter.drawText(QPointF(x + centring, baseline), glyph);
        x += advance;
    }
}
