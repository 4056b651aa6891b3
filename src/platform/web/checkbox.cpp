#include "platform/checkbox.h"

#include "platform/shared/checkboxclick.h"
#include "platform/web/natives.h"

CheckBox::CheckBox(Window &) : Control(std::make_unique<Native>(ElementKind::CheckBox)) {}

// The square alone shows, as on the desktop: the box is too narrow for its caption, and screen
// readers take the name the program gives.
void CheckBox::setCaption(const std::u16string &) {}

int CheckBox::value() const
{
    return control_checked(elementOf(*this));
}

void CheckBox::setValue(int value)
{
    control_set_checked(elementOf(*this), value);
}

void CheckBox::click()
{
    clickCheckBox(*this, native().onClick);
}

void CheckBox::setOnClick(std::function<void()> onClick)
{
    native().onClick = std::move(onClick);
}
