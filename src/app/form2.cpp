// The setup window's layout, its checking as the teacher types, its preview and its buttons.
#include "app/form2.h"

#include "app/form1.h"
#include "graph/graphdescription.h"
#include "platform/clipboard.h"
#include "platform/opening.h"

#include <algorithm>

namespace {
constexpr Color messageColor{192, 0, 0};
constexpr Color blackboardGreen{0, 128, 0};
constexpr Color paperYellow{255, 255, 192};
constexpr Color white{255, 255, 255};
constexpr Color black{0, 0, 0};
constexpr Color pathRed{255, 0, 0};
// The lesson's colours of the graph's pieces, in the order of the pieces.
constexpr std::array<Color, 6> pieceColors{
    {{255, 0, 0}, {192, 64, 0}, {255, 0, 255}, {0, 0, 255}, {255, 128, 0}, {128, 0, 192}}};

const std::vector<std::u16string> figureNames{u"長方形", u"正方形", u"直角台形", u"直角三角形"};

// The rows of the fields, 32 pixels apart; the field's column, and its message's beside it.
constexpr int rowPitch = 32;
constexpr int firstRow = 12;
constexpr int fieldLeft = 136;
constexpr int messageLeft = 272;
constexpr int margin = 8;
// The link's row, and the previews under it: the lesson's own surfaces' sizes.
constexpr int linkRow = firstRow + 8 * rowPitch;
constexpr int previewTop = linkRow + 36;
constexpr Rect figureArea{margin, previewTop, 433, 313};
constexpr Rect graphArea{449, previewTop, 385, 265};
constexpr int buttonTop = previewTop + 313 + 12;
// A QR code about a third of the window's height, beside the graph.
constexpr int codeSize = 234;
constexpr int codeLeft = 850;
constexpr int clientHeight = buttonTop + 32 + 10;

int rowTop(SetupField field)
{
    return firstRow + int(field) * rowPitch;
}

int clientWidth()
{
    return linkCodesShown() ? codeLeft + codeSize + margin : 850;
}

// A letter the figure does not have, and P's marker before there is a problem, wait here.
constexpr PointF outOfSight{390, 330};

LabelControl letterControl(PictureBox &board, const char16_t *letter)
{
    return {board, letter, outOfSight, gothicFont(19, true), white, blackboardGreen};
}

void placeCaption(Label &label, const std::u16string &text, Point position, int width)
{
    label.setText(text);
    label.setGeometry({position.x, position.y, width, 20});
}

void placeButton(CommandButton &button, const std::u16string &caption, const Rect &geometry)
{
    button.setCaption(caption);
    button.setGeometry(geometry);
}
} // namespace

Form2::Form2(Form1 &lesson)
    : figurePreview(*this, figureArea),
      graphPreview(*this, graphArea), letters{{letterControl(figurePreview, u"Ａ"),
                                               letterControl(figurePreview, u"Ｂ"),
                                               letterControl(figurePreview, u"Ｃ"),
                                               letterControl(figurePreview, u"Ｄ")}},
      start(figurePreview, {outOfSight.x, outOfSight.y, 10, 10}, {255, 0, 0}, {192, 0, 0}),
      m_lesson(lesson)
{
    if (linkCodesShown())
        linkCode = std::make_unique<LinkCode>(*this);
    placeControls();
    connectHandlers();
}

void Form2::placeControls()
{
    setCaption(u"問題の設定");
    setClientSize({clientWidth(), clientHeight});
    setFont(defaultUiFont());
    placeFields();
    placePreview();

    placeCaption(linkCaption, u"リンク", {12, linkRow + 3}, 120);
    linkBox.setGeometry({fieldLeft, linkRow, clientWidth() - fieldLeft - 3 * margin - 120, 24});
    linkBox.setReadOnly(true);
    linkBox.setAccessibleName(u"リンク");
    placeButton(copyButton, u"リンクをコピー",
                {clientWidth() - margin - 120, linkRow - 2, 120, 28});

    placeButton(textbookButton, u"教科書の問題に戻す", {margin, buttonTop, 160, 32});
    placeButton(applyButton, u"この問題にする", {610, buttonTop, 128, 32});
    placeButton(cancelButton, u"キャンセル", {746, buttonTop, 96, 32});

    std::vector<Control *> order{&figureBox,      &abBox,       &bcBox,         &adBox,
                                 &routeBox,       &triangleBox, &mBox,          &speedBox,
                                 &linkBox,        &copyButton,  &figurePreview, &graphPreview,
                                 &textbookButton, &applyButton, &cancelButton};
    setTabOrder(order);
}

