// A drawing surface that keeps what is drawn on it and shows lightweight controls over it.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>
#include <vector>

class LightweightControl;

// Everything drawn lands in a persistent image, which a repaint copies to the screen; drawing
// never happens in response to a repaint. Positions are logical pixels of the drawing area, the
// part inside the two-pixel sunken border.
class PictureBox : public QWidget
{
public:
    enum class FillStyle { Solid = 0, Transparent = 1 };

    static constexpr int borderWidth = 2;

    PictureBox(QWidget *parent, const QRect &geometry);

    QColor backColor() const { return m_backColor; }
    QColor foreColor() const { return m_foreColor; }
    QColor fillColor() const { return m_fillColor; }
    FillStyle fillStyle() const { return m_fillStyle; }
    int drawWidth() const { return m_drawWidth; }
    float currentX() const { return m_currentX; }
    float currentY() const { return m_currentY; }

    // Setting the background colour wipes the surface to it.
    void setBackColor(const QColor &color);
    void setForeColor(const QColor &color) { m_foreColor = color; }
    void setFillColor(const QColor &color) { m_fillColor = color; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    void setDrawWidth(int width) { m_drawWidth = width; }
    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }

    // Wipes everything drawn and puts the text position back to (0, 0).
    void cls();
    void line(const QPointF &from, const QPointF &to);
    void line(const QPointF &from, const QPointF &to, const QColor &color);
    // The outline of the box between two corners; filled with the fill colour when the fill
    // style is solid.
    void box(const QPointF &corner, const QPointF &opposite);
    // Draws one line of text with its top-left at the text position, then moves the text
    // position to the start of the next line. The text is laid out in the character widths of
    // the layout's face, so that text spaced with blanks lands where the layout places it.
    void print(const QString &text);
    // Paints the region around seed, up to pixels of colour border, with the fill colour when
    // the fill style is solid; a transparent fill style paints nothing.
    void floodFill(const QPoint &seed, const QColor &border);

    // The colour drawn at a point of the drawing area.
    QColor point(const QPoint &position) const;
    const QImage &image() const { return m_image; }
    QSize drawingAreaSize() const;

    // The controls on the surface, front to back.
    void setStackingOrder(std::vector<const LightweightControl *> frontToBack);
    // Repaints a part of the drawing area.
    void updateArea(const QRectF &area);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPen pen(const QColor &color) const;
    void drawn(const QRectF &area);

    QImage m_image;
    QColor m_backColor{Qt::white};
    QColor m_foreColor{Qt::black};
    QColor m_fillColor{Qt::black};
    FillStyle m_fillStyle = FillStyle::Transparent;
    int m_drawWidth = 1;
    float m_currentX = 0;
    float m_currentY = 0;
    std::vector<const LightweightControl *> m_controls;
};
