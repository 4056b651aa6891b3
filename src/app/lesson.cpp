#include "app/lesson.h"

Lesson lessonFor(const Problem &problem)
{
    Walk walk(problem);
    if (problem.look)
        return {std::move(walk), *problem.look};
    Look look{fitBoard(walk), fitGraph(walk)};
    return {std::move(walk), std::move(look)};
}
