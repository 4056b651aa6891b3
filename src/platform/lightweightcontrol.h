// Base of the controls that have no window of their own and live on a drawing surface.
#pragma once

#include "platform/geometry.h"

class PictureBox;
class SurfacePainter;

// Painted by its surface over the surface's image, in the surface's stacking order. Positions are
// logical pixels of the surface's drawing area.
class LightweightControl
{
public:
    explicit LightweightControl(PictureBox &container) : m_container(container) {}
    virtual ~LightweightControl() = default;
    LightweightControl(const LightweightControl &) = delete;
    LightweightControl &operator=(const LightweightControl &) = delete;

    // The area the control's paint touches.
    virtual RectF bounds() const = 0;
    virtual void paint(SurfacePainter &painter) const = 0;

protected:
    // Sets one of the control's coordinates; the old and the new place are repainted.
    void setCoordinate(float &coordinate, float value);

private:
    PictureBox &m_container;
};
