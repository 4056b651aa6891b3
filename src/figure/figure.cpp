// The fixed figure on the blackboard: its outline, the lengths of its sides, M and P's speed.
#include "app/form1.h"

#include "app/printing.h"

// A rectangle is one box; the other figures are their sides drawn round from A.
void Form1::DrawFigure()
{
    const Problem &problem = lesson.walk.problem();
    const BoardLook &board = lesson.look.board;
    kokuban.cls();
    if (problem.figure == Figure::Rectangle) {
        kokuban.box(BoardPoint(cornerPlace(problem, Corner::A)),
                    BoardPoint(cornerPlace(problem, Corner::C)));
    } else {
        std::vector<Corner> round{Corner::A, Corner::B, Corner::C};
        if (problem.figure == Figure::Trapezoid)
            round.push_back(Corner::D);
        for (std::size_t i = 0; i < round.size(); ++i)
            kokuban.line(BoardPoint(cornerPlace(problem, round[i])),
                         BoardPoint(cornerPlace(problem, round[(i + 1) % round.size()])));
    }
    for (const LookLine &mark : board.marks)
        kokuban.line({mark.from.x, mark.from.y}, {mark.to.x, mark.to.y});
    for (const PrintedText &text : board.texts)
        printText(kokuban, text);
    kokuban.setFillStyle(PictureBox::FillStyle::Transparent);
}
