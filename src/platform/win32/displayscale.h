// The display's scale: device pixels per logical pixel.
#pragma once

#include "platform/geometry.h"

#include <windows.h>

// Resolved once from the system's dots per inch (96 is 1), which every window of a process that
// declares system DPI awareness shares.
double displayScale();

// A logical length or coordinate in whole device pixels.
int devicePixels(double logical);

// A logical rectangle in device pixels; its edges are rounded, so that neighbours still meet.
RECT deviceRect(const RectF &logical);
