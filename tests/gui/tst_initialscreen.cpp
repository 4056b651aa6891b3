// The window as it opens and as the reset leaves it: layout, texts and the two pictures.
#include "figureprobe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

namespace {
const QColor gridColor(0, 128, 0);

// Every colour shown anywhere inside the surface's border.
QSet<QRgb> coloursShown(PictureBox &surface)
{
    const QImage image = widget(surface).grab().toImage();
    const int border = qRound(PictureBox::borderWidth * image.devicePixelRatio());
    QSet<QRgb> colours;
    for (int y = border; y < image.height() - border; ++y)
        for (int x = border; x < image.width() - border; ++x)
            colours.insert(image.pixel(x, y));
    return colours;
}

} // namespace

class TestInitialScreen : public QObject
{
    Q_OBJECT

private slots:
    void window();
    void controls_data();
    void controls();
    void captionsAreAsLargeAsTheirText();
    void checkBoxesShowOnlyTheirSquare();
    void tabOrderAndFirstFocus();
    void movingPartsStartAtB();
    void blackboardShowsTheRectangle_data();
    void blackboardShowsTheRectangle();
    void markerIsCentredOnB();
    void graphPaperShowsTheGrid_data();
    void graphPaperShowsTheGrid();
    void parkedLinesAreOutOfSight();
    void resetRestoresTheInitialScreen();
    void resetLeavesTheUsersChoices();
    void resizingScalesTheLayout();
};

void TestInitialScreen::window()
{
    Form1 form;
    QCOMPARE(qs(form.caption()), QStringLiteral("３.一次関数 (by Oskavel)"));
    QCOMPARE(widget(form).size(), QSize(865, 437));
    QCOMPARE(widget(form).palette().color(QPalette::Window), QColor(128, 128, 0));
    QCOMPARE(qs(form.Text1.text()), QStringLiteral("0"));
    QCOMPARE(qs(form.Combo1.text()), QStringLiteral("20"));
    QCOMPARE(form.Combo1.count(), 5);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(qs(form.Combo1.itemText(i)), QStringList({"01", "05", "10", "20", "40"}).at(i));
    QVERIFY(widget<QComboBox>(form.Combo1).isEditable());
    QVERIFY2(!form.tomeru.isEnabled(), "the stop button waits for automatic play");
    for (CommandButton *button :
         {&form.syokigamen, &form.end, &form.jidou, &form.modoru, &form.susumu})
        QVERIFY2(button->isEnabled(), qPrintable(qs(button->caption())));
}

void TestInitialScreen::controls_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QColor>("face");
    QTest::addColumn<int>("pixelSize");

    const QColor system;
    QTest::newRow("syokigamen") << "syokigamen"
                                << "初期画面" << QRect(216, 8, 81, 41) << QColor(255, 192, 192)
                                << 12;
    QTest::newRow("end") << "end"
                         << "終了" << QRect(800, 16, 49, 41) << system << 12;
    QTest::newRow("jidou") << "jidou"
                           << "自動" << QRect(40, 64, 65, 33) << QColor(128, 255, 128) << 16;
    QTest::newRow("tomeru") << "tomeru"
                            << "ストップ" << QRect(112, 64, 57, 33) << QColor(192, 255, 192) << 12;
    QTest::newRow("modoru") << "modoru"
                            << "戻る" << QRect(288, 64, 73, 33) << QColor(0, 255, 255) << 16;
    QTest::newRow("susumu") << "susumu"
                            << "進む" << QRect(384, 64, 73, 33) << QColor(255, 255, 0) << 16;
    QTest::newRow("Text1") << "Text1"
                           << "0" << QRect(608, 48, 65, 33) << system << 24;
    QTest::newRow("Combo1") << "Combo1"
                            << "20" << QRect(808, 112, 41, 21) << system << 13;
    QTest::newRow("Check3") << "Check3"
                            << "Check3" << QRect(408, 24, 17, 17) << system << 12;
    QTest::newRow("Check1") << "Check1"
                            << "Check1" << QRect(728, 16, 17, 33) << system << 12;
    QTest::newRow("Check2") << "Check2"
                            << "Check2" << QRect(624, 120, 17, 17) << system << 12;
    QTest::newRow("kokuban") << "kokuban"
                             << "" << QRect(24, 112, 433, 313) << system << 12;
    QTest::newRow("gamen") << "gamen"
                           << "" << QRect(472, 160, 385, 265) << system << 12;
}

