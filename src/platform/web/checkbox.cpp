#include "platform/checkbox.h"

#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"

CheckBox::CheckBox(Window &window)
    : ClickableControl(window, std::make_unique<Native>(ElementKind::CheckBox))
{
    EventRouter::instance().addClickable(elementOf(*this), *this);
}

int CheckBox::value() const
{
    return control_checked(elementOf(*this));
}

void CheckBox::setValue(int value)
{
    control_set_checked(elementOf(*this), value);
}
