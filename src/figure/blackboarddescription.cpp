// The blackboard's accessible description, kept up to date with every step and reset.
#include "figure/blackboarddescription.h"

#include "app/form1.h"
#include "runtime/numbertext.h"

namespace {
// A corner by its name, otherwise the side that P walks along.
std::u16string placeOnPath(int distance)
{
    switch (distance) {
    case 0:
        return u"頂点Ｂ";
    case 8:
        return u"頂点Ａ";
    case 20:
        return u"頂点Ｄ";
    case 28:
        return u"頂点Ｃ";
    default:
        break;
    }
    if (distance < 8)
        return u"辺ＢＡ上";
    if (distance < 20)
        return u"辺ＡＤ上";
    return u"辺ＤＣ上";
}

// P's distance from side BC, the height of the triangle over its base BC.
int heightOverBC(int distance)
{
    if (distance <= 8)
        return distance;
    if (distance <= 20)
        return 8;
    return 28 - distance;
}
} // namespace

std::u16string blackboardDescription(int distance)
{
    const int base = 12;
    const int area = base * heightOverBC(distance) / 2;
    return u"点Ｐ：Ｂから" + decimalText(distance) + u"cm（" + placeOnPath(distance) +
           u"）、三角形ＰＢＣの面積 " + decimalText(area) + u"cm²";
}

void Form1::DescribeBlackboard()
{
    const std::u16string description = blackboardDescription(Distance.value());
    kokuban.setAccessibleDescription(description);
    announce(description);
}
