// The blackboard of a problem from a link: the figure scaled to fit where today's stands, with
// its letters, lengths, M and P's speed round it, and the tag's rules along each leg.
#include "app/lesson.h"

#include "app/printing.h"
#include "platform/textmetrics.h"

#include <algorithm>
#include <cmath>

namespace {
// Today's figure fills the box from (75, 50) to (375, 250); every figure is scaled to fit it,
// which leaves room round it for the letters and lengths.
constexpr int boxLeft = 75;
constexpr int boxBottom = 250;
constexpr int boxWidth = 300;
constexpr int boxHeight = 200;
// Each corner's letter stands where today's stands from its corner.
constexpr std::array<LookPoint, 4> letterOffsets{{{-27, -18}, {-27, -2}, {15, -2}, {15, -18}}};
// A letter the figure does not have waits below the drawing area.
constexpr LookPoint outOfSight{390, 330};
// The tag's middle stands this far out from P's side, and drifts back along the side by this
// much (by at most half the side) as P walks it, so that it clears the letters at both ends.
constexpr double tagDistance = 20;
constexpr double tagDrift = 28;
// The lengths of the sides keep clear of the tag where P walks them.
constexpr double lengthGap = 28;
constexpr double clearOfTag = 33;
constexpr double besideSide = 15;
// M's tick stands out of its side from here to there, and its letter's middle further out.
constexpr double tickFrom = 3;
constexpr double tickTo = 9;
constexpr double mLetter = 18;

struct Vector
{
    double x = 0;
    double y = 0;
};

Vector operator+(Vector a, Vector b)
{
    return {a.x + b.x, a.y + b.y};
}

Vector operator-(Vector a, Vector b)
{
    return {a.x - b.x, a.y - b.y};
}

Vector operator*(Vector a, double k)
{
    return {a.x * k, a.y * k};
}

LookPoint lookPoint(Vector v)
{
    return {v.x, v.y};
}

std::u16string fullWidthDigits(int number)
{
    std::u16string text;
    for (const char digit : std::to_string(number))
        text += char16_t(u'０' + (digit - '0'));
    return text;
}

class Board
{
public:
    explicit Board(const RouteWalk &walk) : m_walk(walk), m_problem(walk.problem())
    {
        const int width = std::max(m_problem.bc, m_problem.ad);
        const int height = m_problem.ab;
        m_scale = std::max(1, std::min(boxWidth / width, boxHeight / height));
        m_originX = boxLeft + (boxWidth - m_scale * width) / 2;
        m_originY = boxBottom - (boxHeight - m_scale * height) / 2;
        const std::vector<Corner> corners = cornersOf(m_problem.figure);
        for (const Corner corner : corners)
            m_centre = m_centre + at(corner) * (1.0 / double(corners.size()));
    }

    BoardLook look() const;

private:
    static std::vector<Corner> cornersOf(Figure figure)
    {
        if (figure == Figure::Triangle)
            return {Corner::A, Corner::B, Corner::C};
        return {Corner::A, Corner::B, Corner::C, Corner::D};
    }

    Vector at(const Place &place) const
    {
        return {m_originX + m_scale * place.x.toDouble(), m_originY - m_scale * place.y.toDouble()};
    }
    Vector at(Corner corner) const { return at(cornerPlace(m_problem, corner)); }

    // The unit vector at right angles to the side from a to b, pointing out of the figure.
    Vector outward(Vector a, Vector b) const
    {
        const double length = std::hypot(b.x - a.x, b.y - a.y);
        const Vector normal{(b.y - a.y) / length, (a.x - b.x) / length};
        const Vector middle = (a + b) * 0.5;
        const Vector out = middle - m_centre;
        return out.x * normal.x + out.y * normal.y >= 0 ? normal : normal * -1;
    }

    bool walks(Corner a, Corner b) const
    {
        for (const Leg &leg : m_walk.legs())
            if ((leg.from == a && leg.to == b) || (leg.from == b && leg.to == a))
                return true;
        return false;
    }

    bool hasM(Corner a, Corner b) const
    {
        const std::optional<Side> m = m_problem.m;
        const bool used = m_problem.fixed[0].midpoint || m_problem.fixed[1].midpoint;
        return used && m && ((m->from == a && m->to == b) || (m->from == b && m->to == a));
    }

    void addLengths(BoardLook &board) const;
    void addM(BoardLook &board) const;
    TagLeg tagLeg(const Leg &leg, Size tag) const;

