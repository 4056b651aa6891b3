// The drawing surface: what its drawing calls leave in its image, and what a repaint shows.
#include "platform/labelcontrol.h"
#include "platform/linecontrol.h"
#include "platform/picturebox.h"
#include "platform/shapecontrol.h"
#include "platform/window.h"
#include "qtpeers.h"

#include <QTest>
#include <memory>
#include <set>

namespace {
const Color back{0, 128, 0};
const Color fore{255, 255, 255};
const Color fill{0, 0, 255};

// The colour shown on screen at a point of the widget, at any device pixel ratio.
QColor shown(QWidget &widget, const QPoint &position)
{
    const QImage image = widget.grab().toImage();
    const qreal ratio = image.devicePixelRatio();
    return image.pixelColor(qRound(position.x() * ratio), qRound(position.y() * ratio));
}

QPoint onScreen(const QPoint &drawingAreaPoint)
{
    return drawingAreaPoint + QPoint(PictureBox::borderWidth, PictureBox::borderWidth);
}
} // namespace

class TestPictureBox : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void drawingAreaIsInsideTheBorder();
    void printEndsItsLine();
    void clsWipesAndResetsTheTextPosition();
    void wideLinesAreExactAndRound();
    void lineInAGivenColour();
    void boxIsAnOutlineUnlessFilled();
    void floodFillPaintsOnlyWithASolidFillStyle();
    void repaintShowsWhatWasDrawn();
    void controlsStackFrontToBack();
    void controlsOutsideTheDrawingAreaAreHidden();

private:
    std::unique_ptr<Window> m_window;
    std::unique_ptr<PictureBox> m_box;
};

void TestPictureBox::init()
{
    m_window = std::make_unique<Window>();
    m_window->setClientSize({200, 150});
    m_box = std::make_unique<PictureBox>(*m_window, Rect{10, 10, 104, 84});
    m_box->setBackColor(back);
    m_box->setForeColor(fore);
    m_box->setFillColor(fill);
    m_box->setDrawWidth(5);
}

void TestPictureBox::cleanup()
{
    m_box.reset();
    m_window.reset();
}

void TestPictureBox::drawingAreaIsInsideTheBorder()
{
    const Size size = m_box->drawingAreaSize();
    QCOMPARE(QSize(size.width, size.height), QSize(100, 80));
    QCOMPARE(surfaceImage(*m_box).deviceIndependentSize(), QSizeF(100, 80));
    m_box->setDrawWidth(1);
    m_box->line({0, 0}, {5, 0});
    QCOMPARE(shown(widget(*m_box), onScreen(QPoint(0, 0))), qc(fore));
    QVERIFY2(shown(widget(*m_box), QPoint(0, 0)) != qc(back),
             "the border is painted over the corner");
}

void TestPictureBox::printEndsItsLine()
{
    const qreal lineHeight = QFontMetricsF(qtFont(m_box->font())).height();
    m_box->setCurrentX(20);
    m_box->setCurrentY(10);
    m_box->print(u"８cm");
    QCOMPARE(m_box->currentX(), 0.0f);
    QCOMPARE(m_box->currentY(), float(10 + lineHeight));
    m_box->print(u"x");
    QCOMPARE(m_box->currentY(), float(10 + 2 * lineHeight));

    bool inked = false;
    for (int x = 20; x < 40; ++x)
        for (int y = 10; y < 10 + lineHeight; ++y)
            inked = inked || drawnAt(*m_box, x, y) != qc(back);
    QVERIFY2(inked, "the text is drawn below and right of the text position");
    QCOMPARE(drawnAt(*m_box, 19, 5), qc(back));
}

void TestPictureBox::clsWipesAndResetsTheTextPosition()
{
    m_box->line({10, 10}, {90, 70});
    m_box->setCurrentX(30);
    m_box->print(u"text");
    m_box->cls();
    QCOMPARE(m_box->currentX(), 0.0f);
    QCOMPARE(m_box->currentY(), 0.0f);
    const QImage &image = surfaceImage(*m_box);
    QImage wiped(image.size(), QImage::Format_RGB32);
    wiped.fill(qc(back));
    wiped.setDevicePixelRatio(image.devicePixelRatio());
    QCOMPARE(image.convertToFormat(QImage::Format_RGB32), wiped);
}

