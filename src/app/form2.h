// The teacher's setup window: the problem's fields, checked as they are typed, the figure and
// the whole graph they give, and the problem's link.
#pragma once

#include "app/lesson.h"
#include "app/setupfields.h"
#include "platform/combobox.h"
#include "platform/commandbutton.h"
#include "platform/label.h"
#include "platform/labelcontrol.h"
#include "platform/linkcode.h"
#include "platform/picturebox.h"
#include "platform/shapecontrol.h"
#include "platform/textbox.h"
#include "platform/window.h"

#include <array>
#include <memory>
#include <optional>

class Form1;

class Form2 : public Window
{
public:
    // The setup window of the lesson, not shown yet.
    explicit Form2(Form1 &lesson);

    // Shows the window over the lesson, filled in with the lesson's problem.
    void open();

    // The fields, top to bottom, each with its caption and, beside it, why it cannot be used.
    Label figureCaption{*this};
    ComboBox figureBox{*this, ComboStyle::List};
    Label abCaption{*this};
    TextBox abBox{*this};
    Label bcCaption{*this};
    TextBox bcBox{*this};
    Label adCaption{*this};
    TextBox adBox{*this};
    Label routeCaption{*this};
    TextBox routeBox{*this};
    Label triangleCaption{*this};
    TextBox triangleBox{*this};
    Label mCaption{*this};
    TextBox mBox{*this};
    Label mAfter{*this};
    Label speedCaption{*this};
    ComboBox speedBox{*this};
    // "cm" after the three lengths and the speed.
    std::array<Label, 4> units{{Label{*this}, Label{*this}, Label{*this}, Label{*this}}};
    std::array<Label, setupFieldCount> messages{{Label{*this}, Label{*this}, Label{*this},
                                                 Label{*this}, Label{*this}, Label{*this},
                                                 Label{*this}, Label{*this}}};

    // The link that opens the problem, and its copy to the clipboard.
    Label linkCaption{*this};
    TextBox linkBox{*this};
    CommandButton copyButton{*this};
    // The link as a QR code, where the edition shows one (the page).
    std::unique_ptr<LinkCode> linkCode;

    // The figure with its letters, P's start and route, and the whole graph, as the lesson
    // draws them.
    PictureBox figurePreview;
    PictureBox graphPreview;
    std::array<LabelControl, 4> letters;
    ShapeControl start;

    CommandButton applyButton{*this};
    CommandButton cancelButton{*this};
    CommandButton textbookButton{*this};

private:
    void placeControls();
    void placeFields();
    void placePreview();
    void connectHandlers();

    SetupFields fields() const;
    void fill(const SetupFields &fields);
    // Checks the fields as they are now and shows what they give.
    void check();
    void showMessages(const SetupCheck &check);
    void enableFields();
    void drawPreview(const Lesson &lesson);
    void clearPreview();

    void apply();
    void cancel();
    void returnFocus();
    void fillTextbook();
    bool previewKey(const KeyPress &press);

    Form1 &m_lesson;
    // Where the focus was in the lesson, to go back to.
    Control *m_lessonFocus = nullptr;
    std::optional<Problem> m_problem;
    // BC as it was before the figure became a square, given back when it stops being one, so
    // that passing the square on the way down the list loses nothing typed.
    std::optional<std::u16string> m_bcBeforeSquare;
};
