// How a lesson lies on the blackboard and on the graph paper, in pixels of their drawing areas
// (y down). Today's lesson carries its own hand-set look (look.cpp); the look of any other
// problem is fitted to its figure and its graph when its window is made. The drawing code reads
// everything it places from here and has no numbers of its own for a particular problem.
#pragma once

#include "problem/rational.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct LookPoint
{
    double x = 0;
    double y = 0;
    friend constexpr bool operator==(const LookPoint &, const LookPoint &) = default;
};

struct LookLine
{
    LookPoint from;
    LookPoint to;
    friend constexpr bool operator==(const LookLine &, const LookLine &) = default;
};

// A text printed on a surface with its top-left at (x, y); without x, it starts where the last
// print's line ended, at the left edge.
struct PrintedText
{
    std::optional<double> x;
    double y = 0;
    std::u16string text;
    friend bool operator==(const PrintedText &, const PrintedText &) = default;
};

// How one coordinate of P's tag follows a step:
//   new = fixed + keep·old + follow·(P's move) + track·(P's new place) [+ push onto a new leg]
// and is then rounded to a whole pixel.
struct TagAxis
{
    double fixed = 0;
    double keep = 1;
    double follow = 0;
    double track = 0;
    double push = 0;
    friend constexpr bool operator==(const TagAxis &, const TagAxis &) = default;
};

struct TagRule
{
    TagAxis left;
    TagAxis top;
    // The order the two are set in.
    bool topFirst = false;
    // Going back, where the tag is put when P arrives on the leg's first corner.
    std::optional<LookPoint> arrival;
    friend bool operator==(const TagRule &, const TagRule &) = default;
};

// The tag's rules while P is on one leg of the route, stepping forward and stepping back.
struct TagLeg
{
    TagRule forward;
    TagRule back;
    friend bool operator==(const TagLeg &, const TagLeg &) = default;
};

struct BoardLook
{
    // Where B (0, 0) lies, and the pixels a centimetre.
    Rational originX;
    Rational originY;
    Rational scale;
    // The side lengths, M's letter and P's speed, printed after the outline.
    std::vector<PrintedText> texts;
    // Short strokes in the figure's colour drawn with them: M's tick.
    std::vector<LookLine> marks;
    // The letters Ａ to Ｄ; a letter the figure does not have waits out of sight.
    std::array<LookPoint, 4> letters;
    // The tag's place at the start, and its rules on each leg.
    LookPoint tagStart;
    std::vector<TagLeg> tag;
    // For each leg, whether the height line is set from its foot to P rather than from P.
    std::vector<bool> heightFromFoot;
    // Added to the point between P and the middle of the base where the shading starts.
    LookPoint seedNudge;
    friend bool operator==(const BoardLook &, const BoardLook &) = default;
};

struct GraphLook
{
    // Horizontal grid lines at these y, from x = rowFrom to rowTo; vertical ones at these x, from
    // y = columnFrom to columnTo.
    std::vector<double> rows;
    double rowFrom = 0;
    double rowTo = 0;
    std::vector<double> columns;
    double columnFrom = 0;
    double columnTo = 0;
    // The axis numbers, the origin's 0 and the units, in the order printed.
    std::vector<PrintedText> texts;
    // Where x = 0, y = 0 of the trace lies, and the pixels a step and a cm².
    Rational originX;
    Rational originY;
    Rational perStep;
    Rational perArea;
    friend bool operator==(const GraphLook &, const GraphLook &) = default;
};

struct Look
{
    BoardLook board;
    GraphLook graph;
    friend bool operator==(const Look &, const Look &) = default;
};

// Today's lesson as it has always looked: the figure at 25 px a cm from (75, 250), the tag's own
// steps (22 px along the sides, 24 px along the top, pushed on past A and D, put back beside A
// and D going back), and the graph paper's hand-spaced numbers.
const Look &todaysLook();
