// Where a line control waits while it has nothing to show: a short stroke below the drawing area.
#pragma once

#include "platform/linecontrol.h"

#include <array>

struct ParkingPlace
{
    float x1;
    float x2;
    float y;
};

// On gamen, whose drawing area is 261 pixels high: the trace's pieces.
inline constexpr ParkingPlace line1Parking{8, 32, 268};
inline constexpr ParkingPlace line2Parking{40, 64, 268};
inline constexpr ParkingPlace line3Parking{72, 96, 268};
inline constexpr std::array<ParkingPlace, 3> line6Parking{
    {{104, 128, 268}, {136, 160, 268}, {168, 192, 268}}};
// On kokuban, whose drawing area is 309 pixels high: the path, the height and its base's
// extension.
inline constexpr std::array<ParkingPlace, 4> line4Parking{
    {{32, 56, 320}, {72, 96, 320}, {112, 136, 320}, {208, 232, 320}}};
inline constexpr ParkingPlace line5Parking{168, 192, 320};
inline constexpr ParkingPlace line7Parking{248, 272, 320};

// The line where it stands in the layout, which is its parking place.
inline LineF parkedLine(const ParkingPlace &place)
{
    return {place.x1, place.y, place.x2, place.y};
}

// Sets X1, X2, Y1, Y2, in that order.
inline void park(LineControl &line, const ParkingPlace &place)
{
    line.setX1(place.x1);
    line.setX2(place.x2);
    line.setY1(place.y);
    line.setY2(place.y);
}
