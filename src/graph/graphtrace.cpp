// The trace of the area on the graph paper: three pieces, one per side of the rectangle, that
// grow and shrink with the steps.
#include "app/form1.h"

#include "app/parking.h"

// Only the piece of the current side moves to end at P's distance; earlier pieces keep their
// full length.
void Form1::PlaceGraphLine()
{
    const Int16 d = Distance;
    if (d >= 1 && d <= 8)
        PlaceLine(Line1, 49, 200, 49 + 10 * d, 200 - 15 * d);
    else if (d >= 9 && d <= 20)
        PlaceLine(Line2, 129, 80, 129 + 10 * (d - 8), 80);
    else if (d >= 21 && d <= 28)
        PlaceLine(Line3, 249, 80, 249 + 10 * (d - 20), 80 + 15 * (d - 20));
}

// At a corner the piece of the side left is parked; elsewhere the current piece ends at P.
void Form1::PlaceGraphLineBack()
{
    const Int16 d = Distance;
    if (d == 0)
        park(Line1, line1Parking);
    else if (d == 8)
        park(Line2, line2Parking);
    else if (d == 20)
        park(Line3, line3Parking);
    else
        PlaceGraphLine();
}
