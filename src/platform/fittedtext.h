// Text laid out with the character widths of the layout's user-interface face.
#pragma once

#include <QPointF>
#include <QString>

class QPainter;

// Text on the drawing surfaces is placed by character widths: rows of numbers spaced with
// blanks so that each stands under its grid line, a raised 2 pushed over a gap by blanks. Those
// places hold only in the widths of the face the layout was made in, so each character takes
// that face's advance, and the installed face's glyph is drawn centred in it. Characters the
// table does not know keep the installed face's own advance.

// Draws a text laid out that way, with its top-left corner at topLeft, in the painter's font;
// returns the width it took.
qreal drawFittedText(QPainter &painter, const QPointF &topLeft, const QString &text);
