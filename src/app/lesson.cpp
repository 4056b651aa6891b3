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
