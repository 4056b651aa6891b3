#include "platform/combobox.h"

#include "platform/web/eventrouter.h"
#include "platform/web/natives.h"
#include "platform/web/text.h"

ComboBox::ComboBox(Window &window, ComboStyle style)
    : Control(window, std::make_unique<Native>(ElementKind::ComboBox)), m_style(style)
{
    if (style == ComboStyle::List)
        combo_set_list_only(elementOf(*this));
    EventRouter::instance().addChangeable(elementOf(*this), [this] { handleChange(); });
}

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
