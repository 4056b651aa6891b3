// The layout's fit to the client area, the one rule of every backend.
#include "platform/layoutfit.h"

#include <algorithm>
#include <cmath>

namespace {
int wholeUnits(double units)
{
    return int(std::lround(units));
}
} // namespace

// Before the layout has a size, it is at its own scale. A client area that shows the layout at its
// own size to the whole unit has the factor 1, so that a window left as it opened is the layout's
// own, to the pixel, whatever the rounding of a display's scale made its size.
LayoutFit LayoutFit::of(Size layout, Size client, double unitsPerPixel)
{
    LayoutFit fit;
    fit.scale = unitsPerPixel;
    if (layout.width <= 0 || layout.height <= 0)
        return fit;
    const double ownWidth = layout.width * unitsPerPixel;
    const double ownHeight = layout.height * unitsPerPixel;
    double factor = std::min(client.width / ownWidth, client.height / ownHeight);
    if (wholeUnits(ownWidth * factor) == wholeUnits(ownWidth) &&
        wholeUnits(ownHeight * factor) == wholeUnits(ownHeight))
        factor = 1;
    fit.factor = std::max(factor, smallestFactor);
    fit.scale = fit.factor * unitsPerPixel;
    fit.origin = {std::max(0, wholeUnits((client.width - layout.width * fit.scale) / 2)),
                  std::max(0, wholeUnits((client.height - layout.height * fit.scale) / 2))};
    return fit;
}

int LayoutFit::units(double length) const
{
    return wholeUnits(length * scale);
}

Rect LayoutFit::place(const Rect &rect) const
{
    const int left = units(rect.left);
    const int top = units(rect.top);
    return {origin.x + left, origin.y + top, units(rect.left + rect.width) - left,
            units(rect.top + rect.height) - top};
}

Size LayoutFit::place(Size size) const
{
    return {units(size.width), units(size.height)};
}
