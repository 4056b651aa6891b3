#include "platform/labelcontrol.h"

#include <QFontMetrics>
#include <QPainter>

LabelControl::LabelControl(PictureBox &container, const QString &text, const QPointF &position,
                           const QFont &font, const QColor &foreColor, const QColor &backColor)
    : LightweightControl(container), m_text(text), m_left(position.x()), m_top(position.y()),
      m_font(font), m_foreColor(foreColor), m_backColor(backColor)
{
    const QFontMetrics metrics(font);
    m_size = QSizeF(metrics.horizontalAdvance(text), metrics.height());
}

void LabelControl::setLeft(float left)
{
    setCoordinate(m_left, left);
}

void LabelControl::setTop(float top)
{
    setCoordinate(m_top, top);
}

QRectF LabelControl::bounds() const
{
    return QRectF(QPointF(m_left, m_top), m_size);
}

void LabelControl::paint(QPainter &painter) const
{
    painter.fillRect(bounds(), m_backColor);
    painter.setFont(m_font);
    painter.setPen(m_foreColor);
    painter.drawText(bounds(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_text);
}
