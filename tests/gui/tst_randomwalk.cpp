// Random sequences of the user's actions (forward, back, reset, the three boxes) checked after
// every action against a small model of where the marker, the tag, every line and the distance
// text must be. A failure names the seed of its sequence and the shortest failing sequence found.
//
// TAVILO_RANDOMWALK_SEED fixes the first seed (else it is drawn anew each run) and
// TAVILO_RANDOMWALK_SEQUENCES the number of sequences of every row.
#include "app/form1.h"
#include "qtpeers.h"

#include <QRandomGenerator>
#include <QTest>

#include <array>
#include <optional>
#include <random>
#include <vector>

namespace {
enum class Action { Forward, Back, Reset, Box1, Box2, Box3 };

constexpr std::array<const char *, 6> actionNames{"forward", "back",   "reset",
                                                  "Check1",  "Check2", "Check3"};
// How often each action is drawn, in the order of Action.
using Weights = std::array<int, 6>;

const QColor blue(0, 0, 255);

const QLineF path0Parked(32, 320, 56, 320);
const QLineF path1Parked(72, 320, 96, 320);
const QLineF path2Parked(112, 320, 136, 320);
const QLineF heightParked(168, 320, 192, 320);
const QLineF graph1Parked(8, 268, 32, 268);
const QLineF graph2Parked(40, 268, 64, 268);
const QLineF graph3Parked(72, 268, 96, 268);

// Where P stands at a distance: up BA, along AD, down DC, 25 pixels a step.
QPointF pointAt(int d)
{
    if (d <= 8)
        return QPointF(75, 250 - 25 * d);
    if (d <= 20)
        return QPointF(75 + 25 * (d - 8), 50);
    return QPointF(375, 50 + 25 * (d - 20));
}

// What the window must show, kept by the rules of the step tables, independently of the program.
struct Model
{
    int d = 0;
    QPointF tag{48, 226};
    QString text = QStringLiteral("0");
    bool pathBox = false;
    bool graphBox = false;
    bool heightBox = false;
    std::array<QLineF, 3> path{path0Parked, path1Parked, path2Parked};
    QLineF height = heightParked;
    std::array<QLineF, 3> graph{graph1Parked, graph2Parked, graph3Parked};

