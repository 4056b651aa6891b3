#include "platform/surfacepainter.h"

#include "platform/qt/fonts.h"
#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"
#include "platform/qt/roundpen.h"

void SurfacePainter::drawLine(const LineF &line, Color color, int width)
{
    m_native.painter.setPen(roundPen(color, width));
    m_native.painter.drawLine(toQPointF(line.p1()), toQPointF(line.p2()));
}

// The one-pixel outline lies inside the box, so the circle covers exactly its box.
void SurfacePainter::drawEllipse(const RectF &box, Color fill, Color border)
{
    QPainter &painter = m_native.painter;
    painter.setPen(QPen(toQColor(border), 1));
    painter.setBrush(toQColor(fill));
    painter.drawEllipse(QRectF(box.left, box.top, box.width - 1, box.height - 1));
    painter.setBrush(Qt::NoBrush);
}

void SurfacePainter::drawText(const RectF &box, const std::u16string &text, const Font &font,
                              Color fore, Color back)
{
    QPainter &painter = m_native.painter;
    painter.fillRect(toQRectF(box), toQColor(back));
    painter.setFont(qtFont(font));
    painter.setPen(toQColor(fore));
    painter.drawText(toQRectF(box), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     toQString(text));
}
