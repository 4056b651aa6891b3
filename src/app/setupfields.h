// The setup window's fields as the teacher typed them, and what they make: the problem, or why
// each field cannot be used. Nothing here knows a window system.
#pragma once

#include "problem/problem.h"

#include <array>
#include <optional>
#include <string>

// The figure list's choices, in the list's order. A square is a rectangle whose BC follows AB.
enum class FigureChoice { Rectangle, Square, Trapezoid, Triangle };

// One field for each key of a link, in the link's order.
enum class SetupField { Figure, Ab, Bc, Ad, Route, Triangle, M, Speed };
inline constexpr std::size_t setupFieldCount = 8;

struct SetupFields
{
    FigureChoice figure = FigureChoice::Rectangle;
    // As typed: full-width digits and letters, blanks and all.
    std::u16string ab;
    std::u16string bc;
    std::u16string ad;
    std::u16string route;
    std::u16string triangle;
    std::u16string m;
    std::u16string speed;

    // Whether the figure has its own AD, and whether the triangle names M: a field that does
    // not count is left out of the problem.
    bool usesAd() const { return figure == FigureChoice::Trapezoid; }
    bool usesM() const;
};

struct SetupCheck
{
    // The problem the fields give, when every field can be used.
    std::optional<Problem> problem;
    // Why each field cannot be used, in Japanese; empty for a field that can.
    std::array<std::u16string, setupFieldCount> messages;
};

// The fields filled in with a problem, as the figure list and the link write it.
SetupFields fieldsOf(const Problem &problem);
// The problem as a link's text after "#", from the fields as they are: every field that counts,
// %-escaped where it is not a plain letter, digit or point.
std::u16string fieldsText(const SetupFields &fields);
// The same rules and messages as a link's: each field is read after the fields before it, so
// that it is blamed only for what is its own; what only the whole problem shows goes to the key
// the link would name.
SetupCheck checkFields(const SetupFields &fields);
