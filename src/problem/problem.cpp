// The figure's geometry, P's walk, the triangle's area and the graph's pieces, and their texts.
#include "problem/problem.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {
int whole(Corner corner)
{
    return static_cast<int>(corner);
}

// The whole square root, or 0 when there is none.
int wholeRoot(int square)
{
    for (int root = 0; root * root <= square; ++root)
        if (root * root == square)
            return root;
    return 0;
}

Rational cross(const Place &u, const Place &v)
{
    return u.x * v.y - u.y * v.x;
}

Place minus(const Place &a, const Place &b)
{
    return {a.x - b.x, a.y - b.y};
}

std::u16string ascii(const std::string &text)
{
    return std::u16string(text.begin(), text.end());
}
} // namespace

bool Problem::sameAs(const Problem &other) const
{
    return figure == other.figure && ab == other.ab && bc == other.bc && ad == other.ad &&
           route == other.route && fixed == other.fixed && m == other.m && speed == other.speed;
}

Problem todaysProblem()
{
    Problem problem;
    problem.look = &todaysLook();
    return problem;
}

bool hasCorner(Figure figure, Corner corner)
{
    return corner != Corner::D || figure != Figure::Triangle;
}

Place cornerPlace(const Problem &problem, Corner corner)
{
    switch (corner) {
    case Corner::A:
        return {0, problem.ab};
    case Corner::B:
        return {0, 0};
    case Corner::C:
        return {problem.bc, 0};
    case Corner::D:
        break;
    }
    return {problem.ad, problem.ab};
}

// The sides run round the figure: AB, BC, CD, DA, or AB, BC, CA for a triangle.
bool isSide(Figure figure, Corner a, Corner b)
{
    if (!hasCorner(figure, a) || !hasCorner(figure, b) || a == b)
        return false;
    const int corners = figure == Figure::Triangle ? 3 : 4;
    const int difference = std::abs(whole(a) - whole(b));
    return difference == 1 || difference == corners - 1;
}

int squaredLength(const Problem &problem, Corner a, Corner b)
{
    const Place d = minus(cornerPlace(problem, a), cornerPlace(problem, b));
    return int((d.x * d.x + d.y * d.y).numerator());
}

int wholeLength(const Problem &problem, Corner a, Corner b)
{
    return wholeRoot(squaredLength(problem, a, b));
}

Place midpoint(const Problem &problem, Side side)
{
    const Place a = cornerPlace(problem, side.from);
    const Place b = cornerPlace(problem, side.to);
    return {(a.x + b.x) * Rational(1, 2), (a.y + b.y) * Rational(1, 2)};
}

Place fixedPlace(const Problem &problem, const FixedPoint &point)
{
    if (point.midpoint)
        return midpoint(problem, problem.m.value_or(Side{}));
    return cornerPlace(problem, point.corner);
}

Foot perpendicularFoot(const Place &p, const Place &a, const Place &b)
{
    const Place ab = minus(b, a);
    const Place ap = minus(p, a);
    const Rational along = (ap.x * ab.x + ap.y * ab.y) / (ab.x * ab.x + ab.y * ab.y);
    return {{a.x + ab.x * along, a.y + ab.y * along}, along};
}

RouteWalk::RouteWalk(const Problem &problem) : m_problem(problem)
{
    for (int i = 0; i < 2; ++i)
        m_fixed[i] = fixedPlace(problem, problem.fixed[i]);
    Rational distance = 0;
    for (std::size_t i = 1; i < problem.route.size(); ++i) {
        const Corner from = problem.route[i - 1];
        const Corner to = problem.route[i];
        const int length = wholeLength(problem, from, to);
        m_legs.push_back({from, to, cornerPlace(problem, from), cornerPlace(problem, to), length,
                          distance, distance + length});
        distance += length;
    }
    m_length = distance;
    m_steps = int((distance / problem.speed).floor());

    // Along a leg the signed area changes linearly with the distance, so the graph is straight
    // there unless the sign changes on the way.
    for (std::size_t i = 0; i < m_legs.size(); ++i) {
        const Leg &leg = m_legs[i];
        const Rational from = leg.startDistance / problem.speed;
        const Rational to = leg.endDistance / problem.speed;
        const Rational atFrom = doubledSignedArea(leg.start);
        const Rational atTo = doubledSignedArea(leg.end);
        std::vector<Rational> ends{from};
        if (atFrom.sign() * atTo.sign() < 0)
            ends.push_back(from + (to - from) * atFrom / (atFrom - atTo));
        ends.push_back(to);
        for (std::size_t k = 1; k < ends.size(); ++k) {
            const Rational x1 = ends[k - 1];
            const Rational x2 = ends[k];
            const Rational y1 = areaAt(x1);
            const Rational y2 = areaAt(x2);
            const Rational slope = (y2 - y1) / (x2 - x1);
            m_pieces.push_back({x1, x2, slope, y1 - slope * x1, int(i)});
        }
    }

    // The line through the fixed points lies along a side when both lie on that side's line.
    static constexpr Corner round[] = {Corner::A, Corner::B, Corner::C, Corner::D};
    const int corners = problem.figure == Figure::Triangle ? 3 : 4;
    for (int i = 0; i < corners; ++i) {
        const Place u = cornerPlace(problem, round[i]);
        const Place side = minus(cornerPlace(problem, round[(i + 1) % corners]), u);
        if (cross(side, minus(m_fixed[0], u)).sign() == 0 &&
            cross(side, minus(m_fixed[1], u)).sign() == 0)
            m_baseOnSide = true;
    }
}

