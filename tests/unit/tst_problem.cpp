// The problem model: the textbook problems' walks, areas and graph pieces, the screen reader's
// texts, and what any text at all, good, bad or hostile, is read as.
#include "problem/problem.h"
#include "qtpeers.h"

#include <QTest>

#include <chrono>

namespace {
using Pieces = QList<std::tuple<QString, QString, QString>>;

Problem problemOf(const std::u16string &text)
{
    const ProblemReading reading = readProblem(text);
    if (reading.error)
        qWarning("%s", qPrintable(qs(reading.message())));
    return reading.problem;
}

// Each piece as its formula and the two ends of its range.
Pieces piecesOf(const RouteWalk &walk)
{
    Pieces pieces;
    for (const Piece &piece : walk.pieces())
        pieces << std::tuple{qs(formulaText(piece)), qs(decimalString(piece.from)),
                             qs(decimalString(piece.to))};
    return pieces;
}

bool isToday(const ProblemReading &reading)
{
    return reading.problem.sameAs(todaysProblem()) && reading.problem.look == &todaysLook();
}

QString at(const Place &place)
{
    return QStringLiteral("(%1, %2)").arg(qs(decimalString(place.x)), qs(decimalString(place.y)));
}
} // namespace

class TestProblem : public QObject
{
    Q_OBJECT

private slots:
    void rationals();
    void decimals_data();
    void decimals();
    void textbookProblems_data();
    void textbookProblems();
    void todaysProblemIsTheDefault();
    void aCornerInsideAStep();
    void aPieceEndsWhereTheLineOfTheFixedPointsIsCrossed();
    void theMidpointM();
    void theHeightsFoot();
    void blackboardTexts_data();
    void blackboardTexts();
    void textsWrittenInManyWays_data();
    void textsWrittenInManyWays();
    void linkTextReadsBack_data();
    void linkTextReadsBack();
    void badTexts_data();
    void badTexts();
    void hostileTexts_data();
    void hostileTexts();
    void theLargestProblems();
};

void TestProblem::rationals()
{
    QCOMPARE(Rational(6, -4), Rational(-3, 2));
    QCOMPARE(Rational(1, 3) + Rational(1, 6), Rational(1, 2));
    QCOMPARE(Rational(2, 3) * Rational(9, 4), Rational(3, 2));
    QCOMPARE(Rational(-7, 2).floor(), -4);
    QCOMPARE(Rational(7, 2).floor(), 3);
    QVERIFY(Rational(1, 3) < Rational(1, 2));
    QCOMPARE(Rational(0, 5), Rational(0));
}

void TestProblem::decimals_data()
{
    QTest::addColumn<Rational>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << Rational(18) << "18";
    QTest::newRow("half") << Rational(35, 2) << "17.5";
    QTest::newRow("tenths") << Rational(64, 5) << "12.8";
    QTest::newRow("thirds, rounded") << Rational(7, 3) << "2.33";
    QTest::newRow("two thirds, rounded up") << Rational(2, 3) << "0.67";
    QTest::newRow("a half of a hundredth up") << Rational(1, 200) << "0.01";
    QTest::newRow("negative") << Rational(-6) << "-6";
    QTest::newRow("zero") << Rational(0) << "0";
    QTest::newRow("a hundredth") << Rational(3, 100) << "0.03";
}

void TestProblem::decimals()
{
    QFETCH(Rational, value);
    QFETCH(QString, text);
    QCOMPARE(qs(decimalString(value)), text);
    QCOMPARE(qs(decimalString(Rational(1, 8), 3)), QStringLiteral("0.125"));
    QCOMPARE(qs(coefficientString(Rational(1, 8))), QStringLiteral("0.125"));
    QCOMPARE(qs(coefficientString(Rational(60, 13))), QStringLiteral("4.62"));
}

