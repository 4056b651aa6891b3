// A moving-point problem of the chapter: the figure, P's route, the triangle and the speed; where
// P is after each step, the triangle's area there and the straight pieces of its graph.
//
// Places are in centimetres with B at the origin, x to the right and y up, as exact fractions.
// Nothing here knows a window system.
#pragma once

#include "problem/look.h"
#include "problem/rational.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

enum class Figure { Rectangle, Trapezoid, Triangle };

enum class Corner { A, B, C, D };

// A point of the figure, in centimetres.
struct Place
{
    Rational x;
    Rational y;
    friend constexpr bool operator==(const Place &, const Place &) = default;
};

// A side of the figure by its two corners, in the order they are written.
struct Side
{
    Corner from = Corner::A;
    Corner to = Corner::B;
    friend constexpr bool operator==(const Side &, const Side &) = default;
};

// One of the triangle's fixed points: a corner, or M, the midpoint of the problem's side m.
struct FixedPoint
{
    bool midpoint = false;
    Corner corner = Corner::B;
    friend constexpr bool operator==(const FixedPoint &, const FixedPoint &) = default;
};

struct Problem
{
    Figure figure = Figure::Rectangle;
    // Whole centimetres, 1 to 30. AD is BC's length for a rectangle and 0 for a triangle.
    int ab = 8;
    int bc = 12;
    int ad = 12;
    // The corners P visits, in order, from the first.
    std::vector<Corner> route{Corner::B, Corner::A, Corner::D, Corner::C};
    // The triangle is P and these two.
    std::array<FixedPoint, 2> fixed{{{false, Corner::B}, {false, Corner::C}}};
    // The side whose midpoint is M, when a fixed point is M.
    std::optional<Side> m;
    // Centimetres a step: 1/2, 1, 2, 3, 4 or 5.
    Rational speed = 1;
    // Today's lesson's own places and spacings (todaysLook()); a problem from a link has none,
    // and its look is fitted to its figure.
    const Look *look = nullptr;

    // The same problem, whatever its look.
    bool sameAs(const Problem &other) const;
};

// Rectangle ABCD with AB 8 and BC 12, P from B through A and D to C at 1 cm a step, triangle
// PBC, with the look of the lesson as it has always been.
Problem todaysProblem();

bool hasCorner(Figure figure, Corner corner);
Place cornerPlace(const Problem &problem, Corner corner);
// Whether the two corners are the ends of one side of the figure.
bool isSide(Figure figure, Corner a, Corner b);
// The square of a side's length, in cm².
int squaredLength(const Problem &problem, Corner a, Corner b);
// The whole centimetres of the side, or 0 when its length is not whole.
int wholeLength(const Problem &problem, Corner a, Corner b);
Place midpoint(const Problem &problem, Side side);
Place fixedPlace(const Problem &problem, const FixedPoint &point);

enum class Direction { Forward, Back };

// One side of the route as P walks it, with the distances from the start at its ends.
struct Leg
{
    Corner from;
    Corner to;
    Place start;
    Place end;
    int length;
    Rational startDistance;
    Rational endDistance;
};

// A straight piece of the graph, y = slope x + intercept for x (steps) from `from` to `to`. A
// piece is a leg of the route, or the part of one on either side of where P crosses the line
// through the fixed points. That line meets the figure's outline only at the fixed points, so P
// crosses it only at M: a route of at most 4 legs has at most 5 pieces.
struct Piece
{
    Rational from;
    Rational to;
    Rational slope;
    Rational intercept;
    int leg;

    Rational at(Rational x) const { return slope * x + intercept; }
};

// P's walk along a valid problem's route, and the area and graph it gives.
class RouteWalk
{
public:
    explicit RouteWalk(const Problem &problem);

    const Problem &problem() const { return m_problem; }
    const std::vector<Leg> &legs() const { return m_legs; }
    const std::vector<Piece> &pieces() const { return m_pieces; }
    // The number of steps from the start to the end of the route.
    int steps() const { return m_steps; }
    Rational length() const { return m_length; }
    Place fixed(int index) const { return m_fixed[index]; }

