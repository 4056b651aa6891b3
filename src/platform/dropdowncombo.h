// A drop-down combo box whose edit field takes typing as well as the list's choices.
#pragma once

#include <QComboBox>

// Editable from its creation, so that its edit field follows it directly in the focus chain and
// tab order treats the two as one control. Typed text stays exactly as typed: no completion from
// the list's items, and Enter adds nothing to the list.
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
