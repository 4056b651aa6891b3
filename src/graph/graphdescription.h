// What a screen reader hears about the graph paper: the pieces of the trace that it shows.
#pragma once

#include "platform/geometry.h"
#include "problem/look.h"
#include "problem/problem.h"

#include <string>
#include <vector>

// The text for the trace lines as they stand on the graph paper, one for each piece of the walk's
// graph in order; a line that lies below the drawing area, areaHeight pixels high, is parked out
// of sight. Each drawn piece is given by its formula and the range of x it is drawn over, for
// instance "グラフ：x = 0〜13、y = 6x（0〜8）、y = 48（8〜13）".
std::u16string graphDescription(const std::vector<LineF> &trace, const RouteWalk &walk,
                                const GraphLook &graph, double areaHeight);
