// Painting a control's look as the layout has it, at the device pixels of the window's fit.
#pragma once

#include "platform/layoutfit.h"

#include <QColor>
#include <QRect>
#include <functional>

class QImage;
class QPainter;
class QPointF;
class QWidget;

// How the layout fits the window that the widget is in; the layout's own size for a widget of
// any other window, such as the speed list's popup.
const LayoutFit &layoutFit(const QWidget &widget);

// Starts a painter on an image at a device pixel ratio. The toolkit's painter takes no ratio below
// 1 from its device: an image at a smaller ratio keeps the ratio 1 and its painter scales.
void beginAtRatio(QPainter &painter, QImage &image, qreal ratio);
// Draws an image made at a device pixel ratio (beginAtRatio) with its top-left corner at a point,
// each of its pixels on one device pixel of the painter.
void drawAtRatio(QPainter &painter, const QPointF &at, const QImage &image, qreal ratio);

// Paints what paint draws in the layout's logical pixels, at the fit's factor: on an image whose
// device pixel ratio is the screen's times the factor, first filled with the colour beneath the
// widget, then copied to the exposed part of the widget pixel for pixel. Text, lines and the
// style's own drawing come out as the toolkit draws them at that device pixel ratio: never a
// smaller picture stretched.
void paintAtFit(QWidget &widget, const QRect &exposed, const QColor &beneath,
                const std::function<void(QPainter &)> &paint);

// Qt 6.4's Fusion style paints some elements into a cache made at the application's device
// pixel ratio, which is not the fit's, and copies it over. This does what the style does, at the
// painter's ratio: paint draws the element with its top-left at (0, 0) on a transparent image of
// the rectangle's size at the painter's device pixel ratio, which is then drawn over the
// painter's picture at the rectangle. The image's painter differs from a plain scale by a shear
// of a billionth of a pixel per pixel, which has the style paint the element directly instead
// of from its own cache.
void paintAsCached(QPainter &painter, const QRect &rect,
                   const std::function<void(QPainter &)> &paint);
