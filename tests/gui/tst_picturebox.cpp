// The drawing surface: what its drawing calls leave in its image, and what a repaint shows.
#include "platform/labelcontrol.h"
#include "platform/linecontrol.h"
#include "platform/picturebox.h"
#include "platform/shapecontrol.h"

#include <QTest>
#include <set>

namespace {
const QColor back(0, 128, 0);
const QColor fore(255, 255, 255);
const QColor fill(0, 0, 255);

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
    std::unique_ptr<QWidget> m_window;
    PictureBox *m_box = nullptr;
};

void TestPictureBox::init()
{
    m_window = std::make_unique<QWidget>();
    m_window->resize(200, 150);
    m_box = new PictureBox(m_window.get(), QRect(10, 10, 104, 84));
    m_box->setBackColor(back);
    m_box->setForeColor(fore);
    m_box->setFillColor(fill);
    m_box->setDrawWidth(5);
}

void TestPictureBox::cleanup()
{
    m_window.reset();
}

void TestPictureBox::drawingAreaIsInsideTheBorder()
{
    QCOMPARE(m_box->drawingAreaSize(), QSize(100, 80));
    QCOMPARE(m_box->image().deviceIndependentSize(), QSizeF(100, 80));
    m_box->setDrawWidth(1);
    m_box->line(QPointF(0, 0), QPointF(5, 0));
    QCOMPARE(shown(*m_box, onScreen(QPoint(0, 0))), fore);
    QVERIFY2(shown(*m_box, QPoint(0, 0)) != back, "the border is painted over the corner");
}

void TestPictureBox::printEndsItsLine()
{
    const qreal lineHeight = QFontMetricsF(m_box->font()).height();
    m_box->setCurrentX(20);
    m_box->setCurrentY(10);
    m_box->print(QStringLiteral("８cm"));
    QCOMPARE(m_box->currentX(), 0.0f);
    QCOMPARE(m_box->currentY(), float(10 + lineHeight));
    m_box->print(QStringLiteral("x"));
    QCOMPARE(m_box->currentY(), float(10 + 2 * lineHeight));

    bool inked = false;
    for (int x = 20; x < 40; ++x)
        for (int y = 10; y < 10 + lineHeight; ++y)
            inked = inked || m_box->point(QPoint(x, y)) != back;
    QVERIFY2(inked, "the text is drawn below and right of the text position");
    QCOMPARE(m_box->point(QPoint(19, 5)), back);
}

void TestPictureBox::clsWipesAndResetsTheTextPosition()
{
    m_box->line(QPointF(10, 10), QPointF(90, 70));
    m_box->setCurrentX(30);
    m_box->print(QStringLiteral("text"));
    m_box->cls();
    QCOMPARE(m_box->currentX(), 0.0f);
    QCOMPARE(m_box->currentY(), 0.0f);
    QImage wiped(m_box->image().size(), QImage::Format_RGB32);
    wiped.fill(back);
    wiped.setDevicePixelRatio(m_box->image().devicePixelRatio());
    QCOMPARE(m_box->image().convertToFormat(QImage::Format_RGB32), wiped);
}

// Borders for the flood fill must be exact: no blended pixels, and the pen width on both sides.
void TestPictureBox::wideLinesAreExactAndRound()
{
    m_box->line(QPointF(20, 40), QPointF(80, 40));
    m_box->line(QPointF(10, 70), QPointF(60, 20));
    std::set<QRgb> colours;
    const QImage &image = m_box->image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    QCOMPARE(colours, (std::set<QRgb>{back.rgb(), fore.rgb()}));

    for (int y = 38; y <= 42; ++y)
        QCOMPARE(m_box->point(QPoint(50, y)), fore);
    QCOMPARE(m_box->point(QPoint(50, 36)), back);
    QCOMPARE(m_box->point(QPoint(50, 44)), back);
    QCOMPARE(m_box->point(QPoint(81, 40)), fore);
    QCOMPARE(m_box->point(QPoint(82, 42)), back);
}

