// A check box whose value the program reads as 0 (unchecked) or 1 (checked).
#pragma once

#include "platform/control.h"

#include <functional>
#include <string>

class Window;

class CheckBox : public Control
{
public:
    explicit CheckBox(Window &window);

    void setCaption(const std::u16string &caption);
    int value() const;
    // Sets the value without a click.
    void setValue(int value);

    // Toggles the box as the user's click does, then calls the click handler; nothing happens
    // while it is disabled.
    void click();
    void setOnClick(std::function<void()> onClick);
};
