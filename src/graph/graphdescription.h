// What a screen reader hears about the graph paper: the pieces of the trace that it shows.
#pragma once

#include "platform/geometry.h"

#include <array>
#include <string>

// The text for the trace pieces as they stand on the graph paper, in the order rising (side BA),
// flat (AD), falling (DC); a piece that lies below the drawing area, areaHeight pixels high, is
// parked out of sight. For instance "グラフ：x = 0〜13、y = 6x（0〜8）、y = 48（8〜13）".
std::u16string graphDescription(const std::array<LineF, 3> &trace, double areaHeight);