void TestInitialScreen::controls()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, geometry);
    QFETCH(QColor, face);
    QFETCH(int, pixelSize);

    Form1 form;
    const QMap<QString, Control *> controls{{"syokigamen", &form.syokigamen},
                                            {"end", &form.end},
                                            {"jidou", &form.jidou},
                                            {"tomeru", &form.tomeru},
                                            {"modoru", &form.modoru},
                                            {"susumu", &form.susumu},
                                            {"Text1", &form.Text1},
                                            {"Combo1", &form.Combo1},
                                            {"Check3", &form.Check3},
                                            {"Check1", &form.Check1},
                                            {"Check2", &form.Check2},
                                            {"kokuban", &form.kokuban},
                                            {"gamen", &form.gamen}};
    QWidget *native = &widget(*controls.value(name));
    QCOMPARE(native->geometry(), geometry);
    QCOMPARE(native->font().pixelSize(), pixelSize);
    QVERIFY2(native->font().family().contains("Gothic") ||
                 native->font().families().contains(QStringLiteral("IPAPGothic")),
             qPrintable(native->font().family()));
    if (auto button = qobject_cast<QAbstractButton *>(native))
        QCOMPARE(button->text(), text);
    if (auto edit = qobject_cast<QLineEdit *>(native))
        QCOMPARE(edit->text(), text);
    if (face.isValid())
        QCOMPARE(native->palette().color(QPalette::Button), face);
}

void TestInitialScreen::captionsAreAsLargeAsTheirText()
{
    Form1 form;
    const QList<std::tuple<Label *, QString, QPoint, int, bool, QColor>> captions{
        {&form.Label6, QStringLiteral("関数の利用"), {8, 8}, 37, false, QColor(0, 0, 255)},
        {&form.Label5, "ヒント", {336, 16}, 27, true, QColor(128, 128, 0)},
        {&form.Label1, "点Ｐの進んだ距離", {496, 16}, 29, false, QColor(128, 128, 0)},
        {&form.Label2, "cm", {680, 48}, 29, false, QColor(128, 128, 0)},
        {&form.Label8,
         QStringLiteral(u"グ\u3000ラ\u3000フ"),
         {496, 112},
         27,
         false,
         QColor(128, 128, 0)},
        {&form.Label3, "表示速度", {720, 112}, 19, false, QColor(128, 128, 0)}};
    for (const auto &[control, text, position, pixelSize, bold, background] : captions) {
        const QLabel *label = &widget<QLabel>(*control);
        QCOMPARE(label->text(), text);
        QCOMPARE(label->pos(), position);
        QCOMPARE(label->font().pixelSize(), pixelSize);
        QCOMPARE(label->font().bold(), bold);
        const QFontMetrics metrics(label->font());
        QCOMPARE(label->size(), QSize(metrics.horizontalAdvance(text), metrics.height()));
        QCOMPARE(label->palette().color(QPalette::Window), background);
        QCOMPARE(label->palette().color(QPalette::WindowText), white);
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    }
}

void TestInitialScreen::checkBoxesShowOnlyTheirSquare()
{
    Form1 form;
    for (auto [control, label] :
         {std::pair{&form.Check3, &form.Label5}, std::pair{&form.Check1, &form.Label1},
          std::pair{&form.Check2, &form.Label8}}) {
        QCheckBox *box = &widget<QCheckBox>(*control);
        QCOMPARE(box->checkState(), Qt::Unchecked);
        QCOMPARE(box->accessibleName(), qs(label->text()));
        const QImage shot = box->grab().toImage();
        const qreal ratio = shot.devicePixelRatio();
        const int square = box->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box);
        QVERIFY2(square < box->width(), "the square fits the box");
        // Right of the square nothing but the window's olive shows: no caption text.
        for (int y = 0; y < shot.height(); ++y)
            for (int x = qCeil((square + 1) * ratio); x < shot.width(); ++x)
                QCOMPARE(shot.pixelColor(x, y), QColor(128, 128, 0));
    }
}

