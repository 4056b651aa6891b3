// The lesson a window shows: a problem, P's walk along it, and where its figure and graph lie.
#pragma once

#include "problem/look.h"
#include "problem/problem.h"

struct Lesson
{
    RouteWalk walk;
    Look look;
};

// The problem's own look when it has one (today's), else a look fitted to its figure and graph;
// today's lesson for a problem that does not check out. The text widths come from the window
// system, which must be up.
Lesson lessonFor(const Problem &problem);

// figure/boardfit.cpp: the blackboard of a problem without a look of its own.
BoardLook fitBoard(const RouteWalk &walk);
// graph/graphfit.cpp: the graph paper of a problem without a look of its own.
GraphLook fitGraph(const RouteWalk &walk);
