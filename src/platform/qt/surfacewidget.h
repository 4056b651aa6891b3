// A surface's widget: its persistent image at device pixels, and the repaint that shows it.
#pragma once

#include "platform/shared/drawingrecord.h"

#include <QImage>
#include <QWidget>

class PictureBox;
class QPainter;

// A repaint only copies the image inside the sunken border, then paints the surface's
// lightweight controls over it, back to front. At a fit other than 1 the same is painted in the
// layout's pixels at the fit's device pixels.
class SurfaceWidget : public QWidget
{
public:
    SurfaceWidget(QWidget *parent, const PictureBox &surface);

    // Drawn at the widget's device pixel ratio times the window's fit, at least 1.
    QImage image;
    qreal ratio = 1;
    // What the image holds since it was last cleared, to draw it again at a new ratio.
    DrawingRecord record;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintSurface(QPainter &painter, const QSize &size) const;

    const PictureBox &m_surface;
};
