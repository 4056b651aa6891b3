// The program's one window: its controls in their fixed layout, its state and its procedures.
#pragma once

#include "app/lesson.h"
#include "app/presenterkeys.h"
#include "platform/checkbox.h"
#include "platform/combobox.h"
#include "platform/commandbutton.h"
#include "platform/label.h"
#include "platform/labelcontrol.h"
#include "platform/linecontrol.h"
#include "platform/picturebox.h"
#include "platform/shapecontrol.h"
#include "platform/textbox.h"
#include "platform/window.h"
#include "runtime/int16.h"

#include <array>
#include <cstdint>
#include <memory>

class Form2;

// The members are declared in the order they are made: the lesson, then the window's controls;
// the procedures are grouped under the file that defines them.
class Form1 : public Window
{
public:
    // The window of a problem's lesson; without one, today's lesson.
    explicit Form1(const Problem &problem = todaysProblem());
    ~Form1() override;

    // The problem, P's walk along it, and where its figure and graph lie on the two surfaces.
    Lesson lesson;

    // Command buttons.
    // Puts the figure, the graph and the distance back to the start.
    CommandButton syokigamen{*this};
    // Ends the program.
    CommandButton end{*this};
    // Starts automatic play: P walks the whole way at the chosen speed.
    CommandButton jidou{*this};
    // Stops automatic play before its next step.
    CommandButton tomeru{*this};
    // One step of P back.
    CommandButton modoru{*this};
    // One step of P forward.
    CommandButton susumu{*this};

    // Check boxes.
    // Shows the triangle's height from P to BC.
    CheckBox Check3{*this};
    // Shows the path P has travelled.
    CheckBox Check1{*this};
    // Draws the graph as P moves.
    CheckBox Check2{*this};

    // Caption labels.
    // The lesson's title.
    Label Label6{*this};
    // "ヒント", the caption of Check3, which shows the triangle's height.
    Label Label5{*this};
    // The caption of the distance, and of Check1 beside it.
    Label Label1{*this};
    // The unit of the distance.
    Label Label2{*this};
    // The caption of Check2.
    Label Label8{*this};
    // The caption of the speed box.
    Label Label3{*this};

    // The distance P has travelled, in cm.
    TextBox Text1{*this};
    // The speed of automatic play: the pause after each step, in steps of 20 ms.
    ComboBox Combo1{*this};

    // Drawing surfaces.
    // The blackboard: rectangle ABCD, P and triangle PBC.
    PictureBox kokuban;
    // The graph paper: the area of PBC against the distance.
    PictureBox gamen;

    // On kokuban, front to back.
    // The height of the triangle from P.
    LineControl Line5;
    // The line through the fixed points, on from the nearer one to the foot of the height when
    // the foot lies beyond them.
    LineControl Line7;
    // The path P has travelled, one line for each leg of the route (BA, AD and DC today).
    std::array<LineControl, 4> Line4;
    // The tag of point P.
    LabelControl P;
    // The tags of the corners A, B, C and D.
    std::array<LabelControl, 4> Label4;
    // The marker at P.
    ShapeControl Shape1;

    // On gamen, front to back: the trace of the area, one line for each straight piece of the
    // graph; today's three, while P is on BA, AD and DC, are Line1 to Line3.
    std::array<LineControl, 3> Line6;
    LineControl Line3;
    LineControl Line2;
    LineControl Line1;

    // Steps that P has travelled, from 0 to the end of the route (28 today).
    Int16 Distance;
    // 1 asks automatic play to stop before its next step.
    Int16 StopRequested;

    // The teacher's setup window, made the first time it is opened. It goes before the window
    // it is modal to.
    std::unique_ptr<Form2> setup;

    // app/form1.cpp
    void Form_Load();
    void syokigamen_Click();
    void end_Click();
    // The lesson of another problem, at its start.
    void setProblem(const Problem &problem);
    // The teacher's setup window over the lesson; not while P walks by itself.
    void openSetup();

    // figure/stepforward.cpp, figure/stepback.cpp
    void susumu_Click();
    void modoru_Click();
    // figure/guidelines.cpp
    void Check1_Click();
    void Check3_Click();

    // autoplay/autoplay.cpp
    void jidou_Click();
    void tomeru_Click();
    // Closing the window by its frame ends the program, and a running walk with it.
    void Form_Unload();

private:
    // The marker's box is placed by its top-left corner, this far left of and above P.
    static constexpr double markerRadius = 5;

    // The keys of a presenter's remote: forward, back, start and end of the show.
    PresenterKeys presenterKeys{{{Key::PageDown, &susumu},
                                 {Key::PageUp, &modoru},
                                 {Key::F5, &jidou},
                                 {Key::Escape, &tomeru}}};

    // app/form1.cpp
    void placeControls();
    void connectHandlers();
    // The presenter keys, and Ctrl+, for the setup window.
    bool previewKey(const KeyPress &press);

    // The last step of the route.
    Int16 LastStep() const;
    // Where a place of the figure lies on kokuban, and P after a number of steps.
    PointF BoardPoint(const Place &place) const;
    Place PlaceAfter(Int16 steps) const;

    // figure/figure.cpp
    void DrawFigure();

    // figure/stepforward.cpp: parts of a step that the steps forward and back share, and the
    // forward step's own.
    void ShowDistance();
    void DrawTriangle();
    void MoveMarker(Direction direction);

    // figure/stepback.cpp
    void PlacePathLineBack();

    // figure/guidelines.cpp
    // Sets a line's end points in the order X1, Y1, X2, Y2.
    static void PlaceLine(LineControl &line, PointF from, PointF to);
    void DrawPathLines();
    void DrawHeightLine();

    // figure/blackboarddescription.cpp: what screen readers are told about the blackboard,
    // where P is and the triangle's area.
    void DescribeBlackboard();

    // graph/graphgrid.cpp
    void DrawGraphGrid();
    // graph/graphtrace.cpp: the trace of the step forward, and of the step back.
    LineControl &TraceLine(int piece);
    void PlaceGraphLine();
    void PlaceGraphLineBack();
    void PlaceGraphPiece(int piece, Rational to);
    // graph/graphdescription.cpp: what screen readers are told the graph paper shows.
    void DescribeGraph();

    // autoplay/autoplay.cpp
    void Pause(std::int32_t milliseconds);
};
