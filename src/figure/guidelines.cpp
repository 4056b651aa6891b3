// The two optional guides on the blackboard: the travelled path and the height of the triangle.
#include "app/form1.h"

#include "app/parking.h"

// Sets X1, Y1, X2, Y2, in that order; the values are worked out in 16 bits before they arrive.
void Form1::PlaceLine(LineControl &line, Int16 x1, Int16 y1, Int16 x2, Int16 y2)
{
    line.setX1(x1.toSingle());
    line.setY1(y1.toSingle());
    line.setX2(x2.toSingle());
    line.setY2(y2.toSingle());
}

// Lengthens the highlight up to P. Each side's range ends at its corner, and a line beyond P's
// side is never touched: it is parked already (reset, box cleared, or the step back parked it).
void Form1::DrawPathLines()
{
    const Int16 d = Distance;
    if (d == 0) {
        park(Line4[0], line4Parking[0]);
    } else if (d >= 1 && d <= 8) {
        PlaceLine(Line4[0], 75, 250, 75, 250 - 25 * d);
    } else if (d >= 9 && d <= 20) {
        PlaceLine(Line4[0], 75, 250, 75, 50);
        PlaceLine(Line4[1], 75, 50, 75 + 25 * (d - 8), 50);
    } else if (d >= 21 && d <= 28) {
        PlaceLine(Line4[0], 75, 250, 75, 50);
        PlaceLine(Line4[1], 75, 50, 375, 50);
        PlaceLine(Line4[2], 375, 50, 375, 50 + 25 * (d - 20));
    }
}

// The perpendicular from P to BC. Here the corners A and D open the next range; at B and C the
// height is zero and the line is parked.
void Form1::DrawHeightLine()
{
    const Int16 d = Distance;
    if (d == 0 || d == 28) {
        park(Line5, line5Parking);
    } else if (d >= 1 && d <= 7) {
        PlaceLine(Line5, 75, 250, 75, 250 - 25 * d);
    } else if (d >= 8 && d <= 19) {
        PlaceLine(Line5, 75 + 25 * (d - 8), 50, 75 + 25 * (d - 8), 250);
    } else if (d >= 20 && d <= 27) {
        PlaceLine(Line5, 375, 250, 375, 50 + 25 * (d - 20));
    }
}

void Form1::Check1_Click()
{
    if (Check1.value() == 0) {
        park(Line4[0], line4Parking[0]);
        park(Line4[1], line4Parking[1]);
        park(Line4[2], line4Parking[2]);
    } else {
        DrawPathLines();
    }
}

void Form1::Check3_Click()
{
    if (Check3.value() == 0)
        park(Line5, line5Parking);
    else
        DrawHeightLine();
}