Place RouteWalk::placeAt(Rational distance) const
{
    if (m_legs.empty())
        return {};
    const Leg &leg = m_legs[legAt(distance, Direction::Forward)];
    const Rational along = (distance - leg.startDistance) / leg.length;
    return {leg.start.x + (leg.end.x - leg.start.x) * along,
            leg.start.y + (leg.end.y - leg.start.y) * along};
}

int RouteWalk::legAt(Rational distance, Direction direction) const
{
    const int last = int(m_legs.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        const Leg &leg = m_legs[i];
        if (direction == Direction::Forward ? distance <= leg.endDistance
                                            : distance < leg.endDistance)
            return i;
    }
    return std::max(last, 0);
}

std::optional<Corner> RouteWalk::cornerAt(Rational distance) const
{
    for (const Leg &leg : m_legs) {
        if (distance == leg.startDistance)
            return leg.from;
        if (distance == leg.endDistance)
            return leg.to;
    }
    return std::nullopt;
}

Rational RouteWalk::doubledSignedArea(const Place &p) const
{
    return cross(minus(m_fixed[0], p), minus(m_fixed[1], p));
}

Rational RouteWalk::area(const Place &p) const
{
    return abs(doubledSignedArea(p)) * Rational(1, 2);
}

Rational RouteWalk::largestArea() const
{
    Rational largest = 0;
    for (const Piece &piece : m_pieces)
        largest = std::max({largest, piece.at(piece.from), piece.at(piece.to)});
    return largest;
}

int RouteWalk::pieceAt(Rational steps, Direction direction) const
{
    const int last = int(m_pieces.size()) - 1;
    for (int i = 0; i <= last; ++i) {
        const Piece &piece = m_pieces[i];
        if (direction == Direction::Forward ? steps <= piece.to : steps < piece.to)
            return i;
    }
    return std::max(last, 0);
}

std::u16string decimalString(Rational value, int places)
{
    // Rounded half away from zero at the last place, trailing zeros dropped.
    std::int64_t unit = 1;
    for (int i = 0; i < places; ++i)
        unit *= 10;
    const bool negative = value.sign() < 0;
    const std::int64_t rounded = (abs(value) * unit + Rational(1, 2)).floor();
    std::string text = std::to_string(rounded / unit);
    std::string fraction = std::to_string(rounded % unit + unit).substr(1);
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += '.' + fraction;
    return (negative && rounded != 0 ? u"-" : u"") + ascii(text);
}

std::u16string coefficientString(Rational value)
{
    constexpr int exactPlaces = 4;
    return decimalString(value, (value * 10'000).isWhole() ? exactPlaces : 2);
}

std::u16string cornerLetter(Corner corner)
{
    return std::u16string(1, char16_t(u'Ａ' + whole(corner)));
}

std::u16string fixedLetter(const FixedPoint &point)
{
    return point.midpoint ? u"Ｍ" : cornerLetter(point.corner);
}

std::u16string formulaText(const Piece &piece)
{
    std::u16string text = u"y = ";
    const Rational slope = piece.slope;
    const Rational intercept = piece.intercept;
    if (slope.sign() == 0)
        return text + (intercept.sign() < 0 ? u"−" : u"") + coefficientString(abs(intercept));
    if (slope.sign() < 0)
        text += u"−";
    if (abs(slope) != 1)
        text += coefficientString(abs(slope));
    text += u"x";
    if (intercept.sign() != 0)
        text += (intercept.sign() < 0 ? u" − " : u" + ") + coefficientString(abs(intercept));
    return text;
}

std::u16string boardText(const RouteWalk &walk, int steps)
{
    const Problem &problem = walk.problem();
    const Rational distance = walk.distance(steps);
    std::u16string place;
    if (const std::optional<Corner> corner = walk.cornerAt(distance)) {
        place = u"頂点" + cornerLetter(*corner);
    } else {
        const Leg &leg = walk.legs()[walk.legAt(distance, Direction::Forward)];
        place = u"辺" + cornerLetter(leg.from) + cornerLetter(leg.to) + u"上";
    }
    return u"点Ｐ：" + cornerLetter(problem.route.front()) + u"から" + decimalString(distance) +
           u"cm（" + place + u"）、三角形Ｐ" + fixedLetter(problem.fixed[0]) +
           fixedLetter(problem.fixed[1]) + u"の面積 " +
           decimalString(walk.area(walk.placeAt(distance))) + u"cm²";
}
