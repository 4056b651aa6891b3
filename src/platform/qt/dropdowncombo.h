// The combo box's widget: editable, with no completion and no item added by Enter.
#pragma once

#include <QComboBox>

// Editable from its creation, so that its edit field follows it directly in the focus chain and
// tab order treats the two as one control.
class DropDownCombo : public QComboBox
{
public:
    explicit DropDownCombo(QWidget *parent) : QComboBox(parent)
    {
        setEditable(true);
        setCompleter(nullptr);
        setInsertPolicy(QComboBox::NoInsert);
    }
};
