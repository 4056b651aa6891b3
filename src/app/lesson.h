// The lesson a window shows: a problem, P's walk along it, and where its figure and graph lie.
#pragma once

#include "platform/geometry.h"
#include "problem/look.h"
#include "problem/problem.h"

class PictureBox;

struct Lesson
{
    RouteWalk walk;
    Look look;
};

// The problem's own look when it has one (today's), else a look fitted to its figure and graph;
// today's lesson for a problem that does not check out. The text widths come from the window
// system, which must be up.
Lesson lessonFor(const Problem &problem);

// Where a place of the figure lies on the blackboard, and a point of the graph (x steps, an area
// of y) on the graph paper, in the surfaces' pixels.
PointF boardPoint(const Lesson &lesson, const Place &place);
PointF graphPoint(const Lesson &lesson, Rational x, Rational y);

// figure/figure.cpp: the fixed figure on a blackboard: its outline, the lengths of its sides, M
// and P's speed.
void drawFigure(PictureBox &board, const Lesson &lesson);
// graph/graphgrid.cpp: the graph paper's grid, axes, axis numbers and units.
void drawGraphPaper(PictureBox &paper, const Lesson &lesson);

// figure/boardfit.cpp: the blackboard of a problem without a look of its own.
BoardLook fitBoard(const RouteWalk &walk);
// graph/graphfit.cpp: the graph paper of a problem without a look of its own.
GraphLook fitGraph(const RouteWalk &walk);