void TestInitialScreen::tabOrderAndFirstFocus()
{
    Form1 form;
    form.tomeru.setEnabled(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    widget(form).activateWindow();
    QTRY_COMPARE(QApplication::focusWidget(), &widget(form.gamen));

    const QList<QWidget *> expected{
        &widget(form.end),    &widget(form.Text1),   &widget(form.Combo1), &widget(form.syokigamen),
        &widget(form.Check2), &widget(form.kokuban), &widget(form.susumu), &widget(form.modoru),
        &widget(form.jidou),  &widget(form.tomeru),  &widget(form.Check1), &widget(form.Check3),
        &widget(form.gamen)};
    QComboBox &combo = widget<QComboBox>(form.Combo1);
    QList<QWidget *> visited;
    for (int i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        visited.append(focus == combo.lineEdit() ? &combo : focus);
    }
    QCOMPARE(visited, expected);
}

void TestInitialScreen::movingPartsStartAtB()
{
    Form1 form;
    QCOMPARE(form.Distance, Int16(0));
    QCOMPARE(form.Shape1.left(), 70.0f);
    QCOMPARE(form.Shape1.top(), 245.0f);
    QCOMPARE(form.P.left(), 48.0f);
    QCOMPARE(form.P.top(), 226.0f);
    QCOMPARE(form.kokuban.fillStyle(), PictureBox::FillStyle::Transparent);
    const QList<std::pair<QString, QPointF>> letters{
        {"Ａ", {48, 32}}, {"Ｂ", {48, 248}}, {"Ｃ", {390, 248}}, {"Ｄ", {390, 32}}};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(qs(form.Label4[i].text()), letters[i].first);
        QCOMPARE(QPointF(form.Label4[i].left(), form.Label4[i].top()), letters[i].second);
    }
}

void TestInitialScreen::blackboardShowsTheRectangle_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("side BA") << QPoint(75, 150) << white;
    QTest::newRow("side AD") << QPoint(225, 50) << white;
    QTest::newRow("side DC") << QPoint(375, 150) << white;
    QTest::newRow("side BC") << QPoint(225, 250) << white;
    QTest::newRow("pen width outside") << QPoint(225, 48) << white;
    QTest::newRow("pen width inside") << QPoint(225, 52) << white;
    QTest::newRow("inside") << QPoint(225, 150) << green;
    QTest::newRow("inside near A") << QPoint(80, 55) << green;
    QTest::newRow("inside near C") << QPoint(370, 245) << green;
    QTest::newRow("outside") << QPoint(400, 150) << green;
    QTest::newRow("below BC") << QPoint(100, 290) << green;
}

void TestInitialScreen::blackboardShowsTheRectangle()
{
    QFETCH(QPoint, position);
    QFETCH(QColor, colour);
    Form1 form;
    QCOMPARE(drawnAt(form.kokuban, position.x(), position.y()), colour);
    QCOMPARE(shown(form.kokuban, position), colour);
}

void TestInitialScreen::markerIsCentredOnB()
{
    Form1 form;
    QCOMPARE(shown(form.kokuban, QPoint(75, 250)), red);
    for (const QPoint offset : {QPoint(-3, 0), QPoint(3, 0), QPoint(0, -3), QPoint(0, 3)})
        QCOMPARE(shown(form.kokuban, QPoint(75, 250) + offset), red);
    for (const QPoint offset : {QPoint(-7, 0), QPoint(7, 0), QPoint(0, -7), QPoint(0, 7)})
        QVERIFY(shown(form.kokuban, QPoint(75, 250) + offset) != red);
}

void TestInitialScreen::graphPaperShowsTheGrid_data()
{
    QTest::addColumn<QPoint>("position");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("bottom grid line") << QPoint(200, 200) << gridColor;
    QTest::newRow("top grid line") << QPoint(200, 60) << gridColor;
    QTest::newRow("top line ends at 365") << QPoint(364, 60) << gridColor;
    QTest::newRow("open to the right") << QPoint(368, 60) << paper;
    QTest::newRow("vertical line x=70") << QPoint(70, 120) << gridColor;
    QTest::newRow("rightmost vertical x=350") << QPoint(350, 120) << gridColor;
    QTest::newRow("no vertical at 370") << QPoint(370, 120) << paper;
    QTest::newRow("verticals rise to 40") << QPoint(250, 41) << gridColor;
    QTest::newRow("open at the top") << QPoint(250, 36) << paper;
    QTest::newRow("x axis past the origin") << QPoint(32, 201) << gridColor;
    QTest::newRow("y axis past the origin") << QPoint(49, 218) << gridColor;
    QTest::newRow("between grid lines") << QPoint(260, 150) << paper;
}

void TestInitialScreen::graphPaperShowsTheGrid()
{
    QFETCH(QPoint, position);
    QFETCH(QColor, colour);
    Form1 form;
    QCOMPARE(drawnAt(form.gamen, position.x(), position.y()), colour);
}

