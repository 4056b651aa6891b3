// A single-line edit field.
#pragma once

#include "platform/control.h"

#include <string>

class Window;

class TextBox : public Control
{
public:
    explicit TextBox(Window &window);

    std::u16string text() const;
    void setText(const std::u16string &text);
};
