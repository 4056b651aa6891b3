// The combo box's widget: editable, with no completion and no item added by Enter.
#pragma once

#include "platform/qt/controlwidgets.h"

#include <QComboBox>

class LineEditWidget;

// Editable from its creation, so that its edit field follows it directly in the focus chain and
// tab order treats the two as one control. At a fit other than 1 it paints its frame and arrow
// in the layout's pixels, keeps its edit field where the layout's frame has it, and opens its
// list from anywhere on the arrow the layout shows.
class DropDownCombo : public QComboBox, public LayoutLook
{
public:
    explicit DropDownCombo(QWidget *parent);

    void layoutChanged() override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStyleOptionComboBox layoutOption() const;
    // The edit field's place at the fit, in the combo box's pixels.
    QRect editFieldPlace() const;
    void placeEditField();

    LineEditWidget *m_edit;
};
