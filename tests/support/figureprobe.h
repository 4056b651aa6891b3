// What the window tests read back: the places of the moving parts, and the colours shown.
#pragma once

#include "app/form1.h"
#include "qtpeers.h"

#include <QImage>
#include <QLineF>
#include <QList>

// Colours of the layout.
inline const QColor green(0, 128, 0);
inline const QColor white(255, 255, 255);
inline const QColor blue(0, 0, 255);
inline const QColor red(255, 0, 0);
inline const QColor pink(255, 128, 255);
inline const QColor brown(192, 64, 0);
inline const QColor magenta(255, 0, 255);
inline const QColor paper(255, 255, 192);

// Parking places, below the drawing areas.
inline const QLineF line1Parked(8, 268, 32, 268);
inline const QLineF line2Parked(40, 268, 64, 268);
inline const QLineF line3Parked(72, 268, 96, 268);
inline const QLineF path0Parked(32, 320, 56, 320);
inline const QLineF path1Parked(72, 320, 96, 320);
inline const QLineF path2Parked(112, 320, 136, 320);
inline const QLineF heightParked(168, 320, 192, 320);

// Full lengths of the graph pieces and the path highlight.
inline const QLineF line1Full(49, 200, 129, 80);
inline const QLineF line2Full(129, 80, 249, 80);
inline const QLineF fullBA(75, 250, 75, 50);
inline const QLineF fullAD(75, 50, 375, 50);

inline QLineF segment(const LineControl &line)
{
    return QLineF(line.x1(), line.y1(), line.x2(), line.y2());
}

inline QList<QLineF> graphLines(const Form1 &form)
{
    return {segment(form.Line1), segment(form.Line2), segment(form.Line3)};
}

inline QList<QLineF> pathLines(const Form1 &form)
{
    return {segment(form.Line4[0]), segment(form.Line4[1]), segment(form.Line4[2])};
}

inline QPointF marker(const Form1 &form)
{
    return QPointF(form.Shape1.left(), form.Shape1.top());
}

inline QPointF tag(const Form1 &form)
{
    return QPointF(form.P.left(), form.P.top());
}

inline void forward(Form1 &form, int times)
{
    for (int step = 0; step < times; ++step)
        form.susumu.click();
}

inline void back(Form1 &form, int times)
{
    for (int step = 0; step < times; ++step)
        form.modoru.click();
}

inline int countOf(const QImage &image, const QColor &color)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixelColor(x, y) == color ? 1 : 0;
    return count;
}

// The colour a grabbed surface shows at a point of its drawing area, at any device pixel ratio.
inline QColor shown(const QImage &grabbed, const QPointF &point)
{
    const qreal ratio = grabbed.devicePixelRatio();
    const QPointF onScreen = point + QPointF(PictureBox::borderWidth, PictureBox::borderWidth);
    return grabbed.pixelColor(QPoint(int(onScreen.x() * ratio), int(onScreen.y() * ratio)));
}

inline QColor shown(PictureBox &surface, const QPointF &point)
{
    return shown(widget(surface).grab().toImage(), point);
}