// The issue's five problems from textbooks and test sheets, with their graphs' pieces.
void TestProblem::textbookProblems_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("steps");
    QTest::addColumn<Pieces>("pieces");

    QTest::newRow("1: 6 x 8, BCDA, ABP, 2 cm/s")
        << "ab=6&bc=8&route=BCDA&triangle=AB&speed=2" << 11
        << Pieces{{"y = 6x", "0", "4"}, {"y = 24", "4", "7"}, {"y = −6x + 66", "7", "11"}};
    QTest::newRow("2: 4 x 6, BCDA, ABP")
        << "ab=4&bc=6&route=BCDA&triangle=AB" << 16
        << Pieces{{"y = 2x", "0", "6"}, {"y = 12", "6", "10"}, {"y = −2x + 32", "10", "16"}};
    QTest::newRow("3: 3 x 4, ABCD, APD")
        << "ab=3&bc=4&route=ABCD&triangle=AD" << 10
        << Pieces{{"y = 2x", "0", "3"}, {"y = 6", "3", "7"}, {"y = −2x + 20", "7", "10"}};
    QTest::newRow("4: square of 8, ABCD, APD, 2 cm/s")
        << "ab=8&bc=8&route=ABCD&triangle=AD&speed=2" << 12
        << Pieces{{"y = 8x", "0", "4"}, {"y = 32", "4", "8"}, {"y = −8x + 96", "8", "12"}};
    QTest::newRow("5: right trapezoid, BCDA, ABP")
        << "figure=trapezoid&ab=4&bc=7&ad=4&route=BCDA&triangle=AB" << 16
        << Pieces{
               {"y = 2x", "0", "7"}, {"y = −1.2x + 22.4", "7", "12"}, {"y = −2x + 32", "12", "16"}};
}

void TestProblem::textbookProblems()
{
    QFETCH(QString, link);
    QFETCH(int, steps);
    QFETCH(Pieces, pieces);

    const ProblemReading reading = readProblem(u16(link));
    QVERIFY2(!reading.error, qPrintable(qs(reading.message())));
    QVERIFY(!reading.problem.look);
    const RouteWalk walk(reading.problem);
    QCOMPARE(walk.steps(), steps);
    QCOMPARE(piecesOf(walk), pieces);
    // Each piece gives the area at every step it holds, and the pieces join end to end.
    for (int x = 0; x <= steps; ++x) {
        const Piece &piece = walk.pieces()[walk.pieceAt(x, Direction::Forward)];
        QCOMPARE(piece.at(x), walk.areaAt(x));
    }
    for (std::size_t i = 1; i < walk.pieces().size(); ++i) {
        QCOMPARE(walk.pieces()[i].from, walk.pieces()[i - 1].to);
        QCOMPARE(walk.pieces()[i].at(walk.pieces()[i].from),
                 walk.pieces()[i - 1].at(walk.pieces()[i - 1].to));
    }
}

void TestProblem::todaysProblemIsTheDefault()
{
    for (const char16_t *text : {u"", u"#", u"tavilo.html#", u"https://example.org/tavilo.html",
                                 u"figure=rectangle&ab=8&bc=12&route=BADC&triangle=BC&speed=1"}) {
        const ProblemReading reading = readProblem(text);
        QVERIFY2(!reading.error, qPrintable(qs(text)));
        QVERIFY2(isToday(reading), qPrintable(qs(text)));
        QCOMPARE(qs(reading.message()), QString());
    }
    const RouteWalk walk(todaysProblem());
    QCOMPARE(walk.steps(), 28);
    QCOMPARE(piecesOf(walk),
             (Pieces{{"y = 6x", "0", "8"}, {"y = 48", "8", "20"}, {"y = −6x + 168", "20", "28"}}));
    QCOMPARE(qs(linkText(todaysProblem())),
             QStringLiteral("figure=rectangle&ab=8&bc=12&route=BADC&triangle=BC"));
}

// At 2 cm a step along 3, 4 and 3 cm, P turns B after one and a half steps and C after three
// and a half: the graph's corners fall inside steps.
void TestProblem::aCornerInsideAStep()
{
    const RouteWalk walk(problemOf(u"ab=3&bc=4&route=ABCD&triangle=AD&speed=2"));
    QCOMPARE(walk.steps(), 5);
    QCOMPARE(at(walk.placeAt(walk.distance(1))), QStringLiteral("(0, 1)"));
    QCOMPARE(at(walk.placeAt(walk.distance(2))), QStringLiteral("(1, 0)"));
    QCOMPARE(walk.legAt(walk.distance(2), Direction::Forward), 1);
    QCOMPARE(walk.areaAt(2), Rational(6));
    QCOMPARE(
        piecesOf(walk),
        (Pieces{{"y = 4x", "0", "1.5"}, {"y = 6", "1.5", "3.5"}, {"y = −4x + 20", "3.5", "5"}}));
    QCOMPARE(walk.pieceAt(Rational(3, 2), Direction::Forward), 0);
    QCOMPARE(walk.pieceAt(Rational(3, 2), Direction::Back), 1);
}

