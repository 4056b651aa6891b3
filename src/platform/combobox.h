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
    // Backend: makes the combo box's native peer.
    explicit ComboBox(Window &window);
    ~ComboBox() override;

    void addItems(const std::vector<std::u16string> &items);
    int count() const { return int(m_items.size()); }
    // The item's text, or an empty text for an index outside the list.
    std::u16string itemText(int index) const;
    // Backend: puts the item's text into the edit field.
    void setCurrentIndex(int index);

    // Backend: the edit field's text, as the user left it.
    std::u16string text() const;
    // Backend: replaces the edit field's text.
    void setText(const std::u16string &text);

private:
    // Backend: appends the items just stored to the native list.
    void applyAddedItems(const std::vector<std::u16string> &items);

    std::vector<std::u16string> m_items;
};
