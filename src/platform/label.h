// A caption label: one line of text on a background of its own.
#pragma once

#include "platform/color.h"
#include "platform/control.h"

#include <optional>
#include <string>

class Window;

class Label : public Control
{
public:
    // Backend: makes the label's native peer.
    explicit Label(Window &window);
    ~Label() override;

    const std::u16string &text() const { return m_text; }
    void setText(const std::u16string &text);
    // The background the program gave, or none for the window's.
    std::optional<Color> backColor() const { return m_backColor; }
    void setBackColor(Color color)
    {
        m_backColor = color;
        applyBackColor();
    }
    Color foreColor() const { return m_foreColor; }
    void setForeColor(Color color)
    {
        m_foreColor = color;
        applyForeColor();
    }

private:
    // Backend: each shows the state just stored.
    void applyText();
    void applyBackColor();
    void applyForeColor();

    std::u16string m_text;
    std::optional<Color> m_backColor;
    Color m_foreColor{0, 0, 0};
};
