// The setup window's fields: filled in from a problem, written as a link, and checked as they are
// typed, each bad value blamed on its own field and on no other.
#include "app/setupfields.h"
#include "qtpeers.h"

#include <QTest>

namespace {
// Problem 1 as a teacher types it: full-width digits and letters, lower case, blanks.
SetupFields problem1()
{
    SetupFields fields;
    fields.ab = u"６";
    fields.bc = u" 8";
    fields.route = u"bｃda";
    fields.triangle = u"ＡＢ";
    fields.speed = u"２";
    return fields;
}

QStringList wrongFields(const SetupCheck &check)
{
    static const QStringList names{"figure", "ab", "bc", "ad", "route", "triangle", "m", "speed"};
    QStringList wrong;
    for (std::size_t i = 0; i < check.messages.size(); ++i)
        if (!check.messages[i].empty())
            wrong << names[int(i)];
    return wrong;
}
} // namespace

class TestSetupFields : public QObject
{
    Q_OBJECT

private slots:
    void problemsFillTheFieldsAndComeBack_data();
    void problemsFillTheFieldsAndComeBack();
    void typedProblemReadsAsItsLink();
    void eachBadValueIsBlamedOnItsOwnField_data();
    void eachBadValueIsBlamedOnItsOwnField();
    void fieldsThatDoNotCountAreLeftOut();
    void noFieldCanWriteAnotherKey();
};

// Filled in from a problem, the fields give the same problem back, and its link.
void TestSetupFields::problemsFillTheFieldsAndComeBack_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<int>("figure");
    QTest::newRow("today") << "" << int(FigureChoice::Rectangle);
    QTest::newRow("square") << "ab=8&bc=8&route=ABCD&triangle=AD&speed=2"
                            << int(FigureChoice::Square);
    QTest::newRow("trapezoid") << "figure=trapezoid&ab=4&bc=7&ad=4&route=BCDA&triangle=AB"
                               << int(FigureChoice::Trapezoid);
    QTest::newRow("triangle, M") << "figure=triangle&ab=6&bc=8&route=BCA&triangle=AM&m=BC&speed=0.5"
                                 << int(FigureChoice::Triangle);
}

void TestSetupFields::problemsFillTheFieldsAndComeBack()
{
    QFETCH(QString, link);
    QFETCH(int, figure);
    const Problem problem = readProblem(u16(link)).problem;
    const SetupFields fields = fieldsOf(problem);
    QCOMPARE(int(fields.figure), figure);
    const SetupCheck check = checkFields(fields);
    QVERIFY(check.problem.has_value());
    QVERIFY(check.problem->sameAs(problem));
    // Today's numbers keep today's own look.
    QCOMPARE(check.problem->look, problem.look);
    QCOMPARE(wrongFields(check), QStringList());
    QCOMPARE(qs(linkText(*check.problem)), qs(linkText(problem)));
}

void TestSetupFields::typedProblemReadsAsItsLink()
{
    const SetupCheck check = checkFields(problem1());
    QVERIFY(check.problem.has_value());
    QCOMPARE(qs(linkText(*check.problem)),
             QStringLiteral("figure=rectangle&ab=6&bc=8&route=BCDA&triangle=AB&speed=2"));
    QCOMPARE(RouteWalk(*check.problem).steps(), 11);
    // The typed text itself reads as the same problem: the full-width digits %-escaped.
    const QString text = qs(fieldsText(problem1()));
    QVERIFY(text.contains("ab=%EF%BC%96"));
    QVERIFY(readProblem(u16(text)).problem.sameAs(*check.problem));
}

