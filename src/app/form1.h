// The program's one window: its controls in their fixed layout, its state and its procedures.
#pragma once

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

// The procedures are defined in the folder of their subsystem: app (layout, load, reset, exit),
// figure (rectangle, steps, guide lines), graph (grid and axes) and autoplay.
class Form1 : public Window
{
public:
    Form1();

    // Command buttons.
    CommandButton syokigamen{*this};
    CommandButton end{*this};
    CommandButton jidou{*this};
    CommandButton tomeru{*this};
    CommandButton modoru{*this};
    CommandButton susumu{*this};

    // Check boxes.
    CheckBox Check3{*this};
    CheckBox Check1{*this};
    CheckBox Check2{*this};

    // Caption labels.
    Label Label6{*this};
    Label Label5{*this};
    Label Label1{*this};
    Label Label2{*this};
    Label Label8{*this};
    Label Label3{*this};

    TextBox Text1{*this};
    ComboBox Combo1{*this};

    // Drawing surfaces.
    PictureBox kokuban;
    PictureBox gamen;

    // On kokuban, front to back.
    LineControl Line5;
    std::array<LineControl, 3> Line4;
    LabelControl P;
    std::array<LabelControl, 4> Label4;
    ShapeControl Shape1;

    // On gamen, front to back.
    LineControl Line3;
    LineControl Line2;
    LineControl Line1;

    // Steps that P has travelled, 0 to 28.
    Int16 Distance;
    // 1 asks automatic play to stop before its next step.
    Int16 StopRequested;

    void Form_Load();
    void syokigamen_Click();
    void end_Click();

    void susumu_Click();
    void modoru_Click();
    void Check1_Click();
    void Check3_Click();

    void jidou_Click();
    void tomeru_Click();

    // Closing the window by its frame ends the program, and a running walk with it.
    void Form_Unload();

private:
    // The keys of a presenter's remote: forward, back, start and end of the show.
    PresenterKeys presenterKeys{{{Key::PageDown, &susumu},
                                 {Key::PageUp, &modoru},
                                 {Key::F5, &jidou},
                                 {Key::Escape, &tomeru}}};

    void placeControls();
    void connectHandlers();

    void DrawRectangle();
    void DrawPathLines();
    void DrawHeightLine();
    void DrawGraphGrid();
    void Pause(std::int32_t milliseconds);

    // Sets a line's end points in the order X1, Y1, X2, Y2.
    static void PlaceLine(LineControl &line, Int16 x1, Int16 y1, Int16 x2, Int16 y2);

    // Parts of a step that the steps forward and back share.
    void ShowDistance();
    void DrawTriangle();
    void PlaceGraphLine();

    // Parts of a step that differ between the two directions.
    void MoveMarkerForward();
    void MoveMarkerBack();
    void PlacePathLineBack();
    void PlaceGraphLineBack();

    // What screen readers are told about the two surfaces: where P is and the triangle's area,
    // and what the graph paper shows.
    void DescribeBlackboard();
    void DescribeGraph();
};
