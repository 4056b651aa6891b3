// The widgets of the window's controls, each showing the layout's own look at the window's fit.
#pragma once

#include <QCheckBox>
#include <QElapsedTimer>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSize>
#include <QTextLayout>
#include <QTimer>

// A control's widget has its place and font at the window's fit, for the pointer, the keyboard
// focus and screen readers. At a factor other than 1 it paints its look in the layout's own size
// and font (paintAtFit), so that the picture is the one the toolkit paints at that device pixel
// ratio; at 1 it paints as the toolkit does.
class LayoutLook
{
public:
    virtual ~LayoutLook() = default;

    // Called once the widget has its place and font at a new fit.
    virtual void layoutChanged() {}

    // The widget's place, size and font in the layout, in logical pixels.
    QPoint layoutPosition;
    QSize layoutSize;
    QFont layoutFont;
};

// The colour a widget is painted over: its own background where it fills it, else its parent's.
QColor colourBeneath(const QWidget &widget);

class LabelWidget : public QLabel, public LayoutLook
{
public:
    explicit LabelWidget(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
};

class ButtonWidget : public QPushButton, public LayoutLook
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *event) override;
};

class CheckBoxWidget : public QCheckBox, public LayoutLook
{
public:
    using QCheckBox::QCheckBox;

    // The square and caption that take a click, in the widget's pixels: the style's at the
    // widget's own size, or the layout's scaled to the fit.
    QRect clickRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &position) const override;

private:
    QStyleOptionButton layoutOption() const;
};

// The toolkit paints a line edit's text, selection and cursor itself, at the widget's font; at
// a fit other than 1 they are painted here as it paints them, in the layout's font: the text
// with its selection and the input method's preedit text, the blinking cursor, scrolled to keep
// the cursor in sight.
class LineEditWidget : public QLineEdit, public LayoutLook
{
public:
    explicit LineEditWidget(QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void paintLayoutLook(QPainter &painter);
    void restartBlink();

    // The input method's text being composed, with its formats from the preedit's start, and
    // the cursor within it (-1 for none).
    QString m_preedit;
    QList<QTextLayout::FormatRange> m_preeditFormats;
    int m_preeditCursor = -1;
    bool m_preeditHidesCursor = false;
    // The left edge of the visible part of the text, in layout pixels.
    int m_scroll = 0;
    QTimer m_blink;
    bool m_cursorShown = true;
};
