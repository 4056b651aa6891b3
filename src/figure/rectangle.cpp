// The fixed figure on the blackboard: rectangle ABCD and the lengths of its sides.
#include "app/form1.h"

void Form1::DrawRectangle()
{
    kokuban.cls();
    kokuban.box({75, 50}, {375, 250});
    kokuban.setCurrentX(20);
    kokuban.setCurrentY(150);
    kokuban.print(u"８cm");
    kokuban.setCurrentX(200);
    kokuban.setCurrentY(265);
    kokuban.print(u"１２cm");
    kokuban.setFillStyle(PictureBox::FillStyle::Transparent);
}