void Form2::placeFields()
{
    const auto row = [](SetupField field) { return rowTop(field); };
    placeCaption(figureCaption, u"図形", {12, row(SetupField::Figure) + 3}, 120);
    figureBox.setGeometry({fieldLeft, row(SetupField::Figure), 128, 24});
    figureBox.addItems(figureNames);
    figureBox.setAccessibleName(u"図形");

    const std::array<std::pair<Label *, TextBox *>, 3> lengths{
        {{&abCaption, &abBox}, {&bcCaption, &bcBox}, {&adCaption, &adBox}}};
    const std::array<std::u16string, 3> sides{u"ＡＢ", u"ＢＣ", u"ＡＤ"};
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const int top = row(SetupField(int(SetupField::Ab) + int(i)));
        placeCaption(*lengths[i].first, sides[i], {12, top + 3}, 120);
        lengths[i].second->setGeometry({fieldLeft, top, 64, 24});
        lengths[i].second->setAccessibleName(sides[i] + u"（cm）");
        placeCaption(units[i], u"cm", {fieldLeft + 68, top + 3}, 40);
    }

    placeCaption(routeCaption, u"点Ｐの動き", {12, row(SetupField::Route) + 3}, 120);
    routeBox.setGeometry({fieldLeft, row(SetupField::Route), 128, 24});
    routeBox.setAccessibleName(u"点Ｐの動き");
    placeCaption(triangleCaption, u"三角形Ｐ", {12, row(SetupField::Triangle) + 3}, 120);
    triangleBox.setGeometry({fieldLeft, row(SetupField::Triangle), 64, 24});
    triangleBox.setAccessibleName(u"三角形（Ｐと２つの点）");
    placeCaption(mCaption, u"Ｍは辺", {12, row(SetupField::M) + 3}, 120);
    mBox.setGeometry({fieldLeft, row(SetupField::M), 64, 24});
    mBox.setAccessibleName(u"Ｍを真ん中の点とする辺");
    placeCaption(mAfter, u"の真ん中", {fieldLeft + 68, row(SetupField::M) + 3}, 64);
    placeCaption(speedCaption, u"速さ　毎秒", {12, row(SetupField::Speed) + 3}, 120);
    speedBox.setGeometry({fieldLeft, row(SetupField::Speed), 64, 24});
    speedBox.addItems({u"0.5", u"1", u"2", u"3", u"4", u"5"});
    speedBox.setAccessibleName(u"速さ（毎秒 cm）");
    placeCaption(units[3], u"cm", {fieldLeft + 68, row(SetupField::Speed) + 3}, 40);

    for (std::size_t i = 0; i < messages.size(); ++i) {
        placeCaption(messages[i], u"", {messageLeft, rowTop(SetupField(i)) + 3},
                     clientWidth() - messageLeft - margin);
        messages[i].setForeColor(messageColor);
    }
}

void Form2::placePreview()
{
    figurePreview.setBackColor(blackboardGreen);
    figurePreview.setForeColor(white);
    figurePreview.setDrawWidth(5);
    figurePreview.setAccessibleName(u"図形の見本");
    figurePreview.setStackingOrder({&letters[3], &letters[2], &letters[1], &letters[0], &start});
    graphPreview.setBackColor(paperYellow);
    graphPreview.setForeColor(black);
    graphPreview.setDrawWidth(2);
    graphPreview.setAccessibleName(u"グラフの見本");
    if (linkCode) {
        linkCode->setGeometry({codeLeft, previewTop, codeSize, codeSize});
        linkCode->setAccessibleName(u"リンクのQRコード");
    }
}

void Form2::connectHandlers()
{
    figureBox.setOnChange([this] { check(); });
    speedBox.setOnChange([this] { check(); });
    for (TextBox *box : {&abBox, &bcBox, &adBox, &routeBox, &triangleBox, &mBox})
        box->setOnChange([this] { check(); });
    applyButton.setOnClick([this] { apply(); });
    cancelButton.setOnClick([this] { cancel(); });
    textbookButton.setOnClick([this] { fillTextbook(); });
    copyButton.setOnClick([this] { copyToClipboard(linkBox.text()); });
    setKeyPreview([this](const KeyPress &press) { return previewKey(press); });
    setOnClose([this] { cancel(); });
}

void Form2::open()
{
    m_lessonFocus = m_lesson.focusedControl();
    fill(fieldsOf(m_lesson.lesson.walk.problem()));
    showModal(m_lesson);
    figureBox.setFocus();
}

SetupFields Form2::fields() const
{
    SetupFields fields;
    const auto chosen = std::find(figureNames.begin(), figureNames.end(), figureBox.text());
    if (chosen != figureNames.end())
        fields.figure = FigureChoice(chosen - figureNames.begin());
    fields.ab = abBox.text();
    fields.bc = bcBox.text();
    fields.ad = adBox.text();
    fields.route = routeBox.text();
    fields.triangle = triangleBox.text();
    fields.m = mBox.text();
    fields.speed = speedBox.text();
    return fields;
}

void Form2::fill(const SetupFields &fields)
{
    m_bcBeforeSquare.reset();
    figureBox.setCurrentIndex(int(fields.figure));
    abBox.setText(fields.ab);
    bcBox.setText(fields.bc);
    adBox.setText(fields.ad);
    routeBox.setText(fields.route);
    triangleBox.setText(fields.triangle);
    mBox.setText(fields.m);
    speedBox.setText(fields.speed);
    check();
}