// Triangle AMP with M the middle of CD: P crosses the line AM at M, where the area is 0 and the
// graph turns.
void TestProblem::aPieceEndsWhereTheLineOfTheFixedPointsIsCrossed()
{
    const RouteWalk walk(problemOf(u"ab=4&bc=6&route=BCDA&triangle=AM&m=CD"));
    QCOMPARE(piecesOf(walk), (Pieces{{"y = −x + 12", "0", "6"},
                                     {"y = −3x + 24", "6", "8"},
                                     {"y = 3x − 24", "8", "10"},
                                     {"y = −x + 16", "10", "16"}}));
    QCOMPARE(walk.pieces()[2].leg, 1);
    QCOMPARE(walk.largestArea(), Rational(12));
    QVERIFY(!walk.baseOnSide());

    // Triangle BMP with M the middle of AD: at 2 cm a step P crosses the line BM at M, three and
    // a half steps in.
    const RouteWalk across(problemOf(u"ab=4&bc=6&route=CDA&triangle=BM&m=AD&speed=2"));
    QCOMPARE(piecesOf(across), (Pieces{{"y = −3x + 12", "0", "2"},
                                       {"y = −4x + 14", "2", "3.5"},
                                       {"y = 4x − 14", "3.5", "5"}}));
    QCOMPARE(across.areaAt(3), Rational(2));
    QCOMPARE(across.areaAt(4), Rational(2));
}

void TestProblem::theMidpointM()
{
    // Formulas are exact where their numbers end within four decimals.
    const RouteWalk small(problemOf(u"ab=1&bc=1&route=ABCDA&triangle=AM&m=CD&speed=0.5"));
    QCOMPARE(piecesOf(small), (Pieces{{"y = 0.25x", "0", "2"},
                                      {"y = −0.125x + 0.75", "2", "4"},
                                      {"y = −0.25x + 1.25", "4", "5"},
                                      {"y = 0.25x − 1.25", "5", "6"},
                                      {"y = −0.125x + 1", "6", "8"}}));

    const Problem problem = problemOf(u"figure=triangle&ab=6&bc=8&route=BCA&triangle=AM&m=BC");
    QCOMPARE(at(fixedPlace(problem, problem.fixed[1])), QStringLiteral("(4, 0)"));
    const RouteWalk walk(problem);
    QCOMPARE(walk.steps(), 18);
    QCOMPARE(qs(boardText(walk, 4)),
             QStringLiteral("点Ｐ：Ｂから4cm（辺ＢＣ上）、三角形ＰＡＭの面積 0cm²"));
    QVERIFY(walk.baseOnSide() == false);
    QVERIFY(RouteWalk(problemOf(u"route=BADC&triangle=BM&m=BC")).baseOnSide());
}

void TestProblem::theHeightsFoot()
{
    const Foot foot = perpendicularFoot({6, 4}, {0, 0}, {2, 0});
    QCOMPARE(at(foot.place), QStringLiteral("(6, 0)"));
    QCOMPARE(foot.along, Rational(3));
}

void TestProblem::blackboardTexts_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("text");

    QTest::newRow("today's, on AD")
        << "" << 13 << "点Ｐ：Ｂから13cm（辺ＡＤ上）、三角形ＰＢＣの面積 48cm²";
    QTest::newRow("problem 1 after 3 seconds")
        << "figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2" << 3
        << "点Ｐ：Ｂから6cm（辺ＢＣ上）、三角形ＰＡＢの面積 18cm²";
    QTest::newRow("problem 1 at the end") << "ab=6&bc=8&route=BCDA&triangle=AB&speed=2" << 11
                                          << "点Ｐ：Ｂから22cm（頂点Ａ）、三角形ＰＡＢの面積 0cm²";
    QTest::newRow("the trapezoid on CD")
        << "figure=trapezoid&ab=4&bc=7&ad=4&route=BCDA&triangle=AB" << 9
        << "点Ｐ：Ｂから9cm（辺ＣＤ上）、三角形ＰＡＢの面積 11.6cm²";
    QTest::newRow("half a cm a step") << "ab=3&bc=4&route=ABCD&triangle=AD&speed=0.5" << 3
                                      << "点Ｐ：Ａから1.5cm（辺ＡＢ上）、三角形ＰＡＤの面積 3cm²";
    QTest::newRow("right round a square, back at A")
        << "ab=4&bc=4&route=ABCDA&triangle=AM&m=CD" << 16
        << "点Ｐ：Ａから16cm（頂点Ａ）、三角形ＰＡＭの面積 0cm²";
}