    // Centimetres from the start after x steps.
    Rational distance(Rational steps) const { return m_problem.speed * steps; }
    Place placeAt(Rational distance) const;
    // The leg P is on at a distance. At a corner, going forward it is the leg that ends there,
    // going back the leg that starts there; at the start and the end, the first and last leg.
    int legAt(Rational distance, Direction direction) const;
    // The corner P stands on at a distance, if any.
    std::optional<Corner> cornerAt(Rational distance) const;
    // Twice the signed area of triangle P F1 F2, and the area itself, in cm².
    Rational doubledSignedArea(const Place &p) const;
    Rational area(const Place &p) const;
    Rational areaAt(Rational steps) const { return area(placeAt(distance(steps))); }
    Rational largestArea() const;
    // The piece of the graph at x steps, chosen at a corner of the graph as legAt chooses.
    int pieceAt(Rational steps, Direction direction) const;
    // Whether the line F1 F2 lies along a side of the figure, so that the figure draws it.
    bool baseOnSide() const { return m_baseOnSide; }

private:
    Problem m_problem;
    std::array<Place, 2> m_fixed;
    std::vector<Leg> m_legs;
    std::vector<Piece> m_pieces;
    Rational m_length;
    int m_steps = 0;
    bool m_baseOnSide = false;
};

// The foot of the perpendicular from p to the line through a and b, and where it lies along it:
// 0 at a, 1 at b.
struct Foot
{
    Place place;
    Rational along;
};
Foot perpendicularFoot(const Place &p, const Place &a, const Place &b);

// Texts.
// A number with up to two decimals (or as many places as given), rounded: "18", "17.5", "12.8",
// "-3"; ASCII digits.
std::u16string decimalString(Rational value, int places = 2);
// A formula's number: exact where it ends within four decimals (0.125), else to two (4.62).
std::u16string coefficientString(Rational value);
// The full-width letter: Ａ to Ｄ.
std::u16string cornerLetter(Corner corner);
std::u16string fixedLetter(const FixedPoint &point);
// "y = 6x", "y = 24", "y = −6x + 66", "y = −1.2x + 22.4", "y = 0.125x".
std::u16string formulaText(const Piece &piece);
// What a screen reader hears about the blackboard after x steps, for instance
// "点Ｐ：Ｂから6cm（辺ＢＣ上）、三角形ＰＡＢの面積 18cm²".
std::u16string boardText(const RouteWalk &walk, int steps);
// The corners as a link writes them, in ASCII capitals: "BCDA"; the fixed points: "AB", "CM".
std::u16string routeText(const std::vector<Corner> &route);
std::u16string fixedText(const std::array<FixedPoint, 2> &fixed);
// The problem as a link's text after "#": figure, ab, bc, ad (a trapezoid's), route, triangle, m
// (when M is used) and speed (when it is not 1), in that order.
std::u16string linkText(const Problem &problem);

// What was read from the text the program was opened with.
struct ProblemError
{
    // The key that could not be used, as written (at most a few characters of it); empty when
    // the text as a whole could not be read.
    std::u16string key;
    // Why, in Japanese.
    std::u16string reason;
};

struct ProblemReading
{
    Problem problem;
    // Set when the text could not be used: the problem is then today's.
    std::optional<ProblemError> error;

    // The message for the teacher, in Japanese; empty when the text was used.
    std::u16string message() const;
};

// Reads a problem from the text an edition was opened with: the part of a page's address after
// "#", the same text as a command-line argument with or without its "#", or a whole web link,
// whose part after "#" is read. Keys may come in any order and be written in capitals, and
// full-width digits and letters read as their ASCII ones; %-escapes are UTF-8. An empty text, or
// a link without "#", gives today's problem. Any text at all gives a problem and never fails.
ProblemReading readProblem(std::u16string_view text);

// Why a problem cannot be used, or nothing when it is valid.
std::optional<ProblemError> checkProblem(const Problem &problem);
