// The graph paper reads true: the ink of every axis number stands at its grid line, the unit
// reads cm², and the side lengths stay on the blackboard, whichever Japanese face is installed.
#include "figureprobe.h"
#include "platform/qt/fonts.h"

#include <QTest>
#include <optional>

namespace {
// A run of inked columns, in logical pixels of the drawing area.
struct Span
{
    qreal left;
    qreal right;
    qreal centre() const { return (left + right) / 2; }
};

// Text is black, antialiased on the pale paper or the green board; grid lines are green.
bool isInk(const QColor &color, const QColor &background)
{
    if (color == background || color == green)
        return false;
    return background == paper ? color.lightness() < 200 : color.lightness() > 160;
}

// Which device columns (or rows) of an area of the image hold ink.
std::vector<bool> inkProfile(const QImage &image, const QColor &background, const QRectF &area,
                             Qt::Orientation across)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect device(QPoint(qRound(area.left() * ratio), qRound(area.top() * ratio)),
                       QPoint(qRound(area.right() * ratio) - 1, qRound(area.bottom() * ratio) - 1));
    std::vector<bool> inked(across == Qt::Horizontal ? image.width() : image.height(), false);
    for (int x = device.left(); x <= device.right(); ++x)
        for (int y = device.top(); y <= device.bottom(); ++y)
            if (isInk(image.pixelColor(x, y), background))
                inked[across == Qt::Horizontal ? x : y] = true;
    return inked;
}

// Runs of ink across an area, split where more than maxGap logical pixels stay blank.
QList<Span> inkSpans(const QImage &image, const QColor &background, const QRectF &area,
                     qreal maxGap, Qt::Orientation across = Qt::Horizontal)
{
    const qreal ratio = image.devicePixelRatio();
    const std::vector<bool> inked = inkProfile(image, background, area, across);
    QList<Span> spans;
    for (int i = 0; i < int(inked.size()); ++i) {
        if (!inked[i])
            continue;
        const qreal left = i / ratio;
        const qreal right = (i + 1) / ratio;
        if (!spans.isEmpty() && left - spans.last().right <= maxGap)
            spans.last().right = right;
        else
            spans.append({left, right});
    }
    return spans;
}

// The rows from the first inked one to the last, in logical pixels.
std::optional<Span> inkRows(const QImage &image, const QColor &background, const QRectF &area)
{
    const QList<Span> spans = inkSpans(image, background, area, 1000, Qt::Vertical);
    if (spans.isEmpty())
        return std::nullopt;
    return spans.first();
}

QString describe(const QList<Span> &spans)
{
    QStringList parts;
    for (const Span &span : spans)
        parts << QStringLiteral("%1–%2").arg(span.left).arg(span.right);
    return parts.join(QStringLiteral(", "));
}
} // namespace

class TestGraphPaper : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void xAxisNumbersStandUnderTheirLines();
    void unitReadsSquareCentimetres();
    void yAxisNumbersStandLevelWithTheirLines();
    void sideLengthsStayBesideTheirSides();

private:
    std::unique_ptr<Form1> m_form;
};

// The face test runs pin through fontconfig must be the one laid out, or the run proves nothing.
void TestGraphPaper::initTestCase()
{
    const QString expected = qEnvironmentVariable("TAVILO_EXPECTED_FACE");
    if (!expected.isEmpty())
        QCOMPARE(uiFamily(), expected);
    m_form = std::make_unique<Form1>();
}