    const RouteWalk &m_walk;
    const Problem &m_problem;
    int m_scale = 1;
    int m_originX = 0;
    int m_originY = 0;
    Vector m_centre;
};

// AB's length to its left, BC's below it and a trapezoid's AD above it, as today's figure has
// AB's and BC's; further out where P's tag passes, and on past M's letter where M is.
void Board::addLengths(BoardLook &board) const
{
    const auto add = [&board](double x, double y, const std::u16string &text) {
        board.texts.push_back({x, y, text});
    };
    const std::u16string ab = fullWidthDigits(m_problem.ab) + u"cm";
    const Vector a = at(Corner::A);
    const Vector b = at(Corner::B);
    const Vector c = at(Corner::C);
    add(b.x - lengthGap - printedWidth(ab), (a.y + b.y - printedHeight(ab)) / 2, ab);

    const std::u16string bc = fullWidthDigits(m_problem.bc) + u"cm";
    const double bcX = hasM(Corner::B, Corner::C) ? (b.x + c.x) / 2 + mLetter - tickTo
                                                  : (b.x + c.x - printedWidth(bc)) / 2;
    add(bcX, b.y + (walks(Corner::B, Corner::C) ? clearOfTag : besideSide), bc);

    if (m_problem.figure == Figure::Trapezoid) {
        const std::u16string ad = fullWidthDigits(m_problem.ad) + u"cm";
        const Vector d = at(Corner::D);
        const double adX = hasM(Corner::A, Corner::D) ? (a.x + d.x) / 2 + mLetter - tickTo
                                                      : (a.x + d.x - printedWidth(ad)) / 2;
        const double above = walks(Corner::A, Corner::D) ? clearOfTag : besideSide / 2;
        add(adX, a.y - above - printedHeight(ad), ad);
    }
}

// M's tick out of its side and its letter beyond.
void Board::addM(BoardLook &board) const
{
    if (!m_problem.m || !(m_problem.fixed[0].midpoint || m_problem.fixed[1].midpoint))
        return;
    const Vector from = at(m_problem.m->from);
    const Vector to = at(m_problem.m->to);
    const Vector m = (from + to) * 0.5;
    const Vector out = outward(from, to);
    board.marks.push_back({lookPoint(m + out * tickFrom), lookPoint(m + out * tickTo)});
    const Vector letter = m + out * mLetter;
    board.texts.push_back(
        {letter.x - printedWidth(u"Ｍ") / 2, letter.y - printedHeight(u"Ｍ") / 2, u"Ｍ"});
}

// The tag's top-left follows P: out from the side by the tag's distance, and moving a little less
// than P along it, from ahead of P at the leg's first corner to behind it at the last.
TagLeg Board::tagLeg(const Leg &leg, Size tag) const
{
    const Vector start = at(leg.start);
    const Vector end = at(leg.end);
    const double length = double(m_scale) * leg.length;
    const Vector along = (end - start) * (1 / length);
    const double drift = std::min(tagDrift, length / 2);
    const double gain = 1 - drift / length;
    const Vector first = start + outward(start, end) * tagDistance + along * (drift / 2) -
                         Vector{tag.width / 2.0, tag.height / 2.0};
    TagRule rule;
    rule.left = {first.x - gain * start.x, 0, 0, gain, 0};
    rule.top = {first.y - gain * start.y, 0, 0, gain, 0};
    return {rule, rule};
}

BoardLook Board::look() const
{
    BoardLook board;
    board.originX = m_originX;
    board.originY = m_originY;
    board.scale = m_scale;
    addLengths(board);
    addM(board);
    if (m_problem.speed != 1)
        board.texts.push_back({8, 8, u"毎秒 " + decimalString(m_problem.speed) + u"cm"});
    for (int i = 0; i < 4; ++i) {
        const Corner corner = Corner(i);
        board.letters[i] =
            hasCorner(m_problem.figure, corner)
                ? lookPoint(at(corner) + Vector{letterOffsets[i].x, letterOffsets[i].y})
                : outOfSight;
    }
    const Size tag = textSize(gothicFont(21, true), u"Ｐ");
    for (const Leg &leg : m_walk.legs())
        board.tag.push_back(tagLeg(leg, tag));
    const TagRule &first = board.tag.front().forward;
    const Vector start = at(m_walk.legs().front().start);
    board.tagStart = {std::floor(first.left.fixed + first.left.track * start.x + 0.5),
                      std::floor(first.top.fixed + first.top.track * start.y + 0.5)};
    board.heightFromFoot.assign(m_walk.legs().size(), true);
    return board;
}
} // namespace

BoardLook fitBoard(const RouteWalk &walk)
{
    return Board(walk).look();
}
