// A surface's widget: its persistent image at device pixels, and the repaint that shows it.
#pragma once

#include <QImage>
#include <QWidget>

class PictureBox;

// A repaint only copies the image inside the sunken border, then paints the surface's
// lightweight controls over it, back to front.
class SurfaceWidget : public QWidget
{
public:
    SurfaceWidget(QWidget *parent, const PictureBox &surface);

    QImage image;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const PictureBox &m_surface;
};
