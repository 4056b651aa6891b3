#include "platform/qt/dropdowncombo.h"

#include "platform/qt/fitpainting.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace {
// Fusion's outline colour of a control on a palette.
QColor fusionOutline(const QPalette &palette)
{
    if (palette.window().style() == Qt::TexturePattern)
        return QColor(0, 0, 0, 160);
    return palette.window().color().darker(140);
}

// Fusion's arrow: a triangle 14 by 8 pixels at 96 dots per inch, centred in its rectangle, kept in
// a cache of the rectangle's size.
void paintFusionArrow(QPainter &painter, const QRect &rect, const QColor &color, qreal dpi)
{
    const int arrowWidth = int(14 * dpi / 96);
    const int arrowHeight = int(8 * dpi / 96);
    const int size = qMin(qMin(arrowHeight, arrowWidth), qMin(rect.height(), rect.width()));
    paintAsCached(painter, rect, [&](QPainter &cache) {
        QRectF arrow(0, 0, size, arrowHeight * size / arrowWidth);
        arrow.moveTo((rect.width() - arrow.width()) / 2.0, (rect.height() - arrow.height()) / 2.0);
        const QPolygonF triangle{arrow.topLeft(), arrow.topRight(),
                                 QPointF(arrow.center().x(), arrow.bottom())};
        cache.setPen(Qt::NoPen);
        cache.setBrush(color);
        cache.setRenderHint(QPainter::Antialiasing);
        cache.drawPolygon(triangle);
    });
}

// Fusion keeps an editable combo box's frame and arrow in a cache made at the application's
// device pixel ratio, which is not the fit's. Painted here as Fusion paints it into that cache,
// at the painter's ratio: the line edit's background and frame over the whole box, the button's
// face clipped to the arrow's part, the line between the two, and the arrow.
void paintEditableComboFrame(QPainter &painter, const QStyleOptionComboBox &combo,
                             const QWidget &widget)
{
    const QStyle &style = *widget.style();
    paintAsCached(painter, combo.rect, [&](QPainter &cache) {
        QStyleOptionComboBox local = combo;
        local.rect = QRect(QPoint(), combo.rect.size());
        const QRect arrow =
            style.subControlRect(QStyle::CC_ComboBox, &local, QStyle::SC_ComboBoxArrow, &widget);
        const bool leftToRight = combo.direction != Qt::RightToLeft;
        const bool hasFocus = (combo.state & QStyle::State_HasFocus) &&
                              (combo.state & QStyle::State_KeyboardFocusChange);
        const bool sunken = (combo.state & QStyle::State_On) != 0;
        QStyleOptionFrame frame;
        frame.QStyleOption::operator=(combo);
        frame.rect = local.rect;
        frame.state = (combo.state &
                       (QStyle::State_Enabled | QStyle::State_MouseOver | QStyle::State_HasFocus)) |
                      QStyle::State_KeyboardFocusChange;
        if (sunken) {
            frame.state |= QStyle::State_Sunken;
            frame.state &= ~QStyle::State_MouseOver;
        }
        if (combo.frame) {
            cache.save();
            cache.setRenderHint(QPainter::Antialiasing, true);
            cache.translate(0.5, 0.5);
            cache.setPen(Qt::NoPen);
            cache.setBrush(frame.palette.base());
            cache.drawRoundedRect(local.rect.adjusted(0, 0, -1, -1), 2, 2);
            cache.restore();
            style.drawPrimitive(QStyle::PE_FrameLineEdit, &frame, &cache, &widget);
        }
        cache.save();
        cache.setClipRect(arrow.adjusted(0, 0, 1, 0));
        QRect button = local.rect;
        button.setLeft(leftToRight ? arrow.left() - 6 : arrow.right() + 6);
        if (!leftToRight)
            button = QRect(local.rect.topLeft(), QPoint(arrow.right() + 6, local.rect.bottom()));
        paintAsCached(cache, button, [&](QPainter &face) {
            QStyleOptionFrame panel = frame;
            panel.rect = QRect(QPoint(), button.size());
            style.drawPrimitive(QStyle::PE_PanelButtonCommand, &panel, &face, &widget);
        });
        cache.restore();
        cache.setPen(QPen(hasFocus ? combo.palette.highlight()
                                   : QBrush(fusionOutline(combo.palette).lighter(110)),
                          1));
        const int x = leftToRight ? arrow.left() : arrow.right() - (sunken ? 0 : 1);
        const int inset = sunken ? 2 : 1;
        cache.drawLine(QPoint(x, arrow.top() + inset), QPoint(x, arrow.bottom() - inset));
        if (combo.subControls & QStyle::SC_ComboBoxArrow) {
            QColor arrowColor = combo.palette.buttonText().color();
            arrowColor.setAlpha(160);
            paintFusionArrow(cache, arrow, arrowColor, widget.logicalDpiX());
        }
    });
}
} // namespace

