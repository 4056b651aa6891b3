// One step of P back towards B.
#include "app/form1.h"

#include "app/parking.h"

// Same frame as the step forward, but it also takes away what the forward steps added: the
// highlight and the graph piece of a side that P leaves are parked at its corner.
void Form1::modoru_Click()
{
    DrawRectangle();
    Distance = Distance - 1;
    if (Distance == -1) {
        Distance = 0;
        return;
    }
    ShowDistance();
    MoveMarkerBack();
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

// On arrival at A or D the tag goes to a fixed place beside the side it is about to travel, since
// going back there is no extra push on the first step along a side.
void Form1::MoveMarkerBack()
{
    if (Shape1.left() == 70 && Shape1.top() != 245) {
        Shape1.setTop(Shape1.top() + 25);
        P.setTop(P.top() + 22);
    }
    if (Shape1.top() == 45) {
        if (Shape1.left() != 70) {
            Shape1.setLeft(Shape1.left() - 25);
            P.setLeft(P.left() - 24);
        }
        if (Shape1.left() == 70) {
            P.setLeft(48);
            P.setTop(48);
        }
    }
    if (Shape1.left() == 370) {
        if (Shape1.top() != 45) {
            Shape1.setTop(Shape1.top() - 25);
            P.setTop(P.top() - 22);
        }
        if (Shape1.top() == 45) {
            P.setLeft(355);
            P.setTop(22);
        }
    }
}

// Exactly one line moves: the highlight of P's side, or at a corner the line of the side left.
void Form1::PlacePathLineBack()
{
    const Int16 d = Distance;
    if (d == 0)
        park(Line4[0], line4Parking[0]);
    else if (d >= 1 && d <= 7)
        PlaceLine(Line4[0], 75, 250, 75, 250 - 25 * d);
    else if (d == 8)
        park(Line4[1], line4Parking[1]);
    else if (d >= 9 && d <= 19)
        PlaceLine(Line4[1], 75, 50, 75 + 25 * (d - 8), 50);
    else if (d == 20)
        park(Line4[2], line4Parking[2]);
    else if (d >= 21 && d <= 28)
        PlaceLine(Line4[2], 375, 50, 375, 50 + 25 * (d - 20));
}
