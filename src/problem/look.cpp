// Today's lesson's own look: the numbers its figure and graph paper have always been drawn with.
#include "problem/look.h"

namespace {
// The tag moves 22 px for P's 25 along the sides and 24 px along the top, so that it drifts back
// along each side; it is pushed 15 px on past A and 20 px down past D, and going back it is put
// beside A and D when P arrives there.
constexpr double alongSides = 22.0 / 25.0;
constexpr double alongTop = 24.0 / 25.0;

TagLeg upBA()
{
    TagLeg leg;
    leg.forward.top.follow = alongSides;
    leg.back.top.follow = alongSides;
    return leg;
}

TagLeg alongAD()
{
    TagLeg leg;
    leg.forward.topFirst = true;
    leg.forward.top = {22, 0, 0, 0, 0};
    leg.forward.left = {0, 1, alongTop, 0, 15};
    leg.back.left.follow = alongTop;
    leg.back.arrival = LookPoint{48, 48};
    return leg;
}

TagLeg downDC()
{
    TagLeg leg;
    leg.forward.left = {390, 0, 0, 0, 0};
    leg.forward.top = {0, 1, alongSides, 0, 20};
    leg.back.top.follow = alongSides;
    leg.back.arrival = LookPoint{355, 22};
    return leg;
}

// The x-axis numbers are one row, spaced with blanks so that in the layout's character widths
// each number stands under its grid line.
const std::u16string xAxisNumbers =
    u"２   ４ \u3000６   ８ \u300010  12\u300014\u300016\u300018\u300020\u300022\u300024\u3000"
    u"26\u300028 \u3000 (cm)";

BoardLook todaysBoard()
{
    BoardLook board;
    board.originX = 75;
    board.originY = 250;
    board.scale = 25;
    board.texts = {{20, 150, u"８cm"}, {200, 265, u"１２cm"}};
    board.letters = {{{48, 32}, {48, 248}, {390, 248}, {390, 32}}};
    board.tagStart = {48, 226};
    board.tag = {upBA(), alongAD(), downDC()};
    // P's height over BC: from B up to P, from P down to BC, from C up to P.
    board.heightFromFoot = {true, false, true};
    board.seedNudge = {-2.5, 2.5};
    return board;
}

GraphLook todaysGraph()
{
    GraphLook graph;
    // Every 20 px: 8 cm² up to 56, 2 cm across to 30.
    for (int i = 0; i <= 7; ++i)
        graph.rows.push_back(200 - 20 * i);
    graph.rowFrom = 50;
    graph.rowTo = 365;
    for (int i = 0; i <= 15; ++i)
        graph.columns.push_back(50 + 20 * i);
    graph.columnFrom = 200;
    graph.columnTo = 40;
    graph.texts = {{65, 210, xAxisNumbers},
                   {35, 205, u"０"},
                   {26, 175, u"\u3000８"},
                   {17, 155, u"\u3000１６"},
                   {17, 135, u"\u3000２４"},
                   {17, 115, u"\u3000３２"},
                   {17, 95, u"\u3000４０"},
                   {17, 75, u"\u3000４８"},
                   {12, 55, u"(cm  )"},
                   // The 2 of cm² over the gap of the unit, from the left edge where the unit's
                   // print ended its line.
                   {std::nullopt, 51, u"        2"}};
    graph.originX = 49;
    graph.originY = 200;
    graph.perStep = 10;
    graph.perArea = Rational(5, 2);
    return graph;
}
} // namespace

const Look &todaysLook()
{
    static const Look look{todaysBoard(), todaysGraph()};
    return look;
}
