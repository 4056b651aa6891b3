#include "platform/lightweightcontrol.h"

#include "platform/picturebox.h"

void LightweightControl::setCoordinate(float &coordinate, float value)
{
    if (coordinate == value)
        return;
    m_container.updateControlArea(bounds());
    coordinate = value;
    m_container.updateControlArea(bounds());
}
