// The blackboard's accessible description, kept up to date with every step and reset.
#include "figure/blackboarddescription.h"

#include "app/form1.h"
#include "platform/accessibledescription.h"

namespace {
// A corner by its name, otherwise the side that P walks along.
QString placeOnPath(int distance)
{
    switch (distance) {
    case 0:
        return QStringLiteral("頂点Ｂ");
    case 8:
        return QStringLiteral("頂点Ａ");
    case 20:
        return QStringLiteral("頂点Ｄ");
    case 28:
        return QStringLiteral("頂点Ｃ");
    default:
        break;
    }
    if (distance < 8)
        return QStringLiteral("辺ＢＡ上");
    if (distance < 20)
        return QStringLiteral("辺ＡＤ上");
    return QStringLiteral("辺ＤＣ上");
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

QString blackboardDescription(int distance)
{
    const int base = 12;
    const int area = base * heightOverBC(distance) / 2;
    return QStringLiteral("点Ｐ：Ｂから%1cm（%2）、三角形ＰＢＣの面積 %3cm²")
        .arg(QString::number(distance), placeOnPath(distance), QString::number(area));
}

void Form1::DescribeBlackboard()
{
    updateAccessibleDescription(kokuban, blackboardDescription(Distance.value()));
}
