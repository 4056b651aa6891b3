// A drop-down combo box whose edit field takes typing as well as the list's choices.
#pragma once

#include "platform/control.h"

#include <string>
#include <vector>

class Window;

// Typed text stays exactly as typed: no completion from the list's items, and Enter adds nothing
// to the list. The edit field and the list are one stop in the tab order.
class ComboBox : public Control
{
public:
    explicit ComboBox(Window &window);

    void addItems(const std::vector<std::u16string> &items);
    int count() const;
    std::u16string itemText(int index) const;
    // Puts the item's text into the edit field.
    void setCurrentIndex(int index);

    // The edit field's text.
    std::u16string text() const;
    void setText(const std::u16string &text);
};
