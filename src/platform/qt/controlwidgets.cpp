#include "platform/qt/controlwidgets.h"

#include "platform/qt/fitpainting.h"

#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextCharFormat>

namespace {
bool atOwnSize(const QWidget &widget)
{
    return layoutFit(widget).factor == 1;
}

// What a style painter starts with, as QStylePainter takes it from the widget.
void startAsStylePainter(QPainter &painter, const QWidget &widget, const QFont &font)
{
    painter.setPen(widget.palette().color(widget.foregroundRole()));
    painter.setBackground(widget.palette().brush(widget.backgroundRole()));
    painter.setFont(font);
}

// The space the toolkit's line edit keeps between its contents and the text.
constexpr int lineEditMargin = 2;
} // namespace

QColor colourBeneath(const QWidget &widget)
{
    if (widget.autoFillBackground() || widget.parentWidget() == nullptr)
        return widget.palette().color(widget.backgroundRole());
    const QWidget &parent = *widget.parentWidget();
    // An editable combo box paints its edit field's background itself.
    if (qobject_cast<const QComboBox *>(&parent) != nullptr)
        return parent.palette().color(QPalette::Base);
    return parent.palette().color(parent.backgroundRole());
}

LabelWidget::LabelWidget(QWidget *parent) : QLabel(parent)
{
    setMargin(0);
    setAutoFillBackground(true);
}

// A plain text label's paint: its text in its alignment, as the toolkit draws it. The label
// paints in the layout's pixels straight onto the window, scaled by the factor: large text is
// filled as outlines, whose edges come out as at the toolkit's device pixel ratio only where they
// lie as they would in the window (the label's background is already filled).
void LabelWidget::paintEvent(QPaintEvent *event)
{
    const double factor = layoutFit(*this).factor;
    if (factor == 1) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.scale(factor, factor);
    QStyleOption option;
    option.initFrom(this);
    painter.setFont(layoutFont);
    const auto direction = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
    const int flags =
        int(QStyle::visualAlignment(direction, alignment())) |
        (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft);
    style()->drawItemText(&painter, QRect(QPoint(), layoutSize), flags, option.palette, isEnabled(),
                          text(), foregroundRole());
}

// The parts of the toolkit's push button paint: the bevel, the caption and, with the keyboard
// focus, the focus frame.
void ButtonWidget::paintEvent(QPaintEvent *event)
{
    if (atOwnSize(*this)) {
        QPushButton::paintEvent(event);
        return;
    }
    paintAtFit(*this, event->rect(), colourBeneath(*this), [this](QPainter &painter) {
        QStyleOptionButton option;
        initStyleOption(&option);
        option.rect = QRect(QPoint(), layoutSize);
        option.fontMetrics = QFontMetrics(layoutFont);
        startAsStylePainter(painter, *this, layoutFont);
        // Fusion's bevel is its panel, a cached element; a button has no menu indicator.
        paintAsCached(painter, option.rect, [&](QPainter &cachePainter) {
            QStyleOptionButton panel = option;
            panel.rect = QRect(QPoint(), option.rect.size());
            style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &panel, &cachePainter, this);
        });
        QStyleOptionButton caption = option;
        caption.rect = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        style()->drawControl(QStyle::CE_PushButtonLabel, &caption, &painter, this);
        if (option.state & QStyle::State_HasFocus) {
            QStyleOptionFocusRect focus;
            focus.QStyleOption::operator=(option);
            focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    });
}

QStyleOptionButton CheckBoxWidget::layoutOption() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(), layoutSize);
    option.fontMetrics = QFontMetrics(layoutFont);
    return option;
}

void CheckBoxWidget::paintEvent(QPaintEvent *event)
{
    if (atOwnSize(*this)) {
        QCheckBox::paintEvent(event);
        return;
    }
    paintAtFit(*this, event->rect(), colourBeneath(*this), [this](QPainter &painter) {
        const QStyleOptionButton option = layoutOption();
        startAsStylePainter(painter, *this, layoutFont);
        style()->drawControl(QStyle::CE_CheckBox, &option, &painter, this);
    });
}

QRect CheckBoxWidget::clickRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    if (atOwnSize(*this))
        return style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, this);
    option = layoutOption();
    const QRect inLayout = style()
                               ->subElementRect(QStyle::SE_CheckBoxClickRect, &option, this)
                               .translated(layoutPosition);
    // Its edges are rounded where the layout has them, as the widget's own are.
    const LayoutFit &fit = layoutFit(*this);
    const QPoint corner(fit.units(layoutPosition.x()), fit.units(layoutPosition.y()));
    const int left = fit.units(inLayout.left());
    const int top = fit.units(inLayout.top());
    return QRect(left - corner.x(), top - corner.y(),
                 fit.units(inLayout.left() + inLayout.width()) - left,
                 fit.units(inLayout.top() + inLayout.height()) - top);
}

bool CheckBoxWidget::hitButton(const QPoint &position) const
{
    if (atOwnSize(*this))
        return QCheckBox::hitButton(position);
    return clickRect().contains(position);
}

LineEditWidget::LineEditWidget(QWidget *parent) : QLineEdit(parent)
{
    connect(&m_blink, &QTimer::timeout, this, [this] {
        m_cursorShown = !m_cursorShown;
        if (!atOwnSize(*this))
            update();
    });
}

