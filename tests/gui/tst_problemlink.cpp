// A problem from a link: walked to its end and back, its graph's corners on their pixels; a
// corner inside a step; automatic play to the end of a route right round; today's problem as a
// link; and, on the command line, a good link, a bad one and a hostile one.
#include "app/opening.h"
#include "app/printing.h"
#include "figureprobe.h"
#include "platform/application.h"
#include "platform/opening.h"

#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {
const char childSwitch[] = "--child";

const QString problem1 = "figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2";

bool isTrace(const QColor &colour)
{
    return colour == red || colour == brown || colour == magenta;
}

// Problem 1's graph: 11 seconds across 280 px, 25 px a second; the largest area, 24 cm², on a grid
// of 5 cm², five cells of 28 px; the origin where today's is.
QPointF problem1Graph(double x, double y)
{
    return {49 + 25 * x, 200 - 28.0 / 5 * y};
}

// What the blackboard tells after x seconds at 2 cm a second along B, C, D, A.
QString problem1Board(int x)
{
    QString place;
    if (x == 0 || x == 4 || x == 7 || x == 11)
        place = QStringLiteral("頂点") + QString("ＢＣＤＡ")
                                             .at(x == 0   ? 0
                                                 : x == 4 ? 1
                                                 : x == 7 ? 2
                                                          : 3);
    else
        place = x < 4 ? "辺ＢＣ上" : x < 7 ? "辺ＣＤ上" : "辺ＤＡ上";
    const int area = x <= 4 ? 6 * x : x <= 7 ? 24 : 66 - 6 * x;
    return QStringLiteral("点Ｐ：Ｂから%1cm（%2）、三角形ＰＡＢの面積 %3cm²")
        .arg(2 * x)
        .arg(place)
        .arg(area);
}

// Runs in a child process: the program's own start on the arguments given after the switch,
// with Qt's own options among them. What opened is printed, and a message box is closed.
int runChild(int argc, char **argv)
{
    std::vector<char *> arguments{argv[0]};
    for (int i = 2; i < argc; ++i)
        arguments.push_back(argv[i]);
    int count = int(arguments.size());
    Application application(count, arguments.data());
    std::printf("opening: %s\n", qPrintable(qs(openingText())));
    const std::unique_ptr<Form1> form = openLesson(openingText());
    QTimer::singleShot(300, [&form] {
        std::printf("board: %s\n", qPrintable(widget(form->kokuban).accessibleDescription()));
        const QList<QMessageBox *> boxes = widget(*form).findChildren<QMessageBox *>();
        for (QMessageBox *box : boxes) {
            std::printf("box: %s\n", qPrintable(box->text()));
            std::printf("plain: %d visible: %d modal: %d\n", box->textFormat() == Qt::PlainText,
                        box->isVisible(), box->isModal() || box->windowModality() != Qt::NonModal);
            box->accept();
        }
        if (boxes.isEmpty())
            std::printf("no box\n");
        std::fflush(stdout);
        endProgram(0);
    });
    return application.exec();
}

// Problems of every kind: the textbook's, M on each figure, the thinnest, widest and smallest
// figures, corners inside steps, a route right round.
const QStringList problems{
    "ab=6&bc=8&route=BCDA&triangle=AB&speed=2",
    "ab=4&bc=6&route=BCDA&triangle=AB",
    "ab=3&bc=4&route=ABCD&triangle=AD",
    "ab=8&bc=8&route=ABCD&triangle=AD&speed=2",
    "figure=trapezoid&ab=4&bc=7&ad=4&route=BCDA&triangle=AB",
    "figure=trapezoid&ab=4&bc=4&ad=7&route=ABCD&triangle=BM&m=CD",
    "figure=triangle&ab=6&bc=8&route=BCA&triangle=AM&m=BC&speed=0.5",
    "figure=triangle&ab=5&bc=12&route=ABC&triangle=CM&m=AB",
    "ab=4&bc=4&route=ABCDA&triangle=BM&m=CD",
    "ab=4&bc=6&route=CDA&triangle=BM&m=AD&speed=2",
    "ab=30&bc=30&route=ABCDA&triangle=AM&m=BC&speed=0.5",
    "ab=1&bc=30&route=BADC&triangle=BC&speed=4",
    "ab=30&bc=1&route=BADC&triangle=BC",
    "ab=1&bc=1&route=ABCDA&triangle=AM&m=CD&speed=0.5",
    "ab=12&bc=6&route=DAB&triangle=AC&speed=3",
};

