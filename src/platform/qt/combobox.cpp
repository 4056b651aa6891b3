#include "platform/combobox.h"

#include "platform/qt/dropdowncombo.h"
#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

ComboBox::ComboBox(Window &window)
    : Control(window, std::make_unique<Native>(new DropDownCombo(parentWidget(window))))
{}

void ComboBox::applyAddedItems(const std::vector<std::u16string> &items)
{
    for (const std::u16string &item : items)
        widgetOf<QComboBox>(*this).addItem(toQString(item));
}

void ComboBox::setCurrentIndex(int index)
{
    widgetOf<QComboBox>(*this).setCurrentIndex(index);
}

std::u16string ComboBox::text() const
{
    return fromQString(widgetOf<QComboBox>(*this).currentText());
}

void ComboBox::setText(const std::u16string &text)
{
    widgetOf<QComboBox>(*this).setEditText(toQString(text));
}