void TestProblem::blackboardTexts()
{
    QFETCH(QString, link);
    QFETCH(int, steps);
    QFETCH(QString, text);
    QCOMPARE(qs(boardText(RouteWalk(problemOf(u16(link))), steps)), text);
}

void TestProblem::textsWrittenInManyWays_data()
{
    QTest::addColumn<QString>("text");
    const QString plain = "figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2";
    QTest::newRow("as it is") << plain;
    QTest::newRow("with #") << "#" + plain;
    QTest::newRow("a whole link") << "https://example.org/tavilo/tavilo.html?x=1#" + plain;
    QTest::newRow("a file's link") << "file:///home/sensei/tavilo.html#" + plain;
    QTest::newRow("keys in another order")
        << "speed=2&triangle=AB&route=BCDA&bc=8&ab=6&figure=rectangle";
    QTest::newRow("lower case and capitals")
        << "FIGURE=Rectangle&AB=6&Bc=8&route=bcda&triangle=ab&speed=2";
    QTest::newRow("full-width") << QStringLiteral(
        "ｆｉｇｕｒｅ＝ｒｅｃｔａｎｇｌｅ＆ａｂ＝６＆ｂｃ＝８＆ｒｏｕｔｅ＝ＢＣＤＡ"
        "＆ｔｒｉａｎｇｌｅ＝ＡＢ＆ｓｐｅｅｄ＝２");
    QTest::newRow("%-escaped full-width digits, as a browser's address has them")
        << "figure=rectangle&ab=%EF%BC%96&bc=%ef%bc%98&route=BCDA&triangle=AB&speed=%32";
    QTest::newRow("blanks and empty fields")
        << "&& figure = rectangle &ab=6&&bc=8 & route=BCDA&triangle=AB&speed=2.0&";
    QTest::newRow("the default figure left out") << "ab=6&bc=8&route=BCDA&triangle=AB&speed=2";
}

void TestProblem::textsWrittenInManyWays()
{
    QFETCH(QString, text);
    const ProblemReading reading = readProblem(u16(text));
    QVERIFY2(!reading.error, qPrintable(qs(reading.message())));
    QCOMPARE(qs(linkText(reading.problem)),
             QStringLiteral("figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2"));
}

void TestProblem::linkTextReadsBack_data()
{
    QTest::addColumn<QString>("link");
    for (const char *link : {"figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2",
                             "figure=trapezoid&ab=4&bc=7&ad=4&route=BCDA&triangle=AB",
                             "figure=triangle&ab=6&bc=8&route=BCA&triangle=AM&m=BC&speed=0.5",
                             "figure=rectangle&ab=4&bc=4&route=ABCDA&triangle=AM&m=CD&speed=4"})
        QTest::newRow(link) << link;
}

void TestProblem::linkTextReadsBack()
{
    QFETCH(QString, link);
    const ProblemReading reading = readProblem(u16(link));
    QVERIFY2(!reading.error, qPrintable(qs(reading.message())));
    QCOMPARE(qs(linkText(reading.problem)), link);
}