void TestPictureBox::lineInAGivenColour()
{
    const QColor grid(0, 128, 128);
    m_box->setDrawWidth(2);
    m_box->line(QPointF(10, 50), QPointF(90, 50), grid);
    QCOMPARE(m_box->point(QPoint(50, 50)), grid);
    QCOMPARE(m_box->foreColor(), fore);
}

void TestPictureBox::boxIsAnOutlineUnlessFilled()
{
    m_box->setFillStyle(PictureBox::FillStyle::Transparent);
    m_box->box(QPointF(20, 20), QPointF(60, 50));
    QCOMPARE(m_box->point(QPoint(20, 35)), fore);
    QCOMPARE(m_box->point(QPoint(40, 50)), fore);
    QCOMPARE(m_box->point(QPoint(40, 35)), back);

    m_box->setFillStyle(PictureBox::FillStyle::Solid);
    m_box->box(QPointF(20, 20), QPointF(60, 50));
    QCOMPARE(m_box->point(QPoint(40, 35)), fill);
    QCOMPARE(m_box->point(QPoint(60, 35)), fore);
}

void TestPictureBox::floodFillPaintsOnlyWithASolidFillStyle()
{
    m_box->box(QPointF(20, 20), QPointF(60, 50));
    m_box->setFillStyle(PictureBox::FillStyle::Transparent);
    m_box->floodFill(QPoint(40, 35), fore);
    QCOMPARE(m_box->point(QPoint(40, 35)), back);

    m_box->setFillStyle(PictureBox::FillStyle::Solid);
    m_box->floodFill(QPoint(40, 35), fore);
    QCOMPARE(m_box->point(QPoint(40, 35)), fill);
    QCOMPARE(m_box->point(QPoint(25, 25)), fill);
    QCOMPARE(m_box->point(QPoint(20, 35)), fore);
    QCOMPARE(m_box->point(QPoint(70, 35)), back);
}

// A repaint copies the image; it never needs the drawing calls again.
void TestPictureBox::repaintShowsWhatWasDrawn()
{
    m_box->box(QPointF(20, 20), QPointF(60, 50));
    m_box->setFillStyle(PictureBox::FillStyle::Solid);
    m_box->floodFill(QPoint(40, 35), fore);
    const QImage first = m_box->grab().toImage();
    m_box->hide();
    m_box->show();
    m_box->repaint();
    QCOMPARE(m_box->grab().toImage(), first);
    QCOMPARE(shown(*m_box, onScreen(QPoint(40, 35))), fill);
    QCOMPARE(shown(*m_box, onScreen(QPoint(20, 35))), fore);
}

void TestPictureBox::controlsStackFrontToBack()
{
    const QColor red(255, 0, 0);
    LineControl line(*m_box, QLineF(10, 40, 90, 40), red, 5);
    LabelControl label(*m_box, QStringLiteral("Ｐ"), QPointF(40, 30), QFont(), fore, back);
    ShapeControl marker(*m_box, QRectF(35, 35, 10, 10), QColor(255, 0, 255), QColor(192, 0, 0));
    m_box->setStackingOrder({&line, &label, &marker});
    QCOMPARE(shown(*m_box, onScreen(QPoint(41, 40))), red);
    QCOMPARE(shown(*m_box, onScreen(QPoint(20, 40))), red);

    m_box->setStackingOrder({&marker, &label, &line});
    QCOMPARE(shown(*m_box, onScreen(QPoint(40, 40))), QColor(255, 0, 255));

    line.setY1(60);
    line.setY2(60);
    QCOMPARE(shown(*m_box, onScreen(QPoint(20, 40))), back);
    QCOMPARE(shown(*m_box, onScreen(QPoint(20, 60))), red);
    m_box->setStackingOrder({});
}

void TestPictureBox::controlsOutsideTheDrawingAreaAreHidden()
{
    const QColor pink(255, 128, 255);
    LineControl parked(*m_box, QLineF(10, 91, 40, 91), pink, 5);
    m_box->setStackingOrder({&parked});
    const QImage shot = m_box->grab().toImage();
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            QVERIFY2(shot.pixelColor(x, y) != pink, "a parked line shows through the border");
    m_box->setStackingOrder({});
}

QTEST_MAIN(TestPictureBox)
#include "tst_picturebox.moc"