// Borders for the flood fill must be exact: no blended pixels, and the pen width on both sides.
void TestPictureBox::wideLinesAreExactAndRound()
{
    m_box->line({20, 40}, {80, 40});
    m_box->line({10, 70}, {60, 20});
    std::set<QRgb> colours;
    const QImage &image = surfaceImage(*m_box);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QCOMPARE(colours, (std::set<QRgb>{qc(back).rgb(), qc(fore).rgb()}));

    for (int y = 38; y <= 42; ++y)
        QCOMPARE(drawnAt(*m_box, 50, y), qc(fore));
    QCOMPARE(drawnAt(*m_box, 50, 36), qc(back));
    QCOMPARE(drawnAt(*m_box, 50, 44), qc(back));
    QCOMPARE(drawnAt(*m_box, 81, 40), qc(fore));
    QCOMPARE(drawnAt(*m_box, 82, 42), qc(back));
}

void TestPictureBox::lineInAGivenColour()
{
    const Color grid{0, 128, 128};
    m_box->setDrawWidth(2);
    m_box->line({10, 50}, {90, 50}, grid);
    QCOMPARE(drawnAt(*m_box, 50, 50), qc(grid));
    QCOMPARE(qc(m_box->foreColor()), qc(fore));
}

void TestPictureBox::boxIsAnOutlineUnlessFilled()
{
    m_box->setFillStyle(PictureBox::FillStyle::Transparent);
    m_box->box({20, 20}, {60, 50});
    QCOMPARE(drawnAt(*m_box, 20, 35), qc(fore));
    QCOMPARE(drawnAt(*m_box, 40, 50), qc(fore));
    QCOMPARE(drawnAt(*m_box, 40, 35), qc(back));

    m_box->setFillStyle(PictureBox::FillStyle::Solid);
    m_box->box({20, 20}, {60, 50});
    QCOMPARE(drawnAt(*m_box, 40, 35), qc(fill));
    QCOMPARE(drawnAt(*m_box, 60, 35), qc(fore));
}

void TestPictureBox::floodFillPaintsOnlyWithASolidFillStyle()
{
    m_box->box({20, 20}, {60, 50});
    m_box->setFillStyle(PictureBox::FillStyle::Transparent);
    m_box->floodFill({40, 35}, fore);
    QCOMPARE(drawnAt(*m_box, 40, 35), qc(back));

    m_box->setFillStyle(PictureBox::FillStyle::Solid);
    m_box->floodFill({40, 35}, fore);
    QCOMPARE(drawnAt(*m_box, 40, 35), qc(fill));
    QCOMPARE(drawnAt(*m_box, 25, 25), qc(fill));
    QCOMPARE(drawnAt(*m_box, 20, 35), qc(fore));
    QCOMPARE(drawnAt(*m_box, 70, 35), qc(back));
}

// A repaint copies the image; it never needs the drawing calls again.
void TestPictureBox::repaintShowsWhatWasDrawn()
{
    m_box->box({20, 20}, {60, 50});
    m_box->setFillStyle(PictureBox::FillStyle::Solid);
    m_box->floodFill({40, 35}, fore);
    QWidget &surface = widget(*m_box);
    const QImage first = surface.grab().toImage();
    surface.hide();
    surface.show();
    surface.repaint();
    QCOMPARE(surface.grab().toImage(), first);
    QCOMPARE(shown(surface, onScreen(QPoint(40, 35))), qc(fill));
    QCOMPARE(shown(surface, onScreen(QPoint(20, 35))), qc(fore));
}

void TestPictureBox::controlsStackFrontToBack()
{
    const Color red{255, 0, 0};
    LineControl line(*m_box, {10, 40, 90, 40}, red, 5);
    LabelControl label(*m_box, u"Ｐ", {40, 30}, defaultUiFont(), fore, back);
    ShapeControl marker(*m_box, {35, 35, 10, 10}, Color{255, 0, 255}, Color{192, 0, 0});
    QWidget &surface = widget(*m_box);
    m_box->setStackingOrder({&line, &label, &marker});
    QCOMPARE(shown(surface, onScreen(QPoint(41, 40))), qc(red));
    QCOMPARE(shown(surface, onScreen(QPoint(20, 40))), qc(red));

    m_box->setStackingOrder({&marker, &label, &line});
    QCOMPARE(shown(surface, onScreen(QPoint(40, 40))), QColor(255, 0, 255));

    line.setY1(60);
    line.setY2(60);
    QCOMPARE(shown(surface, onScreen(QPoint(20, 40))), qc(back));
    QCOMPARE(shown(surface, onScreen(QPoint(20, 60))), qc(red));
    m_box->setStackingOrder({});
}

void TestPictureBox::controlsOutsideTheDrawingAreaAreHidden()
{
    const Color pink{255, 128, 255};
    LineControl parked(*m_box, {10, 91, 40, 91}, pink, 5);
    m_box->setStackingOrder({&parked});
    const QImage shot = widget(*m_box).grab().toImage();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            QVERIFY2(shot.pixelColor(x, y) != qc(pink), "a parked line shows through the border");
    m_box->setStackingOrder({});
}

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
