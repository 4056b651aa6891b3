// A control the user clicks, a command button or a check box, and its click handler.
#pragma once

#include "platform/control.h"

#include <functional>

// The handler is kept here, once for every window system; the backend calls handleClick when the
// window system reports a click.
class ClickableControl : public Control
{
public:
    ~ClickableControl() override;

    void setOnClick(std::function<void()> onClick);

    // Runs the handler for a click the window system has carried out (a check box has toggled
    // itself already). A disabled control ignores it, as a click that waited in a queue while a
    // handler disabled the control.
    void handleClick();

protected:
    using Control::Control;

private:
    std::function<void()> m_onClick;
};