void TestGraphPaper::xAxisNumbersStandUnderTheirLines()
{
    // Below the x axis (y = 201, two pixels wide) and right of the origin mark.
    const QList<Span> spans =
        inkSpans(surfaceImage(m_form->gamen), paper, QRectF(56, 204, 325, 22), 4);
    QVERIFY2(spans.size() == 15, qPrintable(QStringLiteral("14 numbers and (cm), found %1: %2")
                                                .arg(spans.size())
                                                .arg(describe(spans))));
    for (int number = 2; number <= 28; number += 2) {
        const Span ink = spans.at(number / 2 - 1);
        const qreal gridLine = 50 + 10 * number;
        QVERIFY2(qAbs(ink.centre() - gridLine) <= 3 && ink.left >= gridLine - 9 &&
                     ink.right <= gridLine + 9,
                 qPrintable(QStringLiteral("%1 inked at %2–%3, its line is x = %4")
                                .arg(number)
                                .arg(ink.left)
                                .arg(ink.right)
                                .arg(gridLine)));
    }
    const Span unit = spans.last();
    QVERIFY2(unit.left > spans.at(13).right + 4 && unit.right <= 381,
             qPrintable(QStringLiteral("(cm) inked at %1–%2").arg(unit.left).arg(unit.right)));
}

void TestGraphPaper::unitReadsSquareCentimetres()
{
    const QImage &image = surfaceImage(m_form->gamen);
    // The raised 2 alone reaches above the top of "(cm  )", printed 4 pixels lower.
    const std::optional<Span> unitRows = inkRows(image, paper, QRectF(0, 55, 48, 20));
    QVERIFY(unitRows);
    const QList<Span> raised = inkSpans(image, paper, QRectF(0, 48, 48, unitRows->left - 48), 1);
    QVERIFY2(raised.size() == 1, qPrintable(describe(raised)));
    const Span two = raised.first();
    // Below the 2, "(cm  )" has a gap where the 2 stands, with the m on its left and ")" on its
    // right.
    const QList<Span> unit = inkSpans(image, paper, QRectF(0, 63, 48, 6), 0);
    const auto leftOfTwo = std::count_if(unit.begin(), unit.end(),
                                         [&](const Span &span) { return span.right <= two.left; });
    const auto rightOfTwo = std::count_if(unit.begin(), unit.end(),
                                          [&](const Span &span) { return span.left >= two.right; });
    QVERIFY2(leftOfTwo + rightOfTwo == unit.size() && leftOfTwo >= 2 && rightOfTwo == 1,
             qPrintable(QStringLiteral("2 at %1–%2, (cm  ) at %3")
                            .arg(two.left)
                            .arg(two.right)
                            .arg(describe(unit))));
}

void TestGraphPaper::yAxisNumbersStandLevelWithTheirLines()
{
    const QImage &image = surfaceImage(m_form->gamen);
    for (int i = 1; i <= 6; ++i) {
        const qreal gridLine = 200 - 20 * i;
        const QRectF band(0, gridLine - 9, 48, 18);
        const QList<Span> columns = inkSpans(image, paper, band, 4);
        const std::optional<Span> rows = inkRows(image, paper, band);
        QVERIFY2(columns.size() == 1 && rows && qAbs(rows->centre() - gridLine) <= 3 &&
                     columns.first().left > 0,
                 qPrintable(QStringLiteral("%1 inked at x %2, rows %3–%4; its line is y = %5")
                                .arg(8 * i)
                                .arg(describe(columns))
                                .arg(rows ? rows->left : -1)
                                .arg(rows ? rows->right : -1)
                                .arg(gridLine)));
    }
}

void TestGraphPaper::sideLengthsStayBesideTheirSides()
{
    const QImage &image = surfaceImage(m_form->kokuban);
    // "８cm" left of side BA (x = 75, pen 5 wide), "１２cm" below BC (y = 250).
    const QList<Span> eight = inkSpans(image, green, QRectF(0, 148, 70, 20), 4);
    QVERIFY2(eight.size() == 1 && eight.first().left >= 19 && eight.first().right <= 50,
             qPrintable(describe(eight)));
    const QList<Span> twelve = inkSpans(image, green, QRectF(80, 255, 290, 25), 4);
    QVERIFY2(twelve.size() == 1 && twelve.first().left >= 199 && twelve.first().right <= 240,
             qPrintable(describe(twelve)));
}

QTEST_MAIN(TestGraphPaper)
#include "tst_graphpaper.moc"
