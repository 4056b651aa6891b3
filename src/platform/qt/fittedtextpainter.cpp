#include "platform/qt/fittedtextpainter.h"

#include "platform/shared/fittedtext.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>

namespace {
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
    const QRawFont rawFont = QRawFont::fromFont(font);
    const QList<quint32> glyphs = rawFont.glyphIndexesForString(text);
    const QList<QPointF> naturalAdvances = rawFont.advancesForGlyphIndexes(glyphs);
    const qreal baseline = topLeft.y() + rawFont.ascent();
    const auto laidOut =
        fitText(text.toStdU16String(), QFontInfo(font).pixelSize(), [&](char32_t character) {
            return metrics.horizontalAdvance(characterText(character));
        });
    QList<quint32> runGlyphs;
    QList<QPointF> runPositions;
    for (std::size_t i = 0; i < laidOut.size(); ++i) {
        const FittedCharacter &placed = laidOut[i];
        const qreal left = topLeft.x() + placed.left;
        const auto index = qsizetype(i);
        if (index < glyphs.size() && glyphs[index] != 0) {
            runGlyphs.append(glyphs[index]);
            runPositions.append(
                QPointF(left + (placed.advance - naturalAdvances[index].x()) / 2, baseline));
        } else {
            const QString character = characterText(placed.character);
            const qreal natural = metrics.horizontalAdvance(character);
            painter.drawText(QPointF(left + (placed.advance - natural) / 2, baseline), character);
        }
    }
    QGlyphRun run;
    run.setRawFont(rawFont);
    run.setGlyphIndexes(runGlyphs);
    run.setPositions(runPositions);
    painter.drawGlyphRun(QPointF(), run);
    return fittedWidth(laidOut);
}