struct Triangle
{
    std::array<QPointF, 3> corners;

    // How far inside the triangle a point lies: the least of its distances to the three sides,
    // negative outside.
    double inside(const QPointF &point) const
    {
        double least = 1e9;
        for (int i = 0; i < 3; ++i) {
            const QPointF a = corners[i];
            const QPointF b = corners[(i + 1) % 3];
            const QPointF c = corners[(i + 2) % 3];
            const QPointF side = b - a;
            const double length = std::hypot(side.x(), side.y());
            const auto cross = [&](const QPointF &p) {
                return (side.x() * (p.y() - a.y()) - side.y() * (p.x() - a.x())) / length;
            };
            least = std::min(least, cross(c) > 0 ? cross(point) : -cross(point));
        }
        return least;
    }

    double inradius() const
    {
        double perimeter = 0;
        for (int i = 0; i < 3; ++i) {
            const QPointF side = corners[(i + 1) % 3] - corners[i];
            perimeter += std::hypot(side.x(), side.y());
        }
        const QPointF u = corners[1] - corners[0];
        const QPointF v = corners[2] - corners[0];
        return std::abs(u.x() * v.y() - u.y() * v.x()) / perimeter;
    }
};

QPointF onBoard(const Form1 &form, const Place &place)
{
    const BoardLook &board = form.lesson.look.board;
    return {(board.originX + board.scale * place.x).toDouble(),
            (board.originY - board.scale * place.y).toDouble()};
}

QString childOutput(const QString &argument)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(childSwitch), "-platform", "offscreen", argument});
    if (!child.waitForFinished(10000))
        return QStringLiteral("the child did not finish");
    return QString::fromUtf8(child.readAllStandardOutput());
}
} // namespace

class TestProblemLink : public QObject
{
    Q_OBJECT

private slots:
    void linkedProblemWalksToItsEndAndBack();
    void aCornerInsideAStep();
    void automaticPlayEndsWhereTheRouteEnds();
    void todaysProblemAsALinkIsTodaysLesson();
    void shadingStaysInsideItsTriangle_data();
    void shadingStaysInsideItsTriangle();
    void everythingFitsTheSurfaces_data();
    void everythingFitsTheSurfaces();
    void linkOnTheCommandLine_data();
    void linkOnTheCommandLine();
    void badLinkOnTheCommandLine_data();
    void badLinkOnTheCommandLine();
};

