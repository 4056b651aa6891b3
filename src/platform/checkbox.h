// A check box whose value the program reads as 0 (unchecked) or 1 (checked).
#pragma once

#include "platform/clickablecontrol.h"

#include <string>

class Window;

class CheckBox : public ClickableControl
{
public:
    // Backend: makes the box's native peer.
    explicit CheckBox(Window &window);
    ~CheckBox() override;

    const std::u16string &caption() const { return m_caption; }
    void setCaption(const std::u16string &caption);
    // Backend: the value the box shows, which the user's clicks change too; 2 is the grayed
    // state, which only the program can set.
    int value() const;
    // Backend: sets the value without a click.
    void setValue(int value);

    // Toggles the box as the user's click does, then calls the click handler: a checked box
    // clears, an unchecked or grayed one checks. Nothing happens while it is disabled.
    void click();

private:
    // Backend: shows the caption just stored.
    void applyCaption();

    std::u16string m_caption;
};
