// A text label control on a surface, exactly as large as its text.
#pragma once

#include "platform/lightweightcontrol.h"

#include <QColor>
#include <QFont>
#include <QString>

class LabelControl : public LightweightControl
{
public:
    LabelControl(PictureBox &container, const QString &text, const QPointF &position,
                 const QFont &font, const QColor &foreColor, const QColor &backColor);

    QString text() const { return m_text; }
    float left() const { return m_left; }
    float top() const { return m_top; }
    void setLeft(float left);
    void setTop(float top);
    QSizeF size() const { return m_size; }

    QRectF bounds() const override;
    void paint(QPainter &painter) const override;

private:
    QString m_text;
    float m_left;
    float m_top;
    QFont m_font;
    QColor m_foreColor;
    QColor m_backColor;
    QSizeF m_size;
};