// Each row spoils one field of problem 1; only that field has a message, and nothing is applied.
void TestSetupFields::eachBadValueIsBlamedOnItsOwnField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("says");
    QTest::newRow("AB 0") << "ab"
                          << "0"
                          << "0";
    QTest::newRow("AB empty") << "ab"
                              << ""
                              << "書かれていません";
    QTest::newRow("AB a fraction") << "ab"
                                   << "6.5"
                                   << "整数";
    QTest::newRow("AB over 30") << "ab"
                                << "31"
                                << "長";
    QTest::newRow("BC huge") << "bc"
                             << "99999999999999999999"
                             << "長";
    QTest::newRow("BC a word") << "bc"
                               << "はち"
                               << "読めません";
    QTest::newRow("route not neighbours") << "route"
                                          << "BD"
                                          << "となり合う";
    QTest::newRow("route a side twice") << "route"
                                        << "BCB"
                                        << "２度";
    QTest::newRow("route an unknown letter") << "route"
                                             << "BX"
                                             << "頂点の文字";
    QTest::newRow("triangle the same point") << "triangle"
                                             << "BB"
                                             << "同じ点";
    QTest::newRow("speed 7") << "speed"
                             << "7"
                             << "使えません";
    QTest::newRow("speed not whole steps") << "speed"
                                           << "3"
                                           << "";
}

void TestSetupFields::eachBadValueIsBlamedOnItsOwnField()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, says);
    SetupFields fields = problem1();
    const std::map<QString, std::u16string *> boxes{{"ab", &fields.ab},
                                                    {"bc", &fields.bc},
                                                    {"route", &fields.route},
                                                    {"triangle", &fields.triangle},
                                                    {"speed", &fields.speed}};
    *boxes.at(field) = u16(value);
    const SetupCheck check = checkFields(fields);
    QVERIFY(!check.problem.has_value());
    // At 3 cm a second the route of 28 cm is not whole seconds: the link blames the route.
    const QString blamed = value == "3" ? "route" : field;
    QCOMPARE(wrongFields(check), QStringList{blamed});
    const QStringList names{"figure", "ab", "bc", "ad", "route", "triangle", "m", "speed"};
    QVERIFY(qs(check.messages[std::size_t(names.indexOf(blamed))]).contains(says));
}

// A square's BC is its AB whatever the BC field holds; AD counts for a trapezoid only, M's side
// only where the triangle names M.
void TestSetupFields::fieldsThatDoNotCountAreLeftOut()
{
    SetupFields square = problem1();
    square.figure = FigureChoice::Square;
    square.bc = u"nonsense";
    const SetupCheck squareCheck = checkFields(square);
    QVERIFY(squareCheck.problem.has_value());
    QCOMPARE(squareCheck.problem->bc, 6);

    SetupFields rectangle = problem1();
    rectangle.ad = u"0";
    rectangle.m = u"XY";
    QVERIFY(checkFields(rectangle).problem.has_value());

    SetupFields trapezoid = problem1();
    trapezoid.figure = FigureChoice::Trapezoid;
    trapezoid.ad = u"8";
    QCOMPARE(wrongFields(checkFields(trapezoid)), QStringList{"ad"});
    trapezoid.ad = u"16";
    QVERIFY(checkFields(trapezoid).problem.has_value());

    SetupFields withM = problem1();
    withM.triangle = u"ＡＭ";
    QCOMPARE(wrongFields(checkFields(withM)), QStringList{"m"});
    withM.m = u"cd";
    QVERIFY(checkFields(withM).problem.has_value());
    QVERIFY(withM.usesM());
}

// What a field holds is its own value and nothing more: "&", "=", "#" and "%" are escaped, and
// text of any kind or length gives a message, never a problem the teacher did not type.
void TestSetupFields::noFieldCanWriteAnotherKey()
{
    SetupFields fields = problem1();
    fields.ab = u"6&route=BD";
    QCOMPARE(wrongFields(checkFields(fields)), QStringList{"ab"});
    fields.ab = u"6#speed=5";
    QCOMPARE(wrongFields(checkFields(fields)), QStringList{"ab"});
    fields.ab = u"%36";
    QCOMPARE(wrongFields(checkFields(fields)), QStringList{"ab"});
    fields.ab = std::u16string{u'6', char16_t(0xD800), u'<'};
    QCOMPARE(wrongFields(checkFields(fields)), QStringList{"ab"});
    fields = problem1();
    fields.route = std::u16string(3000, u'B');
    QCOMPARE(wrongFields(checkFields(fields)), QStringList{"route"});
}

QTEST_GUILESS_MAIN(TestSetupFields)
#include "tst_setupfields.moc"
