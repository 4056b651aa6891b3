#include "platform/combobox.h"

#include "platform/web/natives.h"
#include "platform/web/text.h"

ComboBox::ComboBox(Window &window)
    : Control(window, std::make_unique<Native>(ElementKind::ComboBox))
{}

void ComboBox::applyAddedItems(const std::vector<std::u16string> &items)
{
    for (const std::u16string &item : items)
        combo_add_item(elementOf(*this), item.data(), length(item));
}

void ComboBox::setCurrentIndex(int index)
{
    combo_set_current(elementOf(*this), index);
}

std::u16string ComboBox::text() const
{
    return elementText(elementOf(*this));
}

void ComboBox::setText(const std::u16string &text)
{
    control_set_text(elementOf(*this), text.data(), length(text));
}
