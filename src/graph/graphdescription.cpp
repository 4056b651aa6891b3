// The graph paper's accessible description, read from the trace as it is drawn.
#include "graph/graphdescription.h"

#include "app/form1.h"

#include <cmath>

namespace {
struct Shown
{
    std::u16string formula;
    Rational from;
    Rational to;
};

// The x of a pixel column of the trace, to the hundredth.
Rational stepsAt(const GraphLook &graph, double x)
{
    const double steps = (x - graph.originX.toDouble()) / graph.perStep.toDouble();
    return Rational(std::llround(steps * 100), 100);
}

// Where the pieces meet end to end, the range of the whole graph is worth saying first.
bool joined(const std::vector<Shown> &pieces)
{
    for (std::size_t i = 1; i < pieces.size(); ++i)
        if (pieces[i].from != pieces[i - 1].to)
            return false;
    return true;
}

std::u16string range(Rational from, Rational to)
{
    return decimalString(from) + u"〜" + decimalString(to);
}
} // namespace

std::u16string graphDescription(const std::vector<LineF> &trace, const RouteWalk &walk,
                                const GraphLook &graph, double areaHeight)
{
    std::vector<Shown> shown;
    for (std::size_t i = 0; i < walk.pieces().size() && i < trace.size(); ++i) {
        const LineF &line = trace[i];
        if (line.y1 < areaHeight || line.y2 < areaHeight)
            shown.push_back(
                {formulaText(walk.pieces()[i]), stepsAt(graph, line.x1), stepsAt(graph, line.x2)});
    }
    if (shown.empty())
        return u"グラフ：まだかかれていません";
    std::u16string text = u"グラフ：";
    if (joined(shown))
        text += u"x = " + range(shown.front().from, shown.back().to) + u"、";
    for (const Shown &piece : shown)
        text += piece.formula + u"（" + range(piece.from, piece.to) + u"）、";
    text.pop_back();
    return text;
}

void Form1::DescribeGraph()
{
    std::vector<LineF> trace;
    for (std::size_t i = 0; i < lesson.walk.pieces().size(); ++i)
        trace.push_back(TraceLine(int(i)).line());
    gamen.setAccessibleDescription(
        graphDescription(trace, lesson.walk, lesson.look.graph, gamen.drawingAreaSize().height));
}
