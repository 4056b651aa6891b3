// The two optional guides on the blackboard: the travelled path and the height of the triangle.
#include "app/form1.h"

#include "app/parking.h"

void Form1::PlaceLine(LineControl &line, PointF from, PointF to)
{
    line.setX1(float(from.x));
    line.setY1(float(from.y));
    line.setX2(float(to.x));
    line.setY2(float(to.y));
}

// Lengthens the highlight up to P: the legs behind P whole, P's own from its first corner. Each
// leg's range ends at its corner, and a line beyond P's leg is never touched: it is parked
// already (reset, box cleared, or the step back parked it).
void Form1::DrawPathLines()
{
    const RouteWalk &walk = lesson.walk;
    const Rational now = walk.distance(Distance.value());
    const int current = walk.legAt(now, Direction::Forward);
    for (int i = 0; i <= current; ++i) {
        const Leg &leg = walk.legs()[i];
        if (i < current)
            PlaceLine(Line4[i], BoardPoint(leg.start), BoardPoint(leg.end));
        else if (now == leg.startDistance)
            park(Line4[i], line4Parking[i]);
        else
            PlaceLine(Line4[i], BoardPoint(leg.start), BoardPoint(walk.placeAt(now)));
    }
}

// The perpendicular from P to the line through the fixed points, and that line's extension to
// the foot when the foot lies beyond them. Here a corner opens the leg after it; where the
// triangle is flat both lines are parked.
void Form1::DrawHeightLine()
{
    const RouteWalk &walk = lesson.walk;
    const Rational now = walk.distance(Distance.value());
    const Place place = walk.placeAt(now);
    if (walk.area(place).sign() == 0) {
        park(Line5, line5Parking);
        park(Line7, line7Parking);
        return;
    }
    const Foot foot = perpendicularFoot(place, walk.fixed(0), walk.fixed(1));
    const PointF p = BoardPoint(place);
    const PointF footPoint = BoardPoint(foot.place);
    if (lesson.look.board.heightFromFoot[walk.legAt(now, Direction::Back)])
        PlaceLine(Line5, footPoint, p);
    else
        PlaceLine(Line5, p, footPoint);
    if (foot.along < 0)
        PlaceLine(Line7, BoardPoint(walk.fixed(0)), footPoint);
    else if (foot.along > 1)
        PlaceLine(Line7, BoardPoint(walk.fixed(1)), footPoint);
    else
        park(Line7, line7Parking);
}

void Form1::Check1_Click()
{
    if (Check1.value() == 0) {
        for (std::size_t i = 0; i < Line4.size(); ++i)
            park(Line4[i], line4Parking[i]);
    } else {
        DrawPathLines();
    }
}

void Form1::Check3_Click()
{
    if (Check3.value() == 0) {
        park(Line5, line5Parking);
        park(Line7, line7Parking);
    } else {
        DrawHeightLine();
    }
}
