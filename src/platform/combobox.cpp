#include "platform/combobox.h"

void ComboBox::addItems(const std::vector<std::u16string> &items)
{
    m_items.insert(m_items.end(), items.begin(), items.end());
    applyAddedItems(items);
}

std::u16string ComboBox::itemText(int index) const
{
    return index >= 0 && index < count() ? m_items[std::size_t(index)] : u"";
}
