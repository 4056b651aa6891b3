// A push button with a caption and a face colour.
#pragma once

#include "platform/clickablecontrol.h"
#include "platform/color.h"

#include <optional>
#include <string>

class Window;

class CommandButton : public ClickableControl
{
public:
    // Backend: makes the button's native peer.
    explicit CommandButton(Window &window);
    ~CommandButton() override;

    const std::u16string &caption() const { return m_caption; }
    void setCaption(const std::u16string &caption);
    // The face colour the program gave, or none for the system's own face.
    std::optional<Color> backColor() const { return m_backColor; }
    void setBackColor(Color color)
    {
        m_backColor = color;
        applyBackColor();
    }

    // Clicks the button as the user would: nothing happens while it is disabled.
    void click() { handleClick(); }

private:
    // Backend: each shows the state just stored.
    void applyCaption();
    void applyBackColor();

    std::u16string m_caption;
    std::optional<Color> m_backColor;
};
