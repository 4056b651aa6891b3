// Timing of one step with all three boxes on, the repaint of both surfaces into images included,
// against the floor: clearing both surfaces and repainting them, nothing else; at the layout's
// own size and maximised on 1920 x 1080, where the surfaces draw at the fit's device pixels, and
// for the largest problem a link may give (240 steps right round a square of 30 cm, with M).
// Run with -median 9 for the median of nine runs; with -callgrind for instruction counts.
#include "app/form1.h"
#include "platform/qt/nativewidget.h"
#include "problem/problem.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

namespace {
// An image that a surface repaints into, at the surface's device pixel ratio.
QImage canvasFor(const QWidget &surface)
{
    const qreal ratio = surface.devicePixelRatioF();
    QImage image(surface.size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    return image;
}

// What a screen update of both surfaces does: paint the image and the controls over it.
class Repaint
{
public:
    explicit Repaint(Form1 &form)
        : m_form(form), m_blackboard(canvasFor(nativeWidget(form.kokuban))),
          m_paper(canvasFor(nativeWidget(form.gamen)))
    {}

    void operator()()
    {
        nativeWidget(m_form.kokuban).render(&m_blackboard);
        nativeWidget(m_form.gamen).render(&m_paper);
    }

private:
    Form1 &m_form;
    QImage m_blackboard;
    QImage m_paper;
};

// Walks to the end of the route and back again, so that every step is timed in both directions.
class BackAndForth
{
public:
    explicit BackAndForth(Form1 &form) : m_form(form) {}

    void step()
    {
        if (m_form.Distance == m_form.lesson.walk.steps())
            m_forward = false;
        else if (m_form.Distance == 0)
            m_forward = true;
        if (m_forward)
            m_form.susumu.click();
        else
            m_form.modoru.click();
    }

private:
    Form1 &m_form;
    bool m_forward = true;
};
} // namespace

class BenchStep : public QObject
{
    Q_OBJECT

private slots:
    void step_data();
    void step();
};

void BenchStep::step_data()
{
    QTest::addColumn<bool>("floor");
    QTest::addColumn<QString>("link");
    QTest::addColumn<QSize>("window");

    const QString largest = QStringLiteral("ab=30&bc=30&route=ABCDA&triangle=AM&m=BC&speed=0.5");
    QTest::newRow("all boxes on") << false << QString() << QSize(865, 437);
    QTest::newRow("floor") << true << QString() << QSize(865, 437);
    // Maximised on a 1920 x 1080 projector: the layout at its fit, about 2.2.
    QTest::newRow("all boxes on, 1920 x 1080") << false << QString() << QSize(1920, 1080);
    QTest::newRow("floor, 1920 x 1080") << true << QString() << QSize(1920, 1080);
    QTest::newRow("largest problem, all boxes on") << false << largest << QSize(865, 437);
    QTest::newRow("largest problem, floor") << true << largest << QSize(865, 437);
}

void BenchStep::step()
{
    QFETCH(bool, floor);
    QFETCH(QString, link);
    QFETCH(QSize, window);

    Form1 form(readProblem(link.toStdU16String()).problem);
    form.show();
    nativeWidget(form).resize(window);
    QCoreApplication::processEvents();
    form.Check1.click();
    form.Check2.click();
    form.Check3.click();
    Repaint repaint(form);
    BackAndForth walk(form);
    QBENCHMARK
    {
        if (floor) {
            form.kokuban.cls();
            form.gamen.cls();
        } else {
            walk.step();
        }
        repaint();
    }
}

QTEST_MAIN(BenchStep)
#include "bench_step.moc"
