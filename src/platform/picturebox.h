// A drawing surface that keeps what is drawn on it and shows lightweight controls over it.
#pragma once

#include "platform/color.h"
#include "platform/control.h"

#include <string>
#include <vector>

class LightweightControl;
class SurfacePainter;
class Window;

// Everything drawn lands in a persistent image, which a repaint copies to the screen; drawing
// never happens in response to a repaint. Positions are logical pixels of the drawing area, the
// part inside the two-pixel sunken border; the backend draws at device pixels.
class PictureBox : public Control
{
public:
    enum class FillStyle { Solid = 0, Transparent = 1 };

    static constexpr int borderWidth = 2;

    // Backend: makes the surface's native peer and its image, then clears it (cls).
    PictureBox(Window &window, const Rect &geometry);

    Color backColor() const { return m_backColor; }
    Color foreColor() const { return m_foreColor; }
    FillStyle fillStyle() const { return m_fillStyle; }
    float currentX() const { return m_currentX; }
    float currentY() const { return m_currentY; }

    // Setting the background colour wipes the surface to it.
    void setBackColor(Color color);
    void setForeColor(Color color) { m_foreColor = color; }
    void setFillColor(Color color) { m_fillColor = color; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    void setDrawWidth(int width) { m_drawWidth = width; }
    void setCurrentX(float x) { m_currentX = x; }
    void setCurrentY(float y) { m_currentY = y; }

    // Wipes everything drawn and puts the text position back to (0, 0).
    void cls();
    // A line of the draw width with round ends, in the fore colour or the one given.
    void line(PointF from, PointF to);
    void line(PointF from, PointF to, Color color);
    // The outline of the box between two corners; filled with the fill colour when the fill
    // style is solid.
    void box(PointF corner, PointF opposite);
    // Draws one line of text with its top-left at the text position, then moves the text
    // position to the start of the next line. The text is laid out in the character widths of
    // the layout's face, so that text spaced with blanks lands where the layout places it.
    void print(const std::u16string &text);
    // Paints the region around seed, up to pixels of colour border, with the fill colour when
    // the fill style is solid; a transparent fill style paints nothing.
    void floodFill(Point seed, Color border);

    // Backend: the colour drawn at a point of the drawing area.
    Color point(Point position) const;
    // The part inside the sunken border, in logical pixels.
    Size drawingAreaSize() const;

    // The controls on the surface, front to back.
    void setStackingOrder(std::vector<const LightweightControl *> frontToBack);
    // Paints the controls over the surface's image, back to front, for the backend's repaint.
    void paintControls(SurfacePainter &painter) const;
    // Backend: repaints a part of the drawing area.
    void updateArea(const RectF &area);
    // Backend: repaints a part of the drawing area where a control changed: a backend that
    // follows the drawing itself needs to hear only of the controls.
    void updateControlArea(const RectF &area);

    // Shows the surface at the window's new fit, its drawing drawn again at the new scale.
    void showAtFit() override;

    // What a screen reader is told the surface shows. An unchanged text is not sent again, so
    // that nothing is read out twice.
    std::u16string accessibleDescription() const { return m_description; }
    void setAccessibleDescription(const std::u16string &description);

private:
    RectF drawingArea() const;
    void drawn(const RectF &area);
    // Backend: the halves of the drawing calls above, on the surface's image at device pixels.
    void clearImage();
    void drawLine(PointF from, PointF to, Color color);
    void drawBox(const RectF &box, bool filled);
    // Draws at the text position; gives the width taken and the line height.
    SizeF drawText(const std::u16string &text);
    bool fillRegion(Point seed, Color border);
    // Backend: tells screen readers the description just stored.
    void describe(const std::u16string &description);
    // Backend: draws what the image holds again at the device pixels of the window's fit.
    void redrawAtScale();

    Color m_backColor{255, 255, 255};
    Color m_foreColor{0, 0, 0};
    Color m_fillColor{0, 0, 0};
    FillStyle m_fillStyle = FillStyle::Transparent;
    int m_drawWidth = 1;
    float m_currentX = 0;
    float m_currentY = 0;
    std::vector<const LightweightControl *> m_controls;
    std::u16string m_description;
};
