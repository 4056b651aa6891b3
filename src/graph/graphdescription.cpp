// The graph paper's accessible description, read from the trace as it is drawn.
#include "graph/graphdescription.h"

#include "app/form1.h"
#include "runtime/numbertext.h"

#include <cmath>
#include <vector>

namespace {
// The graph's x axis: the origin's pixel column and the scale.
constexpr double originX = 49;
constexpr double pixelsPerCentimetre = 10;

const std::array<std::u16string, 3> formulas{u"y = 6x", u"y = 48", u"y = −6x + 168"};

struct Piece
{
    std::u16string formula;
    int from;
    int to;
};

int centimetres(double x)
{
    return int(std::lround((x - originX) / pixelsPerCentimetre));
}

// Where the pieces meet end to end, the range of the whole graph is worth saying first.
bool joined(const std::vector<Piece> &pieces)
{
    for (std::size_t i = 1; i < pieces.size(); ++i)
        if (pieces[i].from != pieces[i - 1].to)
            return false;
    return true;
}

std::u16string range(int from, int to)
{
    return decimalText(from) + u"〜" + decimalText(to);
}
} // namespace

std::u16string graphDescription(const std::array<LineF, 3> &trace, double areaHeight)
{
    std::vector<Piece> shown;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        const LineF &line = trace[i];
        if (line.y1 < areaHeight || line.y2 < areaHeight)
            shown.push_back({formulas[i], centimetres(line.x1), centimetres(line.x2)});
    }
    if (shown.empty())
        return u"グラフ：まだかかれていません";
    std::u16string text = u"グラフ：";
    if (joined(shown))
        text += u"x = " + range(shown.front().from, shown.back().to) + u"、";
    for (const Piece &piece : shown)
        text += piece.formula + u"（" + range(piece.from, piece.to) + u"）、";
    text.pop_back();
    return text;
}

void Form1::DescribeGraph()
{
    gamen.setAccessibleDescription(graphDescription({Line1.line(), Line2.line(), Line3.line()},
                                                    gamen.drawingAreaSize().height));
}