// Each bad text opens today's problem with a message naming the key and why.
void TestProblem::badTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("reason");

    const QString range = "1 から 30 までの整数（cm）で書いてください。";
    QTest::newRow("unknown figure")
        << "figure=circle"
        << "figure"
        << "「circle」という図形はありません。rectangle（長方形）、trapezoid（台形）、"
           "triangle（直角三角形）のどれかを書いてください。";
    QTest::newRow("unknown key") << "ab=6&color=red"
                                 << "color"
                                 << "という項目はありません。使える項目は figure、ab、bc、ad、"
                                    "route、triangle、m、speed です。";
    QTest::newRow("unknown letter in the route")
        << "route=BXD"
        << "route"
        << "「x」は頂点の文字ではありません。A、B、C、D で書いてください。";
    QTest::newRow("unknown letter in the triangle")
        << "triangle=BQ"
        << "triangle"
        << "「q」は点の文字ではありません。A、B、C、D、M で書いてください。";
    QTest::newRow("length 0") << "ab=0"
                              << "ab"
                              << "長さが 0 です。" + range;
    QTest::newRow("negative length") << "bc=-4"
                                     << "bc"
                                     << "長さ -4 は負の数です。" + range;
    QTest::newRow("fraction") << "ab=2.5"
                              << "ab"
                              << "長さ 2.5 は整数ではありません。" + range;
    QTest::newRow("over 30") << "bc=31"
                             << "bc"
                             << "長さ 31 は長すぎます。" + range;
    QTest::newRow("huge") << "ab=99999999999999999999999"
                          << "ab"
                          << "長さ 9999999999999999… は長すぎます。" + range;
    QTest::newRow("not a number") << "ab=six"
                                  << "ab"
                                  << "「six」は長さとして読めません。" + range;
    QTest::newRow("no length") << "ab="
                               << "ab"
                               << "長さが書かれていません。" + range;
    QTest::newRow("not neighbours")
        << "route=BAC"
        << "route"
        << "ＡとＣはとなり合う頂点ではありません（辺ＡＣはありません）。";
    QTest::newRow("a side walked twice") << "route=BADAB"
                                         << "route"
                                         << "辺ＡＤを２度通ります。";
    QTest::newRow("not a whole number of steps")
        << "ab=3&bc=4&route=BA&triangle=BC&speed=2"
        << "route"
        << "道のり 3cm を毎秒 2cm で進むと 1.5 秒かかり、整数の秒数になりません。";
    QTest::newRow("a side not a whole number of cm")
        << "figure=trapezoid&ab=2&bc=4&ad=3&route=BCD&triangle=AB"
        << "route"
        << "辺ＣＤの長さ（√5cm）が整数でないので、点Ｐが整数の秒数で進めません。";
    QTest::newRow("the same fixed point twice")
        << "triangle=CC"
        << "triangle"
        << "同じ点Ｃが２つあります。ちがう２つの点を書いてください。";
    QTest::newRow("M twice") << "triangle=MM&m=AB"
                             << "triangle"
                             << "Ｍは１つだけ使えます。";
    QTest::newRow("M without its side")
        << "triangle=AM"
        << "m"
        << "三角形にＭがあるので、Ｍを真ん中の点とする辺を m=CD のように書いてください。";
    QTest::newRow("M's side not a side") << "triangle=AM&m=AC"
                                         << "m"
                                         << "ＡＣは長方形の辺ではありません。";
    QTest::newRow("area 0 all along the route")
        << "route=BA&triangle=AB"
        << "triangle"
        << "点Ｐがどこにいても、三角形ＰＡＢの面積が 0 です（点Ｐが２つの点を通る直線の上だけを"
           "動きます）。";
    QTest::newRow("ad for a rectangle") << "ab=6&bc=8&ad=8"
                                        << "ad"
                                        << "長方形では使いません（ＡＤはＢＣと同じ長さです）。";
    QTest::newRow("ad for a right triangle") << "figure=triangle&ad=3&route=BCA"
                                             << "ad"
                                             << "直角三角形には辺ＡＤがありません。";
    QTest::newRow("a trapezoid with AD = BC")
        << "figure=trapezoid&ab=4&bc=6&ad=6&route=BCDA"
        << "ad"
        << "台形ではＡＤとＢＣを違う長さにしてください（どちらも 6cm です）。";
    QTest::newRow("today's route on a right triangle")
        << "figure=triangle"
        << "route"
        << "直角三角形には頂点Ｄがありません。（route が書かれていないので、はじめの問題の BADC "
           "として読みました。）";
    QTest::newRow("a speed not in the list")
        << "speed=1.5"
        << "speed"
        << "速さ 1.5 は使えません。0.5、1、2、3、4、5 のどれかを書いてください（毎秒の cm）。";
    QTest::newRow("a key twice") << "ab=6&ab=7"
                                 << "ab"
                                 << "が２度書かれています。";
    QTest::newRow("no =") << "ab6"
                          << "ab6"
                          << "「=」がありません。ab=6 のように、項目と値を = でつないで書いてくだ"
                             "さい。";
}

void TestProblem::badTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, reason);

    const ProblemReading reading = readProblem(u16(text));
    QVERIFY(reading.error);
    QCOMPARE(qs(reading.error->key), key);
    QCOMPARE(qs(reading.error->reason), reason);
    QVERIFY(isToday(reading));
    const QString message = qs(reading.message());
    QVERIFY2(message.contains(key + "：" + reason), qPrintable(message));
    QVERIFY(message.startsWith(QStringLiteral("リンクの問題を開けませんでした。")));
}

