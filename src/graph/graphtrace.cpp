// The trace of the area on the graph paper: one line for each straight piece of the graph, which
// grows and shrinks with the steps.
#include "app/form1.h"

#include "app/parking.h"

namespace {
// Where each piece's line waits, in the order of the pieces.
const ParkingPlace &traceParking(int piece)
{
    static const std::array<ParkingPlace, 6> places{line1Parking,    line2Parking,
                                                    line3Parking,    line6Parking[0],
                                                    line6Parking[1], line6Parking[2]};
    return places[piece];
}
} // namespace

// The pieces' lines: today's three first, then Line6's.
LineControl &Form1::TraceLine(int piece)
{
    const std::array<LineControl *, 6> trace{&Line1,    &Line2,    &Line3,
                                             &Line6[0], &Line6[1], &Line6[2]};
    return *trace[piece];
}

// The piece of the graph from its start to x.
void Form1::PlaceGraphPiece(int piece, Rational to)
{
    const Piece &line = lesson.walk.pieces()[piece];
    PlaceLine(TraceLine(piece), graphPoint(lesson, line.from, line.at(line.from)),
              graphPoint(lesson, to, line.at(to)));
}

// The piece P's step ends on moves to end at P's distance, after any piece the step passed the
// end of has been drawn whole; earlier pieces keep the length they reached.
void Form1::PlaceGraphLine()
{
    const std::vector<Piece> &pieces = lesson.walk.pieces();
    const Rational now = Distance.value();
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (now - 1 < pieces[i].to && pieces[i].to < now)
            PlaceGraphPiece(int(i), pieces[i].to);
    PlaceGraphPiece(lesson.walk.pieceAt(now, Direction::Forward), now);
}

// A piece whose start P has come back to, or passed, is parked; P's own piece then ends at P.
void Form1::PlaceGraphLineBack()
{
    const std::vector<Piece> &pieces = lesson.walk.pieces();
    const Rational now = Distance.value();
    for (std::size_t i = 0; i < pieces.size(); ++i)
        if (now <= pieces[i].from && pieces[i].from < now + 1)
            park(TraceLine(int(i)), traceParking(int(i)));
    const int current = lesson.walk.pieceAt(now, Direction::Back);
    if (pieces[current].from < now)
        PlaceGraphPiece(current, now);
}
