// Timing of reading a problem from a link and checking it, its walk and graph pieces included,
// for the largest problem a link may give and for a link that cannot be used.
// Run with -median 9 for the median of nine runs.
#include "problem/problem.h"

#include <QTest>

class BenchProblem : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
};

void BenchProblem::read_data()
{
    QTest::addColumn<QString>("link");

    QTest::newRow("largest problem")
        << "https://example.org/tavilo.html#figure=rectangle&ab=30&bc=30&route=ABCDA&"
           "triangle=AM&m=BC&speed=0.5";
    QTest::newRow("bad link") << "#figure=trapezoid&ab=4&bc=7&ad=7&route=BDCA&triangle=AA";
}

void BenchProblem::read()
{
    QFETCH(QString, link);
    const std::u16string text = link.toStdU16String();
    std::size_t steps = 0;
    QBENCHMARK
    {
        const ProblemReading reading = readProblem(text);
        steps += std::size_t(RouteWalk(reading.problem).steps());
    }
    QVERIFY(steps > 0);
}

QTEST_MAIN(BenchProblem)
#include "bench_problem.moc"