// Problem 1 opened from a whole web link, walked by 進む to its end with the graph on: the distance
// box, the blackboard's text and the graph at every step, its corners on their pixels; then back
// by 戻る to the start.
void TestProblemLink::linkedProblemWalksToItsEndAndBack()
{
    const std::unique_ptr<Form1> opened =
        openLesson(u16("https://example.org/tavilo/tavilo.html#" + problem1));
    Form1 &form = *opened;
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    QVERIFY(widget(form).findChildren<QMessageBox *>().isEmpty());
    const QPointF start = marker(form);
    QCOMPARE(widget(form.kokuban).accessibleDescription(), problem1Board(0));
    form.Check1.click();
    form.Check2.click();
    form.Check3.click();

    const QList<QColor> pieceColours{red, brown, magenta};
    for (int x = 1; x <= 11; ++x) {
        form.susumu.click();
        QCOMPARE(form.Distance.value(), x);
        QCOMPARE(qs(form.Text1.text()), QStringLiteral(" %1").arg(2 * x));
        QCOMPARE(widget(form.kokuban).accessibleDescription(), problem1Board(x));
        // The trace ends where the area is, in its piece's colour.
        const int piece = x <= 4 ? 0 : x <= 7 ? 1 : 2;
        const double area = x <= 4 ? 6 * x : x <= 7 ? 24 : 66 - 6 * x;
        QCOMPARE(shown(form.gamen, problem1Graph(x, area)), pieceColours[piece]);
    }
    form.susumu.click();
    QCOMPARE(form.Distance.value(), 11);
    QCOMPARE(widget(form.gamen).accessibleDescription(),
             QStringLiteral("グラフ：x = 0〜11、y = 6x（0〜4）、y = 24（4〜7）、"
                            "y = −6x + 66（7〜11）"));
    const QImage graph = widget(form.gamen).grab().toImage();
    for (const QPointF corner : {QPointF(0, 0), QPointF(4, 24), QPointF(7, 24), QPointF(11, 0)}) {
        const QPointF at = problem1Graph(corner.x(), corner.y());
        QVERIFY2(isTrace(shown(graph, at)),
                 qPrintable(QString("(%1, %2)").arg(at.x()).arg(at.y())));
        QVERIFY2(!isTrace(shown(graph, at - QPointF(0, 8))),
                 qPrintable(QString("above (%1, %2)").arg(at.x()).arg(at.y())));
    }
    QCOMPARE(shown(graph, problem1Graph(2, 12)), red);
    QCOMPARE(shown(graph, problem1Graph(5.5, 24)), brown);
    QCOMPARE(shown(graph, problem1Graph(9, 12)), magenta);
    // The blackboard: P at A, the whole route highlighted, no shade on the flat triangle.
    QCOMPARE(countOf(surfaceImage(form.kokuban), blue), 0);

    for (int x = 10; x >= 0; --x) {
        form.modoru.click();
        QCOMPARE(qs(form.Text1.text()), QStringLiteral(" %1").arg(2 * x));
        QCOMPARE(widget(form.kokuban).accessibleDescription(), problem1Board(x));
    }
    QCOMPARE(marker(form), start);
    QCOMPARE(widget(form.gamen).accessibleDescription(),
             QStringLiteral("グラフ：まだかかれていません"));
    const QImage cleared = widget(form.gamen).grab().toImage();
    QCOMPARE(countOf(cleared, red) + countOf(cleared, brown) + countOf(cleared, magenta), 0);
    for (const LineControl *line : {&form.Line4[0], &form.Line4[1], &form.Line4[2], &form.Line5})
        QVERIFY(line->y1() > form.kokuban.drawingAreaSize().height);
}

// At 2 cm a second along 3, 4 and 3 cm, P turns B after a second and a half: the graph's corner
// falls inside the second step, exactly where the area turns flat.
void TestProblemLink::aCornerInsideAStep()
{
    Form1 form(readProblem(u"ab=3&bc=4&route=ABCD&triangle=AD&speed=2").problem);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget(form)));
    form.Check1.click();
    form.Check2.click();
    form.susumu.click();
    form.susumu.click();
    QCOMPARE(qs(form.Text1.text()), QStringLiteral(" 4"));
    QCOMPARE(widget(form.kokuban).accessibleDescription(),
             QStringLiteral("点Ｐ：Ａから4cm（辺ＢＣ上）、三角形ＰＡＤの面積 6cm²"));
    QCOMPARE(widget(form.gamen).accessibleDescription(),
             QStringLiteral("グラフ：x = 0〜2、y = 4x（0〜1.5）、y = 6（1.5〜2）"));
    // 5 seconds across 280 px, 56 px a second; 6 cm² on a grid of 1 cm², 23 px each.
    QCOMPARE(segment(form.Line1), QLineF(49, 200, 49 + 56 * 1.5, 200 - 23 * 6));
    QCOMPARE(segment(form.Line2), QLineF(49 + 56 * 1.5, 200 - 23 * 6, 49 + 56 * 2, 200 - 23 * 6));
    // The path: the whole of AB, and BC up to P.
    QCOMPARE(segment(form.Line4[0]).length(), segment(form.Line4[1]).length() * 3);

    form.modoru.click();
    QCOMPARE(widget(form.gamen).accessibleDescription(),
             QStringLiteral("グラフ：x = 0〜1、y = 4x（0〜1）"));
    QVERIFY(form.Line2.y1() > form.gamen.drawingAreaSize().height);
    QVERIFY(form.Line4[1].y1() > form.kokuban.drawingAreaSize().height);
}