    void apply(Action action);

private:
    void forward();
    void back();
    void reset();
    void placePath();
    void placeHeight();
    void placeGraphForward();
    void placePathBack();
    void placeGraphBack();
};

void Model::apply(Action action)
{
    switch (action) {
    case Action::Forward:
        forward();
        break;
    case Action::Back:
        back();
        break;
    case Action::Reset:
        reset();
        break;
    case Action::Box1:
        pathBox = !pathBox;
        if (pathBox)
            placePath();
        else
            path = {path0Parked, path1Parked, path2Parked};
        break;
    case Action::Box2:
        graphBox = !graphBox;
        break;
    case Action::Box3:
        heightBox = !heightBox;
        if (heightBox)
            placeHeight();
        else
            height = heightParked;
        break;
    }
}

// The tag moves 22 up or down and 24 across, with extra on the first step past A and past D.
void Model::forward()
{
    if (d == 28)
        return;
    ++d;
    text = QStringLiteral(" %1").arg(d);
    if (d >= 21) {
        tag = QPointF(390, tag.y() + (d == 21 ? 42 : 22));
    } else if (d >= 9) {
        tag = QPointF(tag.x() + (d == 9 ? 39 : 24), 22);
    } else {
        tag.ry() -= 22;
    }
    if (pathBox)
        placePath();
    if (heightBox)
        placeHeight();
    if (graphBox)
        placeGraphForward();
}

// Going back the tag moves plainly and is put at fixed places on arrival at A and at D.
void Model::back()
{
    if (d == 0)
        return;
    --d;
    text = QStringLiteral(" %1").arg(d);
    if (d <= 7) {
        tag.ry() += 22;
    } else if (d <= 19) {
        tag.rx() -= 24;
        if (d == 8)
            tag = QPointF(48, 48);
    } else {
        tag.ry() -= 22;
        if (d == 20)
            tag = QPointF(355, 22);
    }
    if (pathBox)
        placePathBack();
    if (heightBox)
        placeHeight();
    if (graphBox)
        placeGraphBack();
}

// The boxes keep their values.
void Model::reset()
{
    const Model fresh;
    d = 0;
    tag = fresh.tag;
    text = fresh.text;
    path = fresh.path;
    height = fresh.height;
    graph = fresh.graph;
}

void Model::placePath()
{
    const QLineF fullBA(75, 250, 75, 50);
    const QLineF fullAD(75, 50, 375, 50);
    if (d == 0) {
        path[0] = path0Parked;
    } else if (d <= 8) {
        path[0] = QLineF(75, 250, 75, 250 - 25 * d);
    } else if (d <= 20) {
        path[0] = fullBA;
        path[1] = QLineF(75, 50, 75 + 25 * (d - 8), 50);
    } else {
        path[0] = fullBA;
        path[1] = fullAD;
        path[2] = QLineF(375, 50, 375, 50 + 25 * (d - 20));
    }
}

void Model::placeHeight()
{
    if (d == 0 || d == 28)
        height = heightParked;
    else if (d <= 7)
        height = QLineF(75, 250, 75, 250 - 25 * d);
    else if (d <= 19)
        height = QLineF(75 + 25 * (d - 8), 50, 75 + 25 * (d - 8), 250);
    else
        height = QLineF(375, 250, 375, 50 + 25 * (d - 20));
}

void Model::placeGraphForward()
{
    if (d <= 8)
        graph[0] = QLineF(49, 200, 49 + 10 * d, 200 - 15 * d);
    else if (d <= 20)
        graph[1] = QLineF(129, 80, 129 + 10 * (d - 8), 80);
    else
        graph[2] = QLineF(249, 80, 249 + 10 * (d - 20), 80 + 15 * (d - 20));
}

void Model::placePathBack()
{
    if (d == 0)
        path[0] = path0Parked;
    else if (d <= 7)
        path[0] = QLineF(75, 250, 75, 250 - 25 * d);
    else if (d == 8)
        path[1] = path1Parked;
    else if (d <= 19)
        path[1] = QLineF(75, 50, 75 + 25 * (d - 8), 50);
    else if (d == 20)
        path[2] = path2Parked;
    else
        path[2] = QLineF(375, 50, 375, 50 + 25 * (d - 20));
}

void Model::placeGraphBack()
{
    if (d == 0)
        graph[0] = graph1Parked;
    else if (d <= 7)
        graph[0] = QLineF(49, 200, 49 + 10 * d, 200 - 15 * d);
    else if (d == 8)
        graph[1] = graph2Parked;
    else if (d <= 19)
        graph[1] = QLineF(129, 80, 129 + 10 * (d - 8), 80);
    else if (d == 20)
        graph[2] = graph3Parked;
    else
        graph[2] = QLineF(249, 80, 249 + 10 * (d - 20), 80 + 15 * (d - 20));
}

QLineF segment(const LineControl &line)
{
    return QLineF(line.x1(), line.y1(), line.x2(), line.y2());
}

QString describe(const QLineF &line)
{
    return QStringLiteral("(%1, %2)-(%3, %4)")
        .arg(line.x1())
        .arg(line.y1())
        .arg(line.x2())
        .arg(line.y2());
}

QString describe(const QPointF &point)
{
    return QStringLiteral("(%1, %2)").arg(point.x()).arg(point.y());
}

bool shadedAtSeed(const Form1 &form, int d)
{
    // The fill seed lies well inside the triangle of its distance.
    const QPointF p = pointAt(d);
    const QPoint seed(qRound((p.x() + 220) / 2), qRound((p.y() + 245) / 2 + 5));
    return drawnAt(form.kokuban, seed) == blue;
}

// Off BC the triangle is shaded; at B and C it is flat, and the one beside it has been wiped.
bool figureAgrees(const Form1 &form, int d)
{
    if (d == 0 || d == 28)
        return !shadedAtSeed(form, d == 0 ? 1 : 27);
    return shadedAtSeed(form, d);
}

// The quick comparison, run after every action; difference() says what differs.
bool agrees(const Form1 &form, const Model &model)
{
    return figureAgrees(form, model.d) && form.Distance.value() == model.d &&
           widget<QLineEdit>(form.Text1).text() == model.text &&
           QPointF(form.Shape1.left(), form.Shape1.top()) == pointAt(model.d) - QPointF(5, 5) &&
           QPointF(form.P.left(), form.P.top()) == model.tag &&
           segment(form.Line4[0]) == model.path[0] && segment(form.Line4[1]) == model.path[1] &&
           segment(form.Line4[2]) == model.path[2] && segment(form.Line5) == model.height &&
           segment(form.Line1) == model.graph[0] && segment(form.Line2) == model.graph[1] &&
           segment(form.Line3) == model.graph[2];
}

// The first difference between the window and the model, if any.
std::optional<QString> difference(const Form1 &form, const Model &model)
{
    if (agrees(form, model))
        return std::nullopt;
    std::vector<std::pair<QString, std::pair<QString, QString>>> items{
        {"Distance", {QString::number(model.d), QString::number(form.Distance.value())}},
        {"Text1", {model.text, widget<QLineEdit>(form.Text1).text()}},
        {"Shape1",
         {describe(pointAt(model.d) - QPointF(5, 5)),
          describe(QPointF(form.Shape1.left(), form.Shape1.top()))}},
        {"P", {describe(model.tag), describe(QPointF(form.P.left(), form.P.top()))}},
        {"Line4(0)", {describe(model.path[0]), describe(segment(form.Line4[0]))}},
        {"Line4(1)", {describe(model.path[1]), describe(segment(form.Line4[1]))}},
        {"Line4(2)", {describe(model.path[2]), describe(segment(form.Line4[2]))}},
        {"Line5", {describe(model.height), describe(segment(form.Line5))}},
        {"Line1", {describe(model.graph[0]), describe(segment(form.Line1))}},
        {"Line2", {describe(model.graph[1]), describe(segment(form.Line2))}},
        {"Line3", {describe(model.graph[2]), describe(segment(form.Line3))}}};
    if (!figureAgrees(form, model.d))
        items.push_back({"the triangle", {"shaded off BC only", "not so"}});
    for (const auto &[name, values] : items)
        if (values.first != values.second)
            return QStringLiteral("%1 should be %2, is %3").arg(name, values.first, values.second);
    return std::nullopt;
}

void perform(Form1 &form, Action action)
{
    switch (action) {
    case Action::Forward:
        form.susumu.click();
        break;
    case Action::Back:
        form.modoru.click();
        break;
    case Action::Reset:
        form.syokigamen.click();
        break;
    case Action::Box1:
        form.Check1.click();
        break;
    case Action::Box2:
        form.Check2.click();
        break;
    case Action::Box3:
        form.Check3.click();
        break;
    }
}

struct Failure
{
    std::size_t actions; // how many actions ran, the failing one last
    QString message;
};

// Runs a sequence from the start-up state with all boxes clear.
std::optional<Failure> run(Form1 &form, const std::vector<Action> &sequence)
{
    form.Check1.setValue(0);
    form.Check2.setValue(0);
    form.Check3.setValue(0);
    form.syokigamen.click();
    Model model;
    if (auto message = difference(form, model))
        return Failure{0, *message};
    for (std::size_t index = 0; index < sequence.size(); ++index) {
        perform(form, sequence[index]);
        model.apply(sequence[index]);
        if (auto message = difference(form, model))
            return Failure{index + 1, *message};
    }
    return std::nullopt;
}

// Removes runs of actions, long ones first, while the sequence still fails, until no single run
// can go; what is left after the failing action is cut off.
std::vector<Action> shrink(Form1 &form, std::vector<Action> sequence)
{
    bool removed = true;
    while (removed) {
        removed = false;
        for (std::size_t chunk = sequence.size() / 2; chunk >= 1 && !removed;
             chunk = chunk > 8 ? chunk / 2 : chunk - 1) {
            for (std::size_t start = 0; start + chunk <= sequence.size() && !removed; ++start) {
                std::vector<Action> shorter = sequence;
                shorter.erase(shorter.begin() + static_cast<long>(start),
                              shorter.begin() + static_cast<long>(start + chunk));
                if (const auto failure = run(form, shorter)) {
                    shorter.resize(failure->actions);
                    sequence = shorter;
                    removed = true;
                }
            }
        }
    }
    return sequence;
}

QString names(const std::vector<Action> &sequence)
{
    QStringList list;
    for (const Action action : sequence)
        list << actionNames[static_cast<std::size_t>(action)];
    return list.join(QStringLiteral(", "));
}

std::vector<Action> randomSequence(std::uint32_t seed, const Weights &weights, int longest)
{
    std::mt19937 generator(seed);
    std::discrete_distribution<int> pick(weights.begin(), weights.end());
    std::uniform_int_distribution<int> length(1, longest);
    std::vector<Action> sequence(static_cast<std::size_t>(length(generator)));
    for (Action &action : sequence)
        action = static_cast<Action>(pick(generator));
    return sequence;
}

int sequenceCount(int byDefault)
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("TAVILO_RANDOMWALK_SEQUENCES", &ok);
    return ok && count > 0 ? count : byDefault;
}

