// What every control with a window of its own has: a place, a font, a state and a name.
#pragma once

#include "platform/font.h"
#include "platform/geometry.h"

#include <memory>
#include <optional>
#include <string>

class Window;

// The state the program sets and reads back is kept here, once for every window system. Each
// backend defines Native, the native peer's handles, and the members marked "Backend:", which
// show a change on the peer when the shared setter has stored it.
class Control
{
public:
    struct Native;

    // Backend: destroys the native peer.
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    Rect geometry() const { return m_geometry; }
    void setGeometry(const Rect &geometry);
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    // The control's own font, or the window's while it has none.
    Font font() const;
    void setFont(const Font &font);
    // What a screen reader calls the control.
    const std::u16string &accessibleName() const { return m_accessibleName; }
    void setAccessibleName(const std::u16string &name);

    // Backend: whether the keyboard focus is in the control (or in a part of it).
    bool hasFocus() const;
    // Backend: gives the control the keyboard focus.
    void setFocus();

    Native &native() const { return *m_native; }

    // For the backend, as the window's fit to its client area changes: shows the control in its
    // place and font at the new fit.
    virtual void showAtFit();

protected:
    // Backend: links the native peer, made by the derived control's constructor, to the control
    // wherever the window system's events need to find it.
    Control(Window &window, std::unique_ptr<Native> native);

    const Window &window() const { return m_window; }

private:
    // Backend: each shows the state just stored on the native peer.
    void applyGeometry();
    void applyEnabled();
    void applyFont();
    void applyAccessibleName();

    const Window &m_window;
    std::unique_ptr<Native> m_native;
    Rect m_geometry;
    bool m_enabled = true;
    std::optional<Font> m_font;
    std::u16string m_accessibleName;
};
