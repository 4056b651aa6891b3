// One step of P forward along its route, and the parts of a step that the step back shares.
#include "app/form1.h"

#include "runtime/roundint32.h"

#include <cmath>

namespace {
// The shading starts no nearer than this to a side of the triangle, well clear of its outline;
// a triangle too thin for that is left unshaded rather than risk a fill outside it.
constexpr double seedClearance = 4;

double tagCoordinate(const TagAxis &axis, double old, double move, double now, bool newLeg)
{
    const double place = axis.fixed + axis.keep * old + axis.follow * move + axis.track * now +
                         (newLeg ? axis.push : 0);
    return std::floor(place + 0.5);
}

// Whether the seed lies inside the triangle, at least the clearance from each side.
bool wellInside(Point seed, const std::array<PointF, 3> &corners)
{
    for (int i = 0; i < 3; ++i) {
        const PointF a = corners[i];
        const PointF b = corners[(i + 1) % 3];
        const PointF c = corners[(i + 2) % 3];
        const double dx = b.x - a.x;
        const double dy = b.y - a.y;
        const double length = std::hypot(dx, dy);
        const double side = dx * (c.y - a.y) - dy * (c.x - a.x);
        const double distance = (dx * (seed.y - a.y) - dy * (seed.x - a.x)) / length;
        if (length == 0 || (side > 0 ? distance : -distance) < seedClearance)
            return false;
    }
    return true;
}

// The point inside a triangle farthest from its sides.
Point incentre(const std::array<PointF, 3> &corners)
{
    double x = 0;
    double y = 0;
    double perimeter = 0;
    for (int i = 0; i < 3; ++i) {
        const PointF a = corners[(i + 1) % 3];
        const PointF b = corners[(i + 2) % 3];
        const double opposite = std::hypot(b.x - a.x, b.y - a.y);
        x += opposite * corners[i].x;
        y += opposite * corners[i].y;
        perimeter += opposite;
    }
    return {roundToInt32(x / perimeter), roundToInt32(y / perimeter)};
}
} // namespace

void Form1::susumu_Click()
{
    DrawFigure();
    Distance = Distance + 1;
    if (Distance == LastStep() + 1) {
        Distance = LastStep();
        return;
    }
    ShowDistance();
    MoveMarker(Direction::Forward);
    DrawTriangle();
    if (Check1.value() != 0)
        DrawPathLines();
    if (Check3.value() != 0)
        DrawHeightLine();
    if (Check2.value() != 0) {
        DrawGraphGrid();
        PlaceGraphLine();
        DescribeGraph();
    }
    DescribeBlackboard();
}

// The centimetres walked, after a blank.
void Form1::ShowDistance()
{
    Text1.setText(u" " + decimalString(lesson.walk.distance(Distance.value())));
}

// The marker goes to P; the tag follows by the rules of the leg P is on, which the lesson's look
// gives: today's tag drifts along each side and is pushed on past A and D, and going back it is
// put beside A and D as P arrives there.
void Form1::MoveMarker(Direction direction)
{
    const RouteWalk &walk = lesson.walk;
    const Int16 before = direction == Direction::Forward ? Distance - 1 : Distance + 1;
    const Rational from = walk.distance(before.value());
    const Rational to = walk.distance(Distance.value());
    const PointF was = BoardPoint(walk.placeAt(from));
    const PointF now = BoardPoint(walk.placeAt(to));
    Shape1.setLeft(float(now.x - markerRadius));
    Shape1.setTop(float(now.y - markerRadius));

    const int leg = walk.legAt(to, direction);
    const bool newLeg = walk.legAt(from, direction) != leg;
    const TagLeg &rules = lesson.look.board.tag[leg];
    const TagRule &rule = direction == Direction::Forward ? rules.forward : rules.back;
    const float left = float(tagCoordinate(rule.left, P.left(), now.x - was.x, now.x, newLeg));
    const float top = float(tagCoordinate(rule.top, P.top(), now.y - was.y, now.y, newLeg));
    if (rule.topFirst) {
        P.setTop(top);
        P.setLeft(left);
    } else {
        P.setLeft(left);
        P.setTop(top);
    }
    if (rule.arrival && to == walk.legs()[leg].startDistance) {
        P.setLeft(float(rule.arrival->x));
        P.setTop(float(rule.arrival->y));
    }
}

// Outlines triangle P F1 F2 (F1 F2 itself only where it is not a side of the figure) and shades
// it unless it is flat. The seed sits between P and the middle of F1 F2, moved by the look's
// nudge; where that is near a side of a thin triangle, at the triangle's incentre; and where even
// that is near a side, the triangle is too thin to shade.
void Form1::DrawTriangle()
{
    const RouteWalk &walk = lesson.walk;
    const Place place = PlaceAfter(Distance);
    const PointF apex = BoardPoint(place);
    const PointF first = BoardPoint(walk.fixed(0));
    const PointF second = BoardPoint(walk.fixed(1));
    kokuban.line(first, apex);
    kokuban.line(second, apex);
    if (!walk.baseOnSide())
        kokuban.line(first, second);
    kokuban.setFillStyle(PictureBox::FillStyle::Solid);
    if (walk.area(place).sign() != 0) {
        const LookPoint nudge = lesson.look.board.seedNudge;
        const std::array<PointF, 3> corners{apex, first, second};
        Point seed{roundToInt32(apex.x / 2 + (first.x + second.x) / 4 + nudge.x),
                   roundToInt32(apex.y / 2 + (first.y + second.y) / 4 + nudge.y)};
        if (!wellInside(seed, corners))
            seed = incentre(corners);
        if (wellInside(seed, corners))
            kokuban.floodFill(seed, kokuban.foreColor());
    }
    kokuban.setFillStyle(PictureBox::FillStyle::Transparent);
}
