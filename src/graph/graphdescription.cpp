// The graph paper's accessible description, read from the trace as it is drawn.
#include "graph/graphdescription.h"

#include "app/form1.h"
#include "platform/accessibledescription.h"

#include <QStringList>
#include <vector>

namespace {
// The graph's x axis: the origin's pixel column and the scale.
constexpr qreal originX = 49;
constexpr qreal pixelsPerCentimetre = 10;

const std::array<QString, 3> formulas{QStringLiteral("y = 6x"), QStringLiteral("y = 48"),
                                      QStringLiteral("y = −6x + 168")};

struct Piece
{
    QString formula;
    int from;
    int to;
};

int centimetres(qreal x)
{
    return qRound((x - originX) / pixelsPerCentimetre);
}

// Where the pieces meet end to end, the range of the whole graph is worth saying first.
bool joined(const std::vector<Piece> &pieces)
{
    for (std::size_t i = 1; i < pieces.size(); ++i)
        if (pieces[i].from != pieces[i - 1].to)
            return false;
    return true;
}

QString range(int from, int to)
{
    return QStringLiteral("%1〜%2").arg(from).arg(to);
}
} // namespace

QString graphDescription(const std::array<QLineF, 3> &trace, qreal areaHeight)
{
    std::vector<Piece> shown;
    for (std::size_t i = 0; i < trace.size(); ++i) {
        const QLineF &line = trace[i];
        if (line.y1() < areaHeight || line.y2() < areaHeight)
            shown.push_back({formulas[i], centimetres(line.x1()), centimetres(line.x2())});
    }
    if (shown.empty())
        return QStringLiteral("グラフ：まだかかれていません");
    QStringList parts;
    if (joined(shown))
        parts << QStringLiteral("x = ") + range(shown.front().from, shown.back().to);
    for (const Piece &piece : shown)
        parts << piece.formula + QStringLiteral("（") + range(piece.from, piece.to) +
                     QStringLiteral("）");
    return QStringLiteral("グラフ：") + parts.join(QStringLiteral("、"));
}

void Form1::DescribeGraph()
{
    updateAccessibleDescription(gamen, graphDescription({Line1.line(), Line2.line(), Line3.line()},
                                                        gamen.drawingAreaSize().height()));
}
