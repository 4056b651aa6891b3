// The window's layout, its load routine, the reset and the exit.
#include "app/form1.h"

#include "figure/parking.h"
#include "platform/application.h"
#include "platform/fonts.h"

#include <QFontMetrics>

namespace {
const QColor olive(128, 128, 0);
const QColor white(255, 255, 255);
const QColor blackboardGreen(0, 128, 0);
const QColor letterColor = white;

void setColor(QWidget &widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

void placeButton(QPushButton &button, const QString &text, const QRect &geometry)
{
    button.setText(text);
    button.setGeometry(geometry);
}

// Shows only the square on the window's olive: the box is too narrow for its own caption.
void placeCheckBox(QCheckBox &box, const QString &caption, const QRect &geometry,
                   const QLabel &label)
{
    box.setText(caption);
    box.setGeometry(geometry);
    box.setAccessibleName(label.text());
}

// White text on its own background, exactly as large as the text.
void placeCaption(QLabel &label, const QString &text, const QPoint &position, const QFont &font,
                  const QColor &background)
{
    label.setText(text);
    label.setFont(font);
    label.setMargin(0);
    label.setAutoFillBackground(true);
    setColor(label, QPalette::Window, background);
    setColor(label, QPalette::WindowText, white);
    const QFontMetrics metrics(font);
    label.setGeometry(QRect(position, QSize(metrics.horizontalAdvance(text), metrics.height())));
}
} // namespace

Form1::Form1()
    : kokuban(this, QRect(24, 112, 433, 313)), gamen(this, QRect(472, 160, 385, 265)),
      Line5(kokuban, parkedLine(line5Parking), QColor(255, 128, 255), 5),
      Line4{{{kokuban, parkedLine(line4Parking[0]), QColor(255, 0, 0), 5},
             {kokuban, parkedLine(line4Parking[1]), QColor(255, 0, 0), 5},
             {kokuban, parkedLine(line4Parking[2]), QColor(255, 0, 0), 5}}},
      P(kokuban, QStringLiteral("Ｐ"), QPointF(48, 224), gothicFont(21, true), letterColor,
        blackboardGreen),
      Label4{{{kokuban, QStringLiteral("Ａ"), QPointF(48, 32), gothicFont(19, true), letterColor,
               blackboardGreen},
              {kokuban, QStringLiteral("Ｂ"), QPointF(48, 248), gothicFont(19, true), letterColor,
               blackboardGreen},
              {kokuban, QStringLiteral("Ｃ"), QPointF(390, 248), gothicFont(19, true), letterColor,
               blackboardGreen},
              {kokuban, QStringLiteral("Ｄ"), QPointF(390, 32), gothicFont(19, true), letterColor,
               blackboardGreen}}},
      Shape1(kokuban, QRectF(8, 8, 10, 10), QColor(255, 0, 0), QColor(192, 0, 0)),
      Line3(gamen, parkedLine(line3Parking), QColor(255, 0, 255), 5),
      Line2(gamen, parkedLine(line2Parking), QColor(192, 64, 0), 5),
      Line1(gamen, parkedLine(line1Parking), QColor(255, 0, 0), 5)
{
    placeControls();
    connectHandlers();
    Form_Load();
}

void Form1::placeControls()
{
    setWindowTitle(QStringLiteral("３.一次関数 (by Oskavel)"));
    resize(865, 437);
    setFont(defaultUiFont());
    setAutoFillBackground(true);
    setColor(*this, QPalette::Window, olive);

    placeButton(syokigamen, QStringLiteral("初期画面"), QRect(216, 8, 81, 41));
    setColor(syokigamen, QPalette::Button, QColor(255, 192, 192));
    placeButton(end, QStringLiteral("終了"), QRect(800, 16, 49, 41));
    placeButton(jidou, QStringLiteral("自動"), QRect(40, 64, 65, 33));
    setColor(jidou, QPalette::Button, QColor(128, 255, 128));
    jidou.setFont(gothicFont(16));
    placeButton(tomeru, QStringLiteral("ストップ"), QRect(112, 64, 57, 33));
    setColor(tomeru, QPalette::Button, QColor(192, 255, 192));
    placeButton(modoru, QStringLiteral("戻る"), QRect(288, 64, 73, 33));
    setColor(modoru, QPalette::Button, QColor(0, 255, 255));
    modoru.setFont(gothicFont(16));
    placeButton(susumu, QStringLiteral("進む"), QRect(384, 64, 73, 33));
    setColor(susumu, QPalette::Button, QColor(255, 255, 0));
    susumu.setFont(gothicFont(16));

    placeCaption(Label6, QStringLiteral("関数の利用"), QPoint(8, 8), gothicFont(37),
                 QColor(0, 0, 255));
    placeCaption(Label5, QStringLiteral("ヒント"), QPoint(336, 16), gothicFont(27, true), olive);
    placeCaption(Label1, QStringLiteral("点Ｐの進んだ距離"), QPoint(496, 16), gothicFont(29),
                 olive);
    placeCaption(Label2, QStringLiteral("cm"), QPoint(680, 48), gothicFont(29), olive);
    placeCaption(Label8, QStringLiteral("グ\u3000ラ\u3000フ"), QPoint(496, 112), gothicFont(27),
                 olive);
    placeCaption(Label3, QStringLiteral("表示速度"), QPoint(720, 112), gothicFont(19), olive);

    placeCheckBox(Check3, QStringLiteral("Check3"), QRect(408, 24, 17, 17), Label5);
    placeCheckBox(Check1, QStringLiteral("Check1"), QRect(728, 16, 17, 33), Label1);
    placeCheckBox(Check2, QStringLiteral("Check2"), QRect(624, 120, 17, 17), Label8);

    Text1.setGeometry(608, 48, 65, 33);
    Text1.setFont(gothicFont(24));
    Text1.setText(QStringLiteral("Text1"));
    Text1.setAccessibleName(Label1.text() + QStringLiteral("（") + Label2.text() +
                            QStringLiteral("）"));

    Combo1.setGeometry(808, 112, 41, 21);
    Combo1.setFont(gothicFont(13));
    Combo1.addItems({QStringLiteral("01"), QStringLiteral("05"), QStringLiteral("10"),
                     QStringLiteral("20"), QStringLiteral("40")});
    Combo1.setCurrentIndex(3);
    Combo1.setAccessibleName(Label3.text());

    kokuban.setBackColor(blackboardGreen);
    kokuban.setForeColor(white);
    kokuban.setFillColor(QColor(0, 0, 255));
    kokuban.setDrawWidth(5);
    kokuban.setAccessibleName(QStringLiteral("黒板"));
    kokuban.setStackingOrder({&Line5, &Line4[2], &Line4[1], &Line4[0], &P, &Label4[3], &Label4[2],
                              &Label4[1], &Label4[0], &Shape1});

    gamen.setBackColor(QColor(255, 255, 192));
    gamen.setForeColor(palette().color(QPalette::ButtonText));
    gamen.setDrawWidth(2);
    gamen.setAccessibleName(QStringLiteral("グラフ用紙"));
    gamen.setStackingOrder({&Line3, &Line2, &Line1});

    setTabOrder(&gamen, &end);
    setTabOrder(&end, &Text1);
    setTabOrder(&Text1, &Combo1);
    setTabOrder(&Combo1, &syokigamen);
    setTabOrder(&syokigamen, &Check2);
    setTabOrder(&Check2, &kokuban);
    setTabOrder(&kokuban, &susumu);
    setTabOrder(&susumu, &modoru);
    setTabOrder(&modoru, &jidou);
    setTabOrder(&jidou, &tomeru);
    setTabOrder(&tomeru, &Check1);
    setTabOrder(&Check1, &Check3);
    gamen.setFocus();
}

void Form1::connectHandlers()
{
    connect(&susumu, &QPushButton::clicked, this, &Form1::susumu_Click);
    connect(&modoru, &QPushButton::clicked, this, &Form1::modoru_Click);
    connect(&jidou, &QPushButton::clicked, this, &Form1::jidou_Click);
    connect(&tomeru, &QPushButton::clicked, this, &Form1::tomeru_Click);
    connect(&syokigamen, &QPushButton::clicked, this, &Form1::syokigamen_Click);
    connect(&end, &QPushButton::clicked, this, &Form1::end_Click);
    connect(&Check1, &QCheckBox::clicked, this, &Form1::Check1_Click);
    connect(&Check3, &QCheckBox::clicked, this, &Form1::Check3_Click);
}

// Puts every moving part into the initial screen. Surfaces measure in pixels from their
// creation, so there is no unit to switch first.
void Form1::Form_Load()
{
    Text1.setText(QStringLiteral("0"));
    DrawGraphGrid();
    DrawRectangle();
    Shape1.setTop(245);
    Shape1.setLeft(70);
    Distance = 0;
    tomeru.setEnabled(false);
    park(Line1, line1Parking);
    park(Line2, line2Parking);
    park(Line3, line3Parking);
    park(Line4[0], line4Parking[0]);
    park(Line4[1], line4Parking[1]);
    park(Line4[2], line4Parking[2]);
    park(Line5, line5Parking);
    P.setTop(226);
    P.setLeft(48);
    DescribeBlackboard();
    DescribeGraph();
}

void Form1::syokigamen_Click()
{
    Form_Load();
}

void Form1::end_Click()
{
    endProgram();
}