void TestInitialScreen::parkedLinesAreOutOfSight()
{
    Form1 form;
    const QSet<QRgb> kokubanColours = coloursShown(form.kokuban);
    QVERIFY2(!kokubanColours.contains(qRgb(255, 128, 255)), "the height line shows");
    const QImage board = widget(form.kokuban).grab().toImage();
    const qreal ratio = board.devicePixelRatio();
    const QRectF marker(72 * ratio, 247 * ratio, 10 * ratio, 10 * ratio);
    for (int y = 0; y < board.height(); ++y)
        for (int x = 0; x < board.width(); ++x)
            if (board.pixel(x, y) == qRgb(255, 0, 0))
                QVERIFY2(marker.contains(x + 0.5, y + 0.5), "a path highlight shows");

    const QSet<QRgb> gamenColours = coloursShown(form.gamen);
    for (const QRgb trace : {qRgb(255, 0, 0), qRgb(192, 64, 0), qRgb(255, 0, 255)})
        QVERIFY2(!gamenColours.contains(trace), "a piece of the graph shows");
    QCOMPARE(qc(form.Line5.color()), QColor(255, 128, 255));
    QCOMPARE(form.Line5.width(), 5);
    QCOMPARE(form.Line1.y1(), 268.0f);
    QCOMPARE(form.Line4[2].y2(), 320.0f);
}

void TestInitialScreen::resetRestoresTheInitialScreen()
{
    Form1 form;
    const QImage board = surfaceImage(form.kokuban);
    const QImage paperImage = surfaceImage(form.gamen);
    form.kokuban.line({0, 0}, {400, 300});
    form.gamen.line({0, 0}, {300, 200});
    form.Shape1.setLeft(370);
    form.P.setLeft(390);
    form.Line1.setY2(80);
    form.Line5.setY1(100);
    form.Distance = 28;
    form.Text1.setText(u" 28");
    form.tomeru.setEnabled(true);

    form.syokigamen.click();
    form.syokigamen.click();
    QCOMPARE(surfaceImage(form.kokuban), board);
    QCOMPARE(surfaceImage(form.gamen), paperImage);
    QCOMPARE(form.Distance, Int16(0));
    QCOMPARE(qs(form.Text1.text()), QStringLiteral("0"));
    QCOMPARE(QPointF(form.Shape1.left(), form.Shape1.top()), QPointF(70, 245));
    QCOMPARE(QPointF(form.P.left(), form.P.top()), QPointF(48, 226));
    QCOMPARE(form.Line1.y2(), 268.0f);
    QCOMPARE(form.Line5.y1(), 320.0f);
    QVERIFY(!form.tomeru.isEnabled());
}

void TestInitialScreen::resetLeavesTheUsersChoices()
{
    Form1 form;
    form.Check1.setValue(1);
    form.Check3.setValue(2);
    form.Combo1.setText(u"07");
    form.StopRequested = 1;
    form.susumu.setEnabled(false);
    form.Form_Load();
    QCOMPARE(widget<QCheckBox>(form.Check1).checkState(), Qt::Checked);
    QCOMPARE(widget<QCheckBox>(form.Check3).checkState(), Qt::PartiallyChecked);
    QCOMPARE(qs(form.Combo1.text()), QStringLiteral("07"));
    QCOMPARE(form.StopRequested, Int16(1));
    QVERIFY(!form.susumu.isEnabled());
}

// A frame larger or smaller than the layout scales it uniformly, centred (Window::fit); below
// half its size it stays at half, from the top-left corner, and the frame cuts it off. At its own
// size the layout is where it was, to the pixel.
void TestInitialScreen::resizingScalesTheLayout()
{
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    const QRect board = widget(form.kokuban).geometry();
    const QRect quit = widget(form.end).geometry();
    const QImage before = widget(form).grab().toImage();
    widget(form).resize(400, 200);
    QCOMPARE(form.fit().factor, 0.5);
    QCOMPARE(widget(form.kokuban).geometry(), QRect(12, 56, 217, 157));
    QCOMPARE(widget(form.end).geometry(), QRect(400, 8, 25, 21));
    widget(form).resize(1200, 800);
    const double factor = 1200.0 / 865;
    QCOMPARE(form.fit().factor, factor);
    const int top = qRound((800 - 437 * factor) / 2);
    QCOMPARE(widget(form.kokuban).geometry(), QRect(qRound(24 * factor), top + qRound(112 * factor),
                                                    qRound(457 * factor) - qRound(24 * factor),
                                                    qRound(425 * factor) - qRound(112 * factor)));
    widget(form).resize(865, 437);
    QCOMPARE(form.fit().factor, 1.0);
    QCOMPARE(widget(form.kokuban).geometry(), board);
    QCOMPARE(widget(form.end).geometry(), quit);
    QCOMPARE(widget(form.gamen).size(), QSize(385, 265));
    QCOMPARE(widget(form).grab().toImage(), before);
}

QTEST_MAIN(TestInitialScreen)
#include "tst_initialscreen.moc"
