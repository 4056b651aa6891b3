// The window's layout, its load routine, the reset and the exit.
#include "app/form1.h"

#include "app/form2.h"
#include "app/parking.h"
#include "platform/application.h"
#include "platform/textmetrics.h"

namespace {
constexpr Color olive{128, 128, 0};
constexpr Color white{255, 255, 255};
constexpr Color black{0, 0, 0};
constexpr Color blackboardGreen{0, 128, 0};
constexpr Color letterColor = white;

void placeButton(CommandButton &button, const std::u16string &caption, const Rect &geometry)
{
    button.setCaption(caption);
    button.setGeometry(geometry);
}

// Shows only the square on the window's olive: the box is too narrow for its own caption.
void placeCheckBox(CheckBox &box, const std::u16string &caption, const Rect &geometry,
                   const Label &label)
{
    box.setCaption(caption);
    box.setGeometry(geometry);
    box.setAccessibleName(label.text());
}

// White text on its own background, exactly as large as the text.
void placeCaption(Label &label, const std::u16string &text, Point position, const Font &font,
                  Color background)
{
    label.setText(text);
    label.setFont(font);
    label.setBackColor(background);
    label.setForeColor(white);
    const Size size = textSize(font, text);
    label.setGeometry({position.x, position.y, size.width, size.height});
}

// A corner's letter, white on the board's green, where the lesson's look puts it.
LabelControl letterControl(PictureBox &board, const char16_t *letter, const LookPoint &place)
{
    return {board, letter, {place.x, place.y}, gothicFont(19, true), letterColor, blackboardGreen};
}
} // namespace

