// The fixed figure on the blackboard: its outline, the lengths of its sides, M and P's speed.
#include "app/form1.h"

#include "app/printing.h"

// A rectangle is one box; the other figures are their sides drawn round from A.
void drawFigure(PictureBox &board, const Lesson &lesson)
{
    const Problem &problem = lesson.walk.problem();
    const BoardLook &look = lesson.look.board;
    board.cls();
    if (problem.figure == Figure::Rectangle) {
        board.box(boardPoint(lesson, cornerPlace(problem, Corner::A)),
                  boardPoint(lesson, cornerPlace(problem, Corner::C)));
    } else {
        std::vector<Corner> round{Corner::A, Corner::B, Corner::C};
        if (problem.figure == Figure::Trapezoid)
            round.push_back(Corner::D);
        for (std::size_t i = 0; i < round.size(); ++i)
            board.line(boardPoint(lesson, cornerPlace(problem, round[i])),
                       boardPoint(lesson, cornerPlace(problem, round[(i + 1) % round.size()])));
    }
    for (const LookLine &mark : look.marks)
        board.line({mark.from.x, mark.from.y}, {mark.to.x, mark.to.y});
    for (const PrintedText &text : look.texts)
        printText(board, text);
    board.setFillStyle(PictureBox::FillStyle::Transparent);
}

void Form1::DrawFigure()
{
    drawFigure(kokuban, lesson);
}
