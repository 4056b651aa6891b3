// The graph paper: grid, axes, axis numbers and the units.
#include "app/form1.h"

#include "app/printing.h"

namespace {
constexpr Color gridColor{0, 128, 0};
} // namespace

// The grid lines, the numbers and the units are where the lesson's look puts them; today's
// numbers are spaced by hand so that, in the character widths the surface lays its text out in,
// each stands under its grid line. The axes are the same for every problem.
void drawGraphPaper(PictureBox &paper, const Lesson &lesson)
{
    const GraphLook &graph = lesson.look.graph;
    paper.cls();
    for (const double y : graph.rows)
        paper.line({graph.rowFrom, y}, {graph.rowTo, y}, gridColor);
    for (const double x : graph.columns)
        paper.line({x, graph.columnFrom}, {x, graph.columnTo}, gridColor);
    paper.line({30, 201}, {365, 201}, gridColor);
    paper.line({49, 220}, {49, 40}, gridColor);
    for (const PrintedText &text : graph.texts)
        printText(paper, text);
}

void Form1::DrawGraphGrid()
{
    drawGraphPaper(gamen, lesson);
}
