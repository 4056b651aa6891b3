// How the layout fits the window's client area: one factor for the whole layout, and where its
// top-left corner lands. Computed here for every backend; each backend applies it.
#pragma once

#include "platform/geometry.h"

// A backend counts its client area in units of its own: Qt in its device-independent pixels, the
// Windows backend in device pixels. At a factor of 1 the layout takes unitsPerPixel units per
// layout pixel (1 in Qt, the display's dots per inch over 96 on Windows).
struct LayoutFit
{
    // Below it the layout stays at this factor, and the frame cuts off what does not fit.
    static constexpr double smallestFactor = 0.5;

    // The uniform factor: min(client width / layout width, client height / layout height), in
    // layout pixels; 1 where the client area is the layout's own size.
    double factor = 1;
    // Client units per layout pixel: the factor times the units per pixel.
    double scale = 1;
    // The layout's top-left corner in the client area, in whole units: the layout is centred,
    // and where it is larger than the client area it starts at the client area's edge.
    Point origin;

    // The fit of a layout of the given size (layout pixels) into a client area of the given size
    // (client units).
    static LayoutFit of(Size layout, Size client, double unitsPerPixel = 1);

    // A coordinate of the layout as a whole number of client units from its top-left corner.
    int units(double length) const;
    // A rectangle of the layout in whole client units, the origin added. Its edges are rounded
    // each by itself, so that neighbours still meet and a rectangle ends where the next begins.
    Rect place(const Rect &rect) const;
    // A size of the layout in whole client units, as place gives it at the layout's top-left.
    Size place(Size size) const;

    friend bool operator==(const LayoutFit &, const LayoutFit &) = default;
};
