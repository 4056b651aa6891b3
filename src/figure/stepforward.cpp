// One step of P forward along B, A, D, C, and the parts of a step that the step back shares.
#include "app/form1.h"

#include "runtime/numbertext.h"
#include "runtime/roundint32.h"

void Form1::susumu_Click()
{
    DrawRectangle();
    Distance = Distance + 1;
    if (Distance == 29) {
        Distance = 28;
        return;
    }
    ShowDistance();
    MoveMarkerForward();
    DrawTriangle();
    if (Check1.value() != 0)
        DrawPathLines();
    if (Check3.value() != 0)
        DrawHeightLine();
    if (Check2.value() != 0) {
        DrawGraphGrid();
        PlaceGraphLine();
        DescribeGraph();
    }
    DescribeBlackboard();
}

void Form1::ShowDistance()
{
    Text1.setText(numberText(Distance));
}

// The marker's own place decides the side; each test sees what the one before it left, so
// exactly one fires on the path. The tag gets an extra push past A (Distance 9) and D (21).
void Form1::MoveMarkerForward()
{
    if (Shape1.left() == 370 && Shape1.top() != 245) {
        Shape1.setTop(Shape1.top() + 25);
        P.setLeft(390);
        P.setTop(P.top() + (Distance == 21 ? 42 : 22));
    }
    if (Shape1.top() == 45 && Shape1.left() != 370) {
        Shape1.setLeft(Shape1.left() + 25);
        P.setTop(22);
        P.setLeft(P.left() + (Distance == 9 ? 39 : 24));
    }
    if (Shape1.left() == 70 && Shape1.top() != 45) {
        Shape1.setTop(Shape1.top() - 25);
        P.setTop(P.top() - 22);
    }
}

// Outlines triangle PBC (BC is the rectangle's side) and shades it unless P lies on BC. The
// seed sits between P and the middle of BC, well inside the triangle.
void Form1::DrawTriangle()
{
    const PointF apex{Shape1.left() + 5.0, Shape1.top() + 5.0};
    kokuban.line({75, 250}, apex);
    kokuban.line({375, 250}, apex);
    kokuban.setFillStyle(PictureBox::FillStyle::Solid);
    if (Shape1.top() != 245) {
        const Point seed{roundToInt32((double(Shape1.left()) + 225) / 2),
                         roundToInt32((double(Shape1.top()) + 250) / 2 + 5)};
        kokuban.floodFill(seed, kokuban.foreColor());
    }
    kokuban.setFillStyle(PictureBox::FillStyle::Transparent);
}
