// What every control with a window of its own has: a place, a font, a state and a name.
#pragma once

#include "platform/font.h"
#include "platform/geometry.h"

#include <memory>
#include <string>

// The native peer is the backend's: each window system defines Native and these members.
class Control
{
public:
    struct Native;

    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    Rect geometry() const;
    void setGeometry(const Rect &geometry);
    bool isEnabled() const;
    void setEnabled(bool enabled);
    Font font() const;
    void setFont(const Font &font);
    bool hasFocus() const;
    void setFocus();
    // What a screen reader calls the control.
    std::u16string accessibleName() const;
    void setAccessibleName(const std::u16string &name);

    Native &native() const { return *m_native; }

protected:
    explicit Control(std::unique_ptr<Native> native);

private:
    std::unique_ptr<Native> m_native;
};
