// The program's top-level window: caption, client area, colours, font, tab order and its events.
#pragma once

#include "platform/color.h"
#include "platform/font.h"
#include "platform/geometry.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Control;

// The keys the program binds; every other key is Key::Other.
enum class Key { PageDown, PageUp, F5, Escape, Other };

struct KeyPress
{
    Key key = Key::Other;
    // Shift, Ctrl, Alt or a system key held with it.
    bool withModifiers = false;
};

class Window
{
public:
    struct Native;

    Window();
    virtual ~Window();
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    std::u16string caption() const;
    void setCaption(const std::u16string &caption);
    Size clientSize() const;
    void setClientSize(Size size);
    Color backColor() const;
    void setBackColor(Color color);
    // The font of every control that is given none of its own.
    void setFont(const Font &font);
    // Tab moves through the controls in this order, Shift+Tab back.
    void setTabOrder(const std::vector<Control *> &order);
    // The control of the tab order that has the focus, or nullptr.
    Control *focusedControl() const;
    void show();

    // Sees every key pressed in the window before the focused control does; returning true
    // keeps the key from the control.
    void setKeyPreview(std::function<bool(const KeyPress &)> preview);
    // Called when the user closes the window by its frame or the system's close key.
    void setOnClose(std::function<void()> onClose);

    // Has a screen reader speak the text once, politely, wherever the focus is.
    void announce(const std::u16string &text);

    Native &native() const { return *m_native; }

private:
    // The backend's half of setTabOrder: the window system's own order of the controls.
    void applyTabOrder(const std::vector<Control *> &order);

    std::unique_ptr<Native> m_native;
    std::vector<Control *> m_tabOrder;
};
