// Conversions between the platform's value types and Qt's.
#pragma once

#include "platform/color.h"
#include "platform/geometry.h"

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <string>

inline QString toQString(const std::u16string &text)
{
    return QString::fromStdU16String(text);
}

inline std::u16string fromQString(const QString &text)
{
    return text.toStdU16String();
}

inline QColor toQColor(Color color)
{
    return QColor(color.red, color.green, color.blue);
}

inline Color fromQColor(const QColor &color)
{
    return Color::fromPixel(color.rgb());
}

inline QPointF toQPointF(PointF point)
{
    return QPointF(point.x, point.y);
}

inline QRectF toQRectF(const RectF &rect)
{
    return QRectF(rect.left, rect.top, rect.width, rect.height);
}

inline QRect toQRect(const Rect &rect)
{
    return QRect(rect.left, rect.top, rect.width, rect.height);
}
