// A caption label: one line of text on a background of its own.
#pragma once

#include "platform/color.h"
#include "platform/control.h"

#include <string>

class Window;

class Label : public Control
{
public:
    explicit Label(Window &window);

    std::u16string text() const;
    void setText(const std::u16string &text);
    void setBackColor(Color color);
    void setForeColor(Color color);
};