void LineEditWidget::restartBlink()
{
    m_cursorShown = true;
    const int period = QApplication::cursorFlashTime() / 2;
    if (period > 0 && hasFocus())
        m_blink.start(period);
    else
        m_blink.stop();
}

void LineEditWidget::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    restartBlink();
}

void LineEditWidget::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    m_blink.stop();
}

void LineEditWidget::keyPressEvent(QKeyEvent *event)
{
    QLineEdit::keyPressEvent(event);
    restartBlink();
}

void LineEditWidget::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    restartBlink();
}

// The preedit text and its formats, kept as the toolkit's line edit keeps them for its paint.
void LineEditWidget::inputMethodEvent(QInputMethodEvent *event)
{
    QLineEdit::inputMethodEvent(event);
    m_preedit = event->preeditString();
    m_preeditFormats.clear();
    m_preeditCursor = -1;
    m_preeditHidesCursor = false;
    for (const QInputMethodEvent::Attribute &attribute : event->attributes()) {
        if (attribute.type == QInputMethodEvent::Cursor) {
            m_preeditCursor = attribute.start;
            m_preeditHidesCursor = attribute.length == 0;
        } else if (attribute.type == QInputMethodEvent::TextFormat) {
            const QTextCharFormat format =
                qvariant_cast<QTextFormat>(attribute.value).toCharFormat();
            if (format.isValid())
                m_preeditFormats.append({attribute.start, attribute.length, format});
        }
    }
    restartBlink();
}

void LineEditWidget::paintEvent(QPaintEvent *event)
{
    if (atOwnSize(*this)) {
        QLineEdit::paintEvent(event);
        return;
    }
    paintAtFit(*this, event->rect(), colourBeneath(*this),
               [this](QPainter &painter) { paintLayoutLook(painter); });
}

// The toolkit's line edit paint in the layout's pixels: the panel; the text centred in the
// contents vertically, scrolled so that the cursor shows; the selection; the cursor.
void LineEditWidget::paintLayoutLook(QPainter &painter)
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    panel.rect = QRect(QPoint(), layoutSize);
    panel.fontMetrics = QFontMetrics(layoutFont);
    painter.setFont(layoutFont);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);
    const QRect contents = style()
                               ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
                               .marginsRemoved(textMargins());
    painter.setClipRect(contents);

    const QFontMetrics metrics(layoutFont);
    const QString text = displayText();
    const int cursorPosition = this->cursorPosition();
    QTextLayout layout(text, layoutFont);
    layout.setCacheEnabled(true);
    QList<QTextLayout::FormatRange> preeditFormats;
    if (!m_preedit.isEmpty()) {
        layout.setPreeditArea(cursorPosition, m_preedit);
        for (QTextLayout::FormatRange range : m_preeditFormats) {
            range.start += cursorPosition;
            preeditFormats.append(range);
        }
        layout.setFormats(preeditFormats);
    }
    QTextOption option = layout.textOption();
    option.setTextDirection(layoutDirection());
    option.setFlags(QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();

    const int textHeight = qMax(metrics.boundingRect(text + m_preedit).height(), metrics.height());
    const QRect lineRect(contents.x() + lineEditMargin,
                         contents.y() + (contents.height() - textHeight + 1) / 2,
                         contents.width() - 2 * lineEditMargin, metrics.height());
    int cursor = cursorPosition;
    if (m_preeditCursor != -1)
        cursor += m_preeditCursor;
    const int cursorX = qRound(line.cursorToX(cursor));
    const int widthUsed = qRound(line.naturalTextWidth()) + 1;
    if (widthUsed <= lineRect.width())
        m_scroll = 0;
    else if (cursorX - m_scroll >= lineRect.width())
        m_scroll = cursorX - lineRect.width() + 1;
    else if (cursorX - m_scroll < 0 && m_scroll < widthUsed)
        m_scroll = cursorX;
    else if (widthUsed - m_scroll < lineRect.width())
        m_scroll = widthUsed - lineRect.width() + 1;
    else
        m_scroll = qMax(0, m_scroll);
    const QPoint topLeft =
        lineRect.topLeft() - QPoint(m_scroll, qRound(line.ascent()) - metrics.ascent());

    painter.setPen(palette().text().color());
    QList<QTextLayout::FormatRange> selections;
    if (hasSelectedText()) {
        QTextLayout::FormatRange selection;
        selection.start = selectionStart();
        selection.length = int(selectedText().size());
        selection.format.setBackground(panel.palette.brush(QPalette::Highlight));
        selection.format.setForeground(panel.palette.brush(QPalette::HighlightedText));
        selections.append(selection);
    }
    layout.draw(&painter, topLeft, selections, contents);
    const bool cursorWithSelection =
        style()->styleHint(QStyle::SH_BlinkCursorWhenTextSelected, &panel, this) != 0;
    if (hasFocus() && !isReadOnly() && m_cursorShown && !m_preeditHidesCursor &&
        (!hasSelectedText() || cursorWithSelection))
        layout.drawCursor(&painter, topLeft, cursor,
                          style()->pixelMetric(QStyle::PM_TextCursorWidth, &panel, this));
}
