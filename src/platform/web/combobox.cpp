#include "platform/combobox.h"

#include "platform/web/natives.h"
#include "platform/web/text.h"

ComboBox::ComboBox(Window &) : Control(std::make_unique<Native>(ElementKind::ComboBox)) {}

void ComboBox::addItems(const std::vector<std::u16string> &items)
{
    for (const std::u16string &item : items) {
        native().items.push_back(item);
        combo_add_item(elementOf(*this), item.data(), length(item));
    }
}

int ComboBox::count() const
{
    return int(native().items.size());
}

std::u16string ComboBox::itemText(int index) const
{
    const auto &items = native().items;
    return index >= 0 && index < int(items.size()) ? items[std::size_t(index)] : u"";
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
