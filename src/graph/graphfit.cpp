// The graph paper of a problem from a link: x from 0 to the last step and y from 0 to the largest
// area, grid lines at 1, 2 or 5 times a power of ten and no closer than today's 20 px, every
// number centred under or beside its line.
#include "app/lesson.h"

#include "app/printing.h"

#include <algorithm>

namespace {
// Where x = 0 and y = 0 lie, as today's.
constexpr int originX = 49;
constexpr int originY = 200;
// The graph's own room: today's ends at 28 cm, 280 px across, with the unit after it; up, it may
// use the whole grid, to y = 60, with the unit of y above the grid's top. The grid goes on to
// x = 350 and y = 60 as today's.
constexpr int roomAcross = 280;
constexpr int roomUp = 140;
constexpr int closest = 20;
constexpr int gridRight = 350;
constexpr int gridTop = 60;
constexpr int numbersTop = 210;
constexpr int numbersRight = 45;

// 1, 2 and 5 times the powers of ten from a thousandth up.
Rational niceStep(int index)
{
    static constexpr int mantissas[] = {1, 2, 5};
    Rational step = mantissas[index % 3];
    for (int power = index / 3; power < 3; ++power)
        step = step / 10;
    for (int power = 3; power < index / 3; ++power)
        step = step * 10;
    return step;
}

std::int64_t ceiling(Rational value)
{
    return -(-value).floor();
}

// The step of the grid's values and its cells' count: the finest step with at most `most` cells.
std::pair<Rational, int> gridStep(Rational largest, int most)
{
    for (int index = 0;; ++index) {
        const Rational step = niceStep(index);
        const std::int64_t cells = ceiling(largest / step);
        if (cells <= most)
            return {step, int(std::max<std::int64_t>(cells, 1))};
    }
}
} // namespace

GraphLook fitGraph(const RouteWalk &walk)
{
    GraphLook graph;
    const auto [xStep, xCells] = gridStep(walk.steps(), roomAcross / closest);
    const auto [yStep, yCells] = gridStep(walk.largestArea(), roomUp / closest);
    const int across = roomAcross / xCells;
    const int up = roomUp / yCells;

    for (int y = originY; y >= gridTop; y -= up)
        graph.rows.push_back(y);
    graph.rowFrom = originX;
    graph.rowTo = 365;
    for (int x = originX; x <= gridRight; x += across)
        graph.columns.push_back(x);
    graph.columnFrom = originY;
    graph.columnTo = 40;

    // Numbers under their lines, every one that has room.
    double widest = 0;
    for (int k = 1; k <= xCells; ++k)
        widest = std::max(widest, printedWidth(decimalString(xStep * k)));
    int every = 1;
    while (every * across < widest + 6)
        ++every;
    for (int k = every; k <= xCells; k += every) {
        const std::u16string number = decimalString(xStep * k);
        graph.texts.push_back(
            {originX + k * across - printedWidth(number) / 2, numbersTop, number});
    }
    graph.texts.push_back({originX + xCells * across + 12.0, numbersTop,
                           walk.problem().speed == 1 ? u"(cm)" : u"(秒)"});
    graph.texts.push_back({35, 205, u"０"});
    for (int k = 1; k <= yCells; ++k) {
        const std::u16string number = decimalString(yStep * k);
        graph.texts.push_back({numbersRight - printedWidth(number),
                               originY - k * up - printedHeight(number) / 2, number});
    }
    // The unit of y as today's, cm with a raised 2, above the grid's top line.
    graph.texts.push_back({12, 36, u"(cm  )"});
    graph.texts.push_back({std::nullopt, 32, u"        2"});

    graph.originX = originX;
    graph.originY = originY;
    graph.perStep = Rational(across) / xStep;
    graph.perArea = Rational(up) / yStep;
    return graph;
}