DropDownCombo::DropDownCombo(QWidget *parent) : QComboBox(parent), m_edit(new LineEditWidget(this))
{
    setLineEdit(m_edit);
    m_edit->installEventFilter(this);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
}

QStyleOptionComboBox DropDownCombo::layoutOption() const
{
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.rect = QRect(QPoint(), layoutSize);
    option.fontMetrics = QFontMetrics(layoutFont);
    return option;
}

QRect DropDownCombo::editFieldPlace() const
{
    const QStyleOptionComboBox option = layoutOption();
    const QRect field =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
            .translated(layoutPosition);
    // Its edges are rounded where the layout has them, as the combo box's own are.
    const LayoutFit &fit = layoutFit(*this);
    const QPoint corner(fit.units(layoutPosition.x()), fit.units(layoutPosition.y()));
    const int left = fit.units(field.left());
    const int top = fit.units(field.top());
    return QRect(left - corner.x(), top - corner.y(),
                 fit.units(field.left() + field.width()) - left,
                 fit.units(field.top() + field.height()) - top);
}

// The toolkit places the edit field by the frame at the widget's own size, and places it again
// now and then (a new item chosen, a new font); at a fit other than 1 it goes back where the
// layout's frame has it.
void DropDownCombo::placeEditField()
{
    if (layoutFit(*this).factor == 1)
        return;
    const QStyleOptionComboBox option = layoutOption();
    m_edit->layoutSize =
        style()
            ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
            .size();
    m_edit->layoutFont = layoutFont;
    const QRect place = editFieldPlace();
    if (m_edit->geometry() != place)
        m_edit->setGeometry(place);
    else
        m_edit->update();
}

void DropDownCombo::layoutChanged()
{
    placeEditField();
}

void DropDownCombo::resizeEvent(QResizeEvent *event)
{
    QComboBox::resizeEvent(event);
    placeEditField();
}

void DropDownCombo::changeEvent(QEvent *event)
{
    QComboBox::changeEvent(event);
    placeEditField();
}

void DropDownCombo::showEvent(QShowEvent *event)
{
    QComboBox::showEvent(event);
    placeEditField();
}

bool DropDownCombo::eventFilter(QObject *watched, QEvent *event)
{
    const bool taken = QComboBox::eventFilter(watched, event);
    if (watched == m_edit && (event->type() == QEvent::Resize || event->type() == QEvent::Move) &&
        layoutFit(*this).factor != 1 && m_edit->geometry() != editFieldPlace())
        placeEditField();
    return taken;
}

// The toolkit's combo box paint: the frame with its arrow, then the current item's icon (the
// edit field shows the text).
void DropDownCombo::paintEvent(QPaintEvent *event)
{
    if (layoutFit(*this).factor == 1) {
        QComboBox::paintEvent(event);
        return;
    }
    paintAtFit(*this, event->rect(), colourBeneath(*this), [this](QPainter &painter) {
        const QStyleOptionComboBox option = layoutOption();
        painter.setPen(palette().color(QPalette::Text));
        painter.setBackground(palette().brush(backgroundRole()));
        painter.setFont(layoutFont);
        paintEditableComboFrame(painter, option, *this);
        style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, this);
    });
}

void DropDownCombo::mousePressEvent(QMouseEvent *event)
{
    const double factor = layoutFit(*this).factor;
    if (factor != 1 && event->button() == Qt::LeftButton) {
        const QStyleOptionComboBox option = layoutOption();
        const QPoint inLayout = (event->position() / factor).toPoint();
        if (style()->hitTestComplexControl(QStyle::CC_ComboBox, &option, inLayout, this) ==
            QStyle::SC_ComboBoxArrow) {
            showPopup();
            event->accept();
            return;
        }
    }
    QComboBox::mousePressEvent(event);
}
