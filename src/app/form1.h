// The program's one window: its controls in their fixed layout, its state and its procedures.
#pragma once

#include "app/presenterkeys.h"
#include "platform/dropdowncombo.h"
#include "platform/int16.h"
#include "platform/labelcontrol.h"
#include "platform/linecontrol.h"
#include "platform/picturebox.h"
#include "platform/shapecontrol.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <array>

// The procedures are defined in the folder of their subsystem: app (layout, load, reset, exit),
// figure (rectangle, steps, guide lines), graph (grid and axes) and autoplay.
class Form1 : public QWidget
{
public:
    Form1();

    // Command buttons.
    QPushButton syokigamen{this};
    QPushButton end{this};
    QPushButton jidou{this};
    QPushButton tomeru{this};
    QPushButton modoru{this};
    QPushButton susumu{this};

    // Check boxes.
    QCheckBox Check3{this};
    QCheckBox Check1{this};
    QCheckBox Check2{this};

    // Caption labels.
    QLabel Label6{this};
    QLabel Label5{this};
    QLabel Label1{this};
    QLabel Label2{this};
    QLabel Label8{this};
    QLabel Label3{this};

    QLineEdit Text1{this};
    DropDownCombo Combo1{this};

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

private:
    // The keys of a presenter's remote: forward, back, start and end of the show.
    PresenterKeys presenterKeys{*this,
                                {{Qt::Key_PageDown, &susumu},
                                 {Qt::Key_PageUp, &modoru},
                                 {Qt::Key_F5, &jidou},
                                 {Qt::Key_Escape, &tomeru}}};

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

protected:
    // Closing the window by its frame ends the program, and a running walk with it.
    void closeEvent(QCloseEvent *event) override;
};
