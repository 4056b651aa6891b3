#include "platform/picturebox.h"

#include "platform/fittedtext.h"
#include "platform/floodfill.h"
#include "platform/lightweightcontrol.h"

#include <QFontMetricsF>
#include <QPainter>
#include <qdrawutil.h>

PictureBox::PictureBox(QWidget *parent, const QRect &geometry) : QWidget(parent)
{
    setGeometry(geometry);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::StrongFocus);
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(drawingAreaSize() * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    cls();
}

void PictureBox::setBackColor(const QColor &color)
{
    m_backColor = color;
    cls();
}

void PictureBox::cls()
{
    m_image.fill(m_backColor);
    m_currentX = 0;
    m_currentY = 0;
    update();
}

void PictureBox::line(const QPointF &from, const QPointF &to)
{
    line(from, to, m_foreColor);
}

void PictureBox::line(const QPointF &from, const QPointF &to, const QColor &color)
{
    QPainter painter(&m_image);
    painter.setPen(pen(color));
    painter.drawLine(from, to);
    drawn(QRectF(from, to).normalized());
}

void PictureBox::box(const QPointF &corner, const QPointF &opposite)
{
    const QRectF rect = QRectF(corner, opposite).normalized();
    QPainter painter(&m_image);
    painter.setPen(pen(m_foreColor));
    if (m_fillStyle == FillStyle::Solid)
        painter.setBrush(m_fillColor);
    painter.drawRect(rect);
    drawn(rect);
}

void PictureBox::print(const QString &text)
{
    const QFontMetricsF metrics(font(), &m_image);
    const QPointF topLeft(m_currentX, m_currentY);
    QPainter painter(&m_image);
    painter.setFont(font());
    painter.setPen(m_foreColor);
    const qreal width = drawFittedText(painter, topLeft, text);
    drawn(QRectF(topLeft, QSizeF(width, metrics.height())));
    m_currentX = 0;
    m_currentY += metrics.height();
}

void PictureBox::floodFill(const QPoint &seed, const QColor &border)
{
    if (m_fillStyle != FillStyle::Solid)
        return;
    const qreal ratio = m_image.devicePixelRatio();
    const QPoint deviceSeed(qRound(seed.x() * ratio), qRound(seed.y() * ratio));
    if (floodFillBorder(m_image, deviceSeed, border.rgb(), m_fillColor.rgb()))
        update();
}

QColor PictureBox::point(const QPoint &position) const
{
    const qreal ratio = m_image.devicePixelRatio();
    return m_image.pixelColor(qRound(position.x() * ratio), qRound(position.y() * ratio));
}

QSize PictureBox::drawingAreaSize() const
{
    return size() - QSize(2 * borderWidth, 2 * borderWidth);
}

void PictureBox::setStackingOrder(std::vector<const LightweightControl *> frontToBack)
{
    m_controls = std::move(frontToBack);
    update();
}

void PictureBox::updateArea(const QRectF &area)
{
    update(area.toAlignedRect().translated(borderWidth, borderWidth));
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    qDrawWinPanel(&painter, rect(), palette(), true);
    painter.translate(borderWidth, borderWidth);
    painter.setClipRect(QRect(QPoint(), drawingAreaSize()));
    painter.drawImage(QPoint(), m_image);
    for (auto control = m_controls.rbegin(); control != m_controls.rend(); ++control)
        (*control)->paint(painter);
}

QPen PictureBox::pen(const QColor &color) const
{
    return QPen(color, m_drawWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void PictureBox::drawn(const QRectF &area)
{
    const qreal margin = m_drawWidth / 2.0 + 1;
    updateArea(area.adjusted(-margin, -margin, margin, margin));
}
