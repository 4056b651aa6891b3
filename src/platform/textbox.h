// A single-line edit field.
#pragma once

#include "platform/control.h"

#include <string>

class Window;

class TextBox : public Control
{
public:
    // Backend: makes the edit field's native peer.
    explicit TextBox(Window &window);

    // Backend: the field's text, as the user left it.
    std::u16string text() const;
    // Backend: replaces the field's text.
    void setText(const std::u16string &text);
};
