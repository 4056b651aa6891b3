// Drawing text in the fitted character widths with a QPainter.
#pragma once

#include <QPointF>
#include <QString>

class QPainter;

// Draws the text with its top-left corner at topLeft, in the painter's font, each character
// centred in the layout face's advance; returns the width it took.
qreal drawFittedText(QPainter &painter, const QPointF &topLeft, const QString &text);