// Right round a square, the route ends where it began: automatic play walks all of it.
void TestProblemLink::automaticPlayEndsWhereTheRouteEnds()
{
    Form1 form(readProblem(u"ab=4&bc=4&route=ABCDA&triangle=BM&m=CD").problem);
    const QPointF start = marker(form);
    form.Combo1.setText(u"0");
    form.jidou.click();
    QCOMPARE(form.Distance.value(), 16);
    QCOMPARE(marker(form), start);
    QCOMPARE(widget(form.kokuban).accessibleDescription(),
             QStringLiteral("点Ｐ：Ａから16cm（頂点Ａ）、三角形ＰＢＭの面積 8cm²"));
    QVERIFY(form.susumu.isEnabled());
    QVERIFY(!form.tomeru.isEnabled());
}

// The link of today's problem opens today's lesson, its tag's own steps and all.
void TestProblemLink::todaysProblemAsALinkIsTodaysLesson()
{
    Form1 today;
    Form1 linked(readProblem(u"#route=BADC&ab=8&bc=12&triangle=BC&figure=rectangle").problem);
    for (Form1 *form : {&today, &linked}) {
        form->Check1.click();
        form->Check2.click();
        form->Check3.click();
        forward(*form, 21);
    }
    QCOMPARE(tag(linked), tag(today));
    QCOMPARE(tag(linked), QPointF(390, 64));
    QVERIFY(surfaceImage(linked.kokuban) == surfaceImage(today.kokuban));
    QVERIFY(surfaceImage(linked.gamen) == surfaceImage(today.gamen));
}

void TestProblemLink::shadingStaysInsideItsTriangle_data()
{
    QTest::addColumn<QString>("link");
    for (const QString &link : problems)
        QTest::newRow(qPrintable(link)) << link;
}

// At every step of every kind of problem the shading lies inside triangle P F1 F2 (a pixel's
// width of antialiased edge aside), and a triangle with room inside it is shaded.
void TestProblemLink::shadingStaysInsideItsTriangle()
{
    QFETCH(QString, link);
    const ProblemReading reading = readProblem(u16(link));
    QVERIFY2(!reading.error, qPrintable(qs(reading.message())));
    Form1 form(reading.problem);
    const RouteWalk &walk = form.lesson.walk;
    for (int x = 0; x <= walk.steps(); ++x) {
        if (x > 0)
            form.susumu.click();
        const Triangle triangle{{onBoard(form, walk.placeAt(walk.distance(x))),
                                 onBoard(form, walk.fixed(0)), onBoard(form, walk.fixed(1))}};
        const QImage board = surfaceImage(form.kokuban);
        const qreal ratio = board.devicePixelRatio();
        int shaded = 0;
        for (int y = 0; y < board.height(); ++y)
            for (int px = 0; px < board.width(); ++px)
                if (board.pixelColor(px, y) == blue) {
                    ++shaded;
                    const QPointF at((px + 0.5) / ratio, (y + 0.5) / ratio);
                    QVERIFY2(
                        triangle.inside(at) > -1,
                        qPrintable(QString("step %1: (%2, %3)").arg(x).arg(at.x()).arg(at.y())));
                }
        if (triangle.inradius() >= 6)
            QVERIFY2(shaded > 0, qPrintable(QString("step %1 unshaded").arg(x)));
        if (walk.areaAt(x) == 0)
            QCOMPARE(shaded, 0);
    }
}

void TestProblemLink::everythingFitsTheSurfaces_data()
{
    shadingStaysInsideItsTriangle_data();
}

