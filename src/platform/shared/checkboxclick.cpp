#include "platform/shared/checkboxclick.h"

#include "platform/checkbox.h"

void clickCheckBox(CheckBox &box, const std::function<void()> &onClick)
{
    if (!box.isEnabled())
        return;
    box.setValue(box.value() == 1 ? 0 : 1);
    if (onClick)
        onClick();
}
