// A push button with a caption and a face colour.
#pragma once

#include "platform/color.h"
#include "platform/control.h"

#include <functional>
#include <string>

class Window;

class CommandButton : public Control
{
public:
    explicit CommandButton(Window &window);

    std::u16string caption() const;
    void setCaption(const std::u16string &caption);
    Color backColor() const;
    void setBackColor(Color color);

    // Clicks the button as the user would: nothing happens while it is disabled.
    void click();
    void setOnClick(std::function<void()> onClick);
};