// Nothing in a text can crash, hang or reach the message as anything but plain characters.
void TestProblem::hostileTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("reason");

    QTest::newRow("a megabyte") << QString(1 << 20, QChar(u'a')) << ""
                                << "リンクが長すぎます（1048576文字）。問題のリンクは長くても数百"
                                   "文字です。";
    QTest::newRow("a megabyte of fields")
        << QStringLiteral("ab=6&").repeated(200000) << ""
        << "リンクが長すぎます（1000000文字）。問題のリンクは長くても数百文字です。";
    const QString badEscape = "% のあとの書き方が正しくありません。%E3%81%82 のように、% と２けた"
                              "の16進数で UTF-8 を書きます。";
    QTest::newRow("% not hex") << "ab=%G6"
                               << "ab" << badEscape;
    QTest::newRow("% cut short") << "ab=%E3%81"
                                 << "ab" << badEscape;
    QTest::newRow("% at the end") << "ab=6%"
                                  << "ab" << badEscape;
    QTest::newRow("% of a surrogate") << "ab=%ED%A0%80"
                                      << "ab" << badEscape;
    QTest::newRow("% overlong") << "ab=%C0%B6"
                                << "ab" << badEscape;
    QTest::newRow("%-escaped &") << "ab=6%26bc=8"
                                 << "ab"
                                 << "「6&bc=8」は長さとして読めません。1 から 30 までの整数（cm）"
                                    "で書いてください。";
    QTest::newRow("script")
        << "figure=<script>alert(1)</script>"
        << "figure"
        << "「<script>alert(1)…」という図形はありません。rectangle（長方形）、"
           "trapezoid（台形）、triangle（直角三角形）のどれかを書いてください。";
    QTest::newRow("control characters")
        << QStringLiteral("ab=\u0007\n\u001b[2J") << "ab"
        << "「\uFFFD\uFFFD\uFFFD[2j」は長さとして読めません。1 から 30 までの整数（cm）で書いてくだ"
           "さい。";
    QTest::newRow("a lone surrogate")
        << QStringLiteral("route=B") + QChar(0xD800) << "route"
        << QStringLiteral(u"「\uFFFD」は頂点の文字ではありません。A、B、C、D で書いてください。");
    QTest::newRow("a key turning the text's direction")
        << QStringLiteral(u"a\u202Eb=1") << QStringLiteral(u"a\uFFFDb")
        << "という項目はありません。使える項目は figure、ab、bc、ad、route、triangle、m、speed "
           "です。";
    QTest::newRow("a NUL") << QStringLiteral("ab=6") + QChar(0) + "&bc=8"
                           << "ab"
                           << "「6\uFFFD」は長さとして読めません。1 から 30 までの整数（cm）で書い"
                              "てください。";
}

void TestProblem::hostileTexts()
{
    QFETCH(QString, text);
    QFETCH(QString, key);
    QFETCH(QString, reason);

    const auto start = std::chrono::steady_clock::now();
    const ProblemReading reading = readProblem(u16(text));
    const auto took = std::chrono::steady_clock::now() - start;
    QVERIFY(took < std::chrono::milliseconds(100));
    QVERIFY(reading.error);
    QCOMPARE(qs(reading.error->key), key);
    QCOMPARE(qs(reading.error->reason), reason);
    QVERIFY(isToday(reading));
    const QString message = qs(reading.message());
    QVERIFY(message.size() < 400);
    for (const QChar c : message)
        QVERIFY2(c == u'\n' || (c >= u' ' && !c.isSurrogate() && c != QChar(0x202E)),
                 qPrintable(QString::number(c.unicode(), 16)));
}

// The largest figure right round at the slowest speed takes the most steps there can be, 240,
// and its link is read in well under a millisecond.
void TestProblem::theLargestProblems()
{
    const std::u16string link =
        u"figure=rectangle&ab=30&bc=30&route=ABCDA&triangle=AM&m=BC&speed=0.5";
    constexpr int times = 100;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < times; ++i)
        QVERIFY(!readProblem(link).error);
    const auto took = std::chrono::steady_clock::now() - start;
    QVERIFY2(took < times * std::chrono::milliseconds(1),
             qPrintable(QString::number(
                 std::chrono::duration_cast<std::chrono::microseconds>(took).count() / times)));
    const RouteWalk walk(readProblem(link).problem);
    QCOMPARE(walk.steps(), 240);
    QCOMPARE(walk.largestArea(), Rational(450));
}

QTEST_MAIN(TestProblem)
#include "tst_problem.moc"
