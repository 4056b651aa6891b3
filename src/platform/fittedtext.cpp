#include "platform/fittedtext.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

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

// One glyph run for the whole text: the text is drawn as often as the grid is, on every step.
// A character the face has no glyph for is drawn by itself, so the toolkit's font fallback
// finds one.
qreal drawFittedText(QPainter &painter, const QPointF &topLeft, const QString &text)
{
    const QFont font = painter.font();
    const QFontMetricsF metrics(font);
    const qreal scale = QFontInfo(font).pixelSize() / tableEm;
    const QRawFont rawFont = QRawFont::fromFont(font);
    const QList<uint> characters = text.toUcs4();
    const QList<quint32> glyphs = rawFont.glyphIndexesForString(text);
    const QList<QPointF> naturalAdvances = rawFont.advancesForGlyphIndexes(glyphs);
    const qreal baseline = topLeft.y() + rawFont.ascent();
    QList<quint32> runGlyphs;
    QList<QPointF> runPositions;
    qreal x = topLeft.x();
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const QString character = characterText(characters[i]);
        const qreal tabled = tableAdvance(characters[i]) * scale;
        const qreal advance = tabled > 0 ? tabled : metrics.horizontalAdvance(character);
        if (i < glyphs.size() && glyphs[i] != 0) {
            runGlyphs.append(glyphs[i]);
            runPositions.append(QPointF(x + (advance - naturalAdvances[i].x()) / 2, baseline));
        } else {
            const qreal natural = metrics.horizontalAdvance(character);
            painter.drawText(QPointF(x + (advance - natural) / 2, baseline), character);
        }
        x += advance;
    }
    QGlyphRun run;
    run.setRawFont(rawFont);
    run.setGlyphIndexes(runGlyphs);
    run.setPositions(runPositions);
    painter.drawGlyphRun(QPointF(), run);
    return x - topLeft.x();
}