std::uint32_t firstSeed()
{
    bool ok = false;
    const int seed = qEnvironmentVariableIntValue("TAVILO_RANDOMWALK_SEED", &ok);
    return ok ? static_cast<std::uint32_t>(seed) : QRandomGenerator::system()->generate() >> 1;
}
} // namespace

class TestRandomWalk : public QObject
{
    Q_OBJECT

private slots:
    void agreesWithModel_data();
    void agreesWithModel();
};

void TestRandomWalk::agreesWithModel_data()
{
    // Weights of forward, back, reset, Check1, Check2, Check3.
    QTest::addColumn<Weights>("weights");
    QTest::addColumn<int>("longest");
    QTest::addColumn<int>("sequences");

    QTest::newRow("every action alike") << Weights{1, 1, 1, 1, 1, 1} << 20 << 1000;
    QTest::newRow("boxes flipped between steps") << Weights{4, 3, 0, 2, 2, 2} << 30 << 800;
    // Far enough forward to reach C and come back past D and A.
    QTest::newRow("long walks to C and back") << Weights{12, 6, 1, 1, 1, 1} << 120 << 250;
}

void TestRandomWalk::agreesWithModel()
{
    QFETCH(Weights, weights);
    QFETCH(int, longest);
    QFETCH(int, sequences);

    Form1 form;
    const std::uint32_t first = firstSeed();
    const int count = sequenceCount(sequences);
    std::size_t actions = 0;
    for (int index = 0; index < count; ++index) {
        const std::uint32_t seed = first + static_cast<std::uint32_t>(index);
        const std::vector<Action> sequence = randomSequence(seed, weights, longest);
        actions += sequence.size();
        const std::optional<Failure> failure = run(form, sequence);
        if (!failure)
            continue;
        const std::vector<Action> failing(sequence.begin(),
                                          sequence.begin() + static_cast<long>(failure->actions));
        const std::vector<Action> shortest = shrink(form, failing);
        const std::optional<Failure> shortFailure = run(form, shortest);
        QFAIL(qPrintable(QStringLiteral("seed %1 (rerun: TAVILO_RANDOMWALK_SEED=%1 "
                                        "TAVILO_RANDOMWALK_SEQUENCES=1 tst_randomwalk "
                                        "'agreesWithModel:%8'): after %2 of %3 actions: %4\n"
                                        "shortest failing sequence (%5 actions): %6: %7")
                             .arg(seed)
                             .arg(failure->actions)
                             .arg(sequence.size())
                             .arg(failure->message)
                             .arg(shortest.size())
                             .arg(names(shortest))
                             .arg(shortFailure ? shortFailure->message : QString())
                             .arg(QString::fromUtf8(QTest::currentDataTag()))));
    }
    qInfo("%d sequences of %zu actions in all, from seed %u, agree with the model", count, actions,
          first);
}

QTEST_MAIN(TestRandomWalk)
#include "tst_randomwalk.moc"
