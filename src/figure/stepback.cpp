// One step of P back towards the start of its route.
#include "app/form1.h"

#include "app/parking.h"

// Same frame as the step forward, but it also takes away what the forward steps added: the
// highlight and the graph piece of a leg that P leaves are parked at its corner.
void Form1::modoru_Click()
{
    DrawFigure();
    Distance = Distance - 1;
    if (Distance == -1) {
        Distance = 0;
        return;
    }
    ShowDistance();
    MoveMarker(Direction::Back);
    DrawTriangle();
    if (Check1.value() != 0)
        PlacePathLineBack();
    if (Check3.value() != 0)
        DrawHeightLine();
    if (Check2.value() != 0) {
        DrawGraphGrid();
        PlaceGraphLineBack();
        DescribeGraph();
    }
    DescribeBlackboard();
}

// The highlight of a leg whose first corner P has come back to, or passed, is parked; the one of
// P's leg then ends at P. Today exactly one line moves a step.
void Form1::PlacePathLineBack()
{
    const RouteWalk &walk = lesson.walk;
    const Rational now = walk.distance(Distance.value());
    const Rational before = walk.distance((Distance + 1).value());
    const std::vector<Leg> &legs = walk.legs();
    for (std::size_t i = 0; i < legs.size(); ++i)
        if (now <= legs[i].startDistance && legs[i].startDistance < before)
            park(Line4[i], line4Parking[i]);
    const int current = walk.legAt(now, Direction::Back);
    if (legs[current].startDistance < now)
        PlaceLine(Line4[current], BoardPoint(legs[current].start), BoardPoint(walk.placeAt(now)));
}
