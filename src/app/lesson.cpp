#include "app/lesson.h"

Lesson lessonFor(const Problem &given)
{
    // A problem that does not check out never comes from readProblem; should one be given, the
    // lesson is today's rather than a walk that cannot be drawn.
    const Problem problem = checkProblem(given) ? todaysProblem() : given;
    RouteWalk walk(problem);
    if (problem.look)
        return {std::move(walk), *problem.look};
    Look look{fitBoard(walk), fitGraph(walk)};
    return {std::move(walk), std::move(look)};
}

PointF boardPoint(const Lesson &lesson, const Place &place)
{
    const BoardLook &board = lesson.look.board;
    return {(board.originX + board.scale * place.x).toDouble(),
            (board.originY - board.scale * place.y).toDouble()};
}

PointF graphPoint(const Lesson &lesson, Rational x, Rational y)
{
    const GraphLook &graph = lesson.look.graph;
    return {(graph.originX + graph.perStep * x).toDouble(),
            (graph.originY - graph.perArea * y).toDouble()};
}
