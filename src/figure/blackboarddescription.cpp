// The blackboard's accessible description, kept up to date with every step and reset.
#include "figure/blackboarddescription.h"

#include "app/form1.h"

std::u16string blackboardDescription(int distance)
{
    return boardText(RouteWalk(todaysProblem()), distance);
}

void Form1::DescribeBlackboard()
{
    const std::u16string description = boardText(lesson.walk, Distance.value());
    kokuban.setAccessibleDescription(description);
    announce(description);
}
