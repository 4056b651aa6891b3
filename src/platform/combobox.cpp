#include "platform/combobox.h"

ComboBox::~ComboBox() = default;

void ComboBox::addItems(const std::vector<std::u16string> &items)
{
    for (const std::u16string &item : items)
        m_items.push_back(item);
    applyAddedItems(items);
}

std::u16string ComboBox::itemText(int index) const
{
    return index >= 0 && index < count() ? m_items[std::size_t(index)] : u"";
}

void ComboBox::setOnChange(std::function<void()> onChange)
{
    m_onChange = std::move(onChange);
}

void ComboBox::handleChange()
{
    if (m_onChange)
        m_onChange();
}
