// A drop-down combo box whose edit field takes typing as well as the list's choices.
#pragma once

#include "platform/control.h"

#include <functional>
#include <string>
#include <vector>

class Window;

// An editable box takes typing as well as the list's choices; a list box only the list's choices.
enum class ComboStyle { Editable, List };

// Typed text stays exactly as typed: no completion from the list's items, and Enter adds nothing
// to the list. The edit field and the list are one stop in the tab order.
class ComboBox : public Control
{
public:
    // Backend: makes the combo box's native peer, of the style given.
    explicit ComboBox(Window &window, ComboStyle style = ComboStyle::Editable);
    ~ComboBox() override;

    ComboStyle style() const { return m_style; }

    void addItems(const std::vector<std::u16string> &items);
    int count() const { return int(m_items.size()); }
    // The item's text, or an empty text for an index outside the list.
    std::u16string itemText(int index) const;
    // Backend: puts the item's text into the edit field.
    void setCurrentIndex(int index);

    // Backend: the edit field's text, as the user left it.
    std::u16string text() const;
    // Backend: replaces the edit field's text; no change handler runs.
    void setText(const std::u16string &text);

    // Runs each time the user changes the text, by typing or by choosing from the list.
    void setOnChange(std::function<void()> onChange);
    // For the backend, as the user changes the text.
    void handleChange();

private:
    // Backend: appends the items just stored to the native list.
    void applyAddedItems(const std::vector<std::u16string> &items);

    const ComboStyle m_style;
    std::vector<std::u16string> m_items;
    std::function<void()> m_onChange;
};