Form1::Form1(const Problem &problem)
    : lesson(lessonFor(problem)), kokuban(*this, {24, 112, 433, 313}),
      gamen(*this, {472, 160, 385, 265}),
      Line5(kokuban, parkedLine(line5Parking), {255, 128, 255}, 5),
      Line7(kokuban, parkedLine(line7Parking), {255, 128, 255}, 3),
      Line4{{{kokuban, parkedLine(line4Parking[0]), {255, 0, 0}, 5},
             {kokuban, parkedLine(line4Parking[1]), {255, 0, 0}, 5},
             {kokuban, parkedLine(line4Parking[2]), {255, 0, 0}, 5},
             {kokuban, parkedLine(line4Parking[3]), {255, 0, 0}, 5}}},
      P(kokuban, u"Ｐ", {48, 224}, gothicFont(21, true), letterColor, blackboardGreen),
      Label4{{letterControl(kokuban, u"Ａ", lesson.look.board.letters[0]),
              letterControl(kokuban, u"Ｂ", lesson.look.board.letters[1]),
              letterControl(kokuban, u"Ｃ", lesson.look.board.letters[2]),
              letterControl(kokuban, u"Ｄ", lesson.look.board.letters[3])}},
      Shape1(kokuban, {8, 8, 10, 10}, {255, 0, 0}, {192, 0, 0}),
      Line6{{{gamen, parkedLine(line6Parking[0]), {0, 0, 255}, 5},
             {gamen, parkedLine(line6Parking[1]), {255, 128, 0}, 5},
             {gamen, parkedLine(line6Parking[2]), {128, 0, 192}, 5}}},
      Line3(gamen, parkedLine(line3Parking), {255, 0, 255}, 5),
      Line2(gamen, parkedLine(line2Parking), {192, 64, 0}, 5),
      Line1(gamen, parkedLine(line1Parking), {255, 0, 0}, 5)
{
    placeControls();
    connectHandlers();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::placeControls()
{
    setCaption(u"３.一次関数 (by Oskavel)");
    setClientSize({865, 437});
    setFont(defaultUiFont());
    setBackColor(olive);

    placeButton(syokigamen, u"初期画面", {216, 8, 81, 41});
    syokigamen.setBackColor({255, 192, 192});
    placeButton(end, u"終了", {800, 16, 49, 41});
    placeButton(jidou, u"自動", {40, 64, 65, 33});
    jidou.setBackColor({128, 255, 128});
    jidou.setFont(gothicFont(16));
    placeButton(tomeru, u"ストップ", {112, 64, 57, 33});
    tomeru.setBackColor({192, 255, 192});
    placeButton(modoru, u"戻る", {288, 64, 73, 33});
    modoru.setBackColor({0, 255, 255});
    modoru.setFont(gothicFont(16));
    placeButton(susumu, u"進む", {384, 64, 73, 33});
    susumu.setBackColor({255, 255, 0});
    susumu.setFont(gothicFont(16));

    placeCaption(Label6, u"関数の利用", {8, 8}, gothicFont(37), {0, 0, 255});
    placeCaption(Label5, u"ヒント", {336, 16}, gothicFont(27, true), olive);
    placeCaption(Label1, u"点Ｐの進んだ距離", {496, 16}, gothicFont(29), olive);
    placeCaption(Label2, u"cm", {680, 48}, gothicFont(29), olive);
    placeCaption(Label8, u"グ\u3000ラ\u3000フ", {496, 112}, gothicFont(27), olive);
    placeCaption(Label3, u"表示速度", {720, 112}, gothicFont(19), olive);

    placeCheckBox(Check3, u"Check3", {408, 24, 17, 17}, Label5);
    placeCheckBox(Check1, u"Check1", {728, 16, 17, 33}, Label1);
    placeCheckBox(Check2, u"Check2", {624, 120, 17, 17}, Label8);

    Text1.setGeometry({608, 48, 65, 33});
    Text1.setFont(gothicFont(24));
    Text1.setText(u"Text1");
    Text1.setAccessibleName(Label1.text() + u"（" + Label2.text() + u"）");

    Combo1.setGeometry({808, 112, 41, 21});
    Combo1.setFont(gothicFont(13));
    Combo1.addItems({u"01", u"05", u"10", u"20", u"40"});
    Combo1.setCurrentIndex(3);
    Combo1.setAccessibleName(Label3.text());

    kokuban.setBackColor(blackboardGreen);
    kokuban.setForeColor(white);
    kokuban.setFillColor({0, 0, 255});
    kokuban.setDrawWidth(5);
    kokuban.setAccessibleName(u"黒板");
    kokuban.setStackingOrder({&Line5, &Line7, &Line4[3], &Line4[2], &Line4[1], &Line4[0], &P,
                              &Label4[3], &Label4[2], &Label4[1], &Label4[0], &Shape1});

    gamen.setBackColor({255, 255, 192});
    gamen.setForeColor(black);
    gamen.setDrawWidth(2);
    gamen.setAccessibleName(u"グラフ用紙");
    gamen.setStackingOrder({&Line6[2], &Line6[1], &Line6[0], &Line3, &Line2, &Line1});

    setTabOrder({&gamen, &end, &Text1, &Combo1, &syokigamen, &Check2, &kokuban, &susumu, &modoru,
                 &jidou, &tomeru, &Check1, &Check3});
    gamen.setFocus();
}

void Form1::connectHandlers()
{
    susumu.setOnClick([this] { susumu_Click(); });
    modoru.setOnClick([this] { modoru_Click(); });
    jidou.setOnClick([this] { jidou_Click(); });
    tomeru.setOnClick([this] { tomeru_Click(); });
    syokigamen.setOnClick([this] { syokigamen_Click(); });
    end.setOnClick([this] { end_Click(); });
    Check1.setOnClick([this] { Check1_Click(); });
    Check3.setOnClick([this] { Check3_Click(); });
    setKeyPreview([this](const KeyPress &press) { return previewKey(press); });
    setOnClose([this] { Form_Unload(); });
    setContextMenu({{u"問題の設定…", [this] { openSetup(); }}});
}

bool Form1::previewKey(const KeyPress &press)
{
    if (press.key == Key::Comma && press.withControlOnly) {
        openSetup();
        return true;
    }
    return presenterKeys.handle(press);
}

// Puts every moving part into the initial screen. Surfaces measure in pixels from their
// creation, so there is no unit to switch first.
void Form1::Form_Load()
{
    const PointF start = BoardPoint(PlaceAfter(0));
    const LookPoint tag = lesson.look.board.tagStart;
    Text1.setText(u"0");
    DrawGraphGrid();
    DrawFigure();
    Shape1.setTop(start.y - markerRadius);
    Shape1.setLeft(start.x - markerRadius);
    Distance = 0;
    // Today's triangle is flat at the start, where P is on its base; another problem's may not be.
    if (lesson.walk.areaAt(0) != 0)
        DrawTriangle();
    tomeru.setEnabled(false);
    park(Line1, line1Parking);
    park(Line2, line2Parking);
    park(Line3, line3Parking);
    park(Line4[0], line4Parking[0]);
    park(Line4[1], line4Parking[1]);
    park(Line4[2], line4Parking[2]);
    park(Line5, line5Parking);
    for (std::size_t i = 0; i < Line6.size(); ++i)
        park(Line6[i], line6Parking[i]);
    park(Line4[3], line4Parking[3]);
    park(Line7, line7Parking);
    P.setTop(tag.y);
    P.setLeft(tag.x);
    DescribeBlackboard();
    DescribeGraph();
}

Int16 Form1::LastStep() const
{
    return lesson.walk.steps();
}

PointF Form1::BoardPoint(const Place &place) const
{
    return boardPoint(lesson, place);
}

Place Form1::PlaceAfter(Int16 steps) const
{
    return lesson.walk.placeAt(lesson.walk.distance(steps.value()));
}

void Form1::syokigamen_Click()
{
    Form_Load();
}

void Form1::end_Click()
{
    endProgram();
}

// The corners' letters stand where the new problem's look puts them.
void Form1::setProblem(const Problem &problem)
{
    lesson = lessonFor(problem);
    for (std::size_t i = 0; i < Label4.size(); ++i) {
        Label4[i].setLeft(float(lesson.look.board.letters[i].x));
        Label4[i].setTop(float(lesson.look.board.letters[i].y));
    }
    Form_Load();
}

// ストップ is enabled exactly while automatic play walks.
void Form1::openSetup()
{
    if (tomeru.isEnabled())
        return;
    if (!setup)
        setup = std::make_unique<Form2>(*this);
    setup->open();
}
