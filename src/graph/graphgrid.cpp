// The graph paper: grid, axes, axis numbers and the unit of the area.
#include "app/form1.h"

#include "runtime/numbertext.h"

namespace {
constexpr Color gridColor{0, 128, 0};

// Spaced so that, in the character widths the surface lays its text out in, each number stands
// under its grid line.
const std::u16string xAxisNumbers =
    u"２   ４ \u3000６   ８ \u300010  12\u300014\u300016\u300018\u300020\u300022\u300024\u3000"
    u"26\u300028 \u3000 (cm)";
} // namespace

void Form1::DrawGraphGrid()
{
    gamen.cls();
    for (Int16 i = 0; i <= 7; i = i + 1) {
        const float y = (200 - 20 * i).toSingle();
        gamen.line({50, y}, {365, y}, gridColor);
    }
    for (Int16 i = 0; i <= 15; i = i + 1) {
        const float x = (50 + 20 * i).toSingle();
        gamen.line({x, 200}, {x, 40}, gridColor);
    }
    gamen.line({30, 201}, {365, 201}, gridColor);
    gamen.line({49, 220}, {49, 40}, gridColor);
    gamen.setCurrentX(65);
    gamen.setCurrentY(210);
    gamen.print(xAxisNumbers);
    gamen.setCurrentX(35);
    gamen.setCurrentY(205);
    gamen.print(u"０");
    for (Int16 i = 1; i <= 6; i = i + 1) {
        gamen.setCurrentX(i == 1 ? 26 : 17);
        gamen.setCurrentY((195 - 20 * i).toSingle());
        gamen.print(fullWidth(numberText(8 * i)));
    }
    gamen.setCurrentX(12);
    gamen.setCurrentY(55);
    gamen.print(u"(cm  )");
    gamen.setCurrentY(51);
    gamen.print(u"        2");
}