void Form2::check()
{
    enableFields();
    const SetupCheck result = checkFields(fields());
    showMessages(result);
    m_problem = result.problem;
    applyButton.setEnabled(m_problem.has_value());
    copyButton.setEnabled(m_problem.has_value());
    if (!m_problem) {
        clearPreview();
        return;
    }
    const std::u16string link = problemLink(linkText(*m_problem));
    linkBox.setText(link);
    if (linkCode)
        linkCode->setText(link);
    drawPreview(lessonFor(*m_problem));
}

// A message that appears beside the field being typed in is read out once.
void Form2::showMessages(const SetupCheck &check)
{
    const std::array<Control *, setupFieldCount> inputs{
        &figureBox, &abBox, &bcBox, &adBox, &routeBox, &triangleBox, &mBox, &speedBox};
    for (std::size_t i = 0; i < messages.size(); ++i) {
        if (messages[i].text() == check.messages[i])
            continue;
        messages[i].setText(check.messages[i]);
        if (!check.messages[i].empty() && inputs[i]->hasFocus())
            announce(check.messages[i]);
    }
}

// A square's BC is its AB; AD is a trapezoid's own; M's side counts only where M is used.
void Form2::enableFields()
{
    const SetupFields now = fields();
    const bool square = now.figure == FigureChoice::Square;
    if (square && !m_bcBeforeSquare)
        m_bcBeforeSquare = bcBox.text();
    if (!square && m_bcBeforeSquare) {
        bcBox.setText(*m_bcBeforeSquare);
        m_bcBeforeSquare.reset();
    }
    if (square && bcBox.text() != abBox.text())
        bcBox.setText(abBox.text());
    bcBox.setEnabled(!square);
    adBox.setEnabled(now.usesAd());
    mBox.setEnabled(now.usesM());
}

// The figure and route on the board, P's start, and every piece of the graph drawn whole.
void Form2::drawPreview(const Lesson &lesson)
{
    drawFigure(figurePreview, lesson);
    for (const Leg &leg : lesson.walk.legs())
        figurePreview.line(boardPoint(lesson, leg.start), boardPoint(lesson, leg.end), pathRed);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        letters[i].setLeft(float(lesson.look.board.letters[i].x));
        letters[i].setTop(float(lesson.look.board.letters[i].y));
    }
    const PointF first = boardPoint(lesson, lesson.walk.placeAt(0));
    start.setLeft(float(first.x - 5));
    start.setTop(float(first.y - 5));
    figurePreview.setAccessibleDescription(boardText(lesson.walk, 0));

    drawGraphPaper(graphPreview, lesson);
    graphPreview.setDrawWidth(5);
    std::vector<LineF> trace;
    const std::vector<Piece> &pieces = lesson.walk.pieces();
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const PointF from = graphPoint(lesson, pieces[i].from, pieces[i].at(pieces[i].from));
        const PointF to = graphPoint(lesson, pieces[i].to, pieces[i].at(pieces[i].to));
        graphPreview.line(from, to, pieceColors[i % pieceColors.size()]);
        trace.push_back({float(from.x), float(from.y), float(to.x), float(to.y)});
    }
    graphPreview.setDrawWidth(2);
    graphPreview.setAccessibleDescription(graphDescription(trace, lesson.walk, lesson.look.graph,
                                                           graphPreview.drawingAreaSize().height));
}

void Form2::clearPreview()
{
    const std::u16string none = u"使えない項目があるので、見本はかけません";
    figurePreview.cls();
    graphPreview.cls();
    for (LabelControl &letter : letters) {
        letter.setLeft(outOfSight.x);
        letter.setTop(outOfSight.y);
    }
    start.setLeft(outOfSight.x);
    start.setTop(outOfSight.y);
    figurePreview.setAccessibleDescription(none);
    graphPreview.setAccessibleDescription(none);
    linkBox.setText(u"");
    if (linkCode)
        linkCode->setText(u"");
}

// Today's problem from the fields takes today's own look, and leaves no "#" in the address.
void Form2::apply()
{
    if (!m_problem)
        return;
    const Problem problem = *m_problem;
    keepProblem(problem.look ? u"" : linkText(problem));
    hide();
    m_lesson.setProblem(problem);
    returnFocus();
}

void Form2::cancel()
{
    hide();
    returnFocus();
}

void Form2::returnFocus()
{
    if (m_lessonFocus != nullptr && m_lessonFocus->isEnabled())
        m_lessonFocus->setFocus();
}

void Form2::fillTextbook()
{
    fill(fieldsOf(todaysProblem()));
}

// Enter presses the focused button, or applies; Escape cancels. Nothing else is taken.
bool Form2::previewKey(const KeyPress &press)
{
    if (press.withModifiers)
        return false;
    if (press.key == Key::Escape) {
        cancel();
        return true;
    }
    if (press.key != Key::Enter)
        return false;
    for (CommandButton *button : {&copyButton, &textbookButton, &cancelButton, &applyButton}) {
        if (button->hasFocus()) {
            button->click();
            return true;
        }
    }
    applyButton.click();
    return true;
}
