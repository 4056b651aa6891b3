// A single-line edit field.
#pragma once

#include "platform/control.h"

#include <functional>
#include <string>

class Window;

class TextBox : public Control
{
public:
    // Backend: makes the edit field's native peer.
    explicit TextBox(Window &window);
    ~TextBox() override;

    // Backend: the field's text, as the user left it.
    std::u16string text() const;
    // Backend: replaces the field's text; no change handler runs.
    void setText(const std::u16string &text);

    // A read-only field keeps its place in the tab order, and its text can be selected and
    // copied, but not changed.
    bool isReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    // Runs each time the user changes the text: typing, deleting, pasting, cutting.
    void setOnChange(std::function<void()> onChange);
    // For the backend, as the user changes the text.
    void handleChange();

private:
    // Backend: shows the state just stored.
    void applyReadOnly();

    bool m_readOnly = false;
    std::function<void()> m_onChange;
};