// The figure, its letters and texts on the blackboard; the graph within its grid, grid lines no
// closer than 20 px at 1, 2 or 5 times a power of ten, numbers that do not touch.
void TestProblemLink::everythingFitsTheSurfaces()
{
    QFETCH(QString, link);
    const Form1 form(readProblem(u16(link)).problem);
    const RouteWalk &walk = form.lesson.walk;
    const BoardLook &board = form.lesson.look.board;
    const GraphLook &graph = form.lesson.look.graph;
    const QRectF blackboard(QPointF(0, 0), QSizeF(429, 309));
    const QRectF paper(QPointF(0, 0), QSizeF(381, 261));
    for (const Corner corner : {Corner::A, Corner::B, Corner::C, Corner::D}) {
        if (!hasCorner(walk.problem().figure, corner))
            continue;
        QVERIFY(blackboard.contains(onBoard(form, cornerPlace(walk.problem(), corner))));
        const LabelControl &letter = form.Label4[int(corner)];
        QVERIFY(blackboard.contains(
            QRectF(letter.left(), letter.top(), letter.size().width, letter.size().height)));
    }
    QVERIFY(form.Label4[3].top() > 309 || hasCorner(walk.problem().figure, Corner::D));
    for (const PrintedText &text : board.texts)
        QVERIFY2(blackboard.contains(
                     QRectF(*text.x, text.y, printedWidth(text.text), printedHeight(text.text))),
                 qPrintable(qs(text.text)));

    const auto spacing = [](const std::vector<double> &lines) {
        double least = 1e9;
        for (std::size_t i = 1; i < lines.size(); ++i)
            least = std::min(least, std::abs(lines[i] - lines[i - 1]));
        return least;
    };
    QVERIFY(spacing(graph.columns) >= 20);
    QVERIFY(spacing(graph.rows) >= 20);
    for (const Rational step :
         {(Rational(int(graph.columns[1] - graph.columns[0])) / graph.perStep),
          Rational(int(graph.rows[0] - graph.rows[1])) / graph.perArea}) {
        Rational mantissa = step;
        while (mantissa >= 10)
            mantissa = mantissa / 10;
        while (mantissa < 1)
            mantissa = mantissa * 10;
        QVERIFY2(mantissa == 1 || mantissa == 2 || mantissa == 5,
                 qPrintable(qs(decimalString(step))));
    }
    QVERIFY((graph.originX + graph.perStep * walk.steps()).toDouble() <= graph.columns.back());
    QVERIFY((graph.originY - graph.perArea * walk.largestArea()).toDouble() >= graph.rows.back());
    double right = -1;
    for (const PrintedText &text : graph.texts) {
        const QRectF place(text.x.value_or(0), text.y, printedWidth(text.text),
                           printedHeight(text.text));
        QVERIFY2(paper.contains(place), qPrintable(qs(text.text)));
        if (text.y == 210) {
            QVERIFY2(place.left() > right + 2, qPrintable(qs(text.text)));
            right = place.right();
        }
    }
}

void TestProblemLink::linkOnTheCommandLine_data()
{
    QTest::addColumn<QString>("argument");
    QTest::newRow("as it is") << problem1;
    QTest::newRow("with #") << "#" + problem1;
    QTest::newRow("a whole web link") << "https://example.org/tavilo.html#" + problem1;
}

// The argument, without Qt's own options, opens its problem with no message.
void TestProblemLink::linkOnTheCommandLine()
{
    QFETCH(QString, argument);
    const QString output = childOutput(argument);
    QVERIFY2(output.contains("opening: " + argument + "\n"), qPrintable(output));
    QVERIFY2(output.contains("board: " + problem1Board(0) + "\n"), qPrintable(output));
    QVERIFY2(output.contains("no box\n"), qPrintable(output));
}

void TestProblemLink::badLinkOnTheCommandLine_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a length of 0")
        << "https://example.org/tavilo.html#ab=0&bc=8"
        << "ab：長さが 0 です。1 から 30 までの整数（cm）で書いてください。";
    QTest::newRow("markup") << "#figure=<b>square</b>"
                            << "figure：「<b>square</b>」という図形はありません。";
    QTest::newRow("an unknown key") << "colour=red"
                                    << "colour：という項目はありません。";
}

// A bad link opens today's lesson with a message box of plain text in Japanese naming the key
// and why.
void TestProblemLink::badLinkOnTheCommandLine()
{
    QFETCH(QString, argument);
    QFETCH(QString, reason);
    const QString output = childOutput(argument);
    QVERIFY2(output.contains("board: 点Ｐ：Ｂから0cm（頂点Ｂ）、三角形ＰＢＣの面積 0cm²\n"),
             qPrintable(output));
    QVERIFY2(output.contains("box: リンクの問題を開けませんでした。\n\n" + reason),
             qPrintable(output));
    QVERIFY2(output.contains("はじめの問題（長方形ＡＢＣＤの三角形ＰＢＣ）を開きます。"),
             qPrintable(output));
    QVERIFY2(output.contains("plain: 1 visible: 1 modal: 1"), qPrintable(output));
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], childSwitch) == 0)
        return runChild(argc, argv);
    QApplication application(argc, argv);
    TestProblemLink test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_problemlink.moc"
