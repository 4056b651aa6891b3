#include "platform/combobox.h"

#include "platform/qt/dropdowncombo.h"
#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

#include <QLineEdit>

namespace {
QComboBox *makeCombo(ComboStyle style, QWidget *parent)
{
    if (style == ComboStyle::Editable)
        return new DropDownCombo(parent);
    return new QComboBox(parent);
}
} // namespace

// A choice from the list is a change in either style; in an editable box so is every edit,
// which textEdited reports without the program's own setText.
ComboBox::ComboBox(Window &window, ComboStyle style)
    : Control(window, std::make_unique<Native>(makeCombo(style, parentWidget(window)))),
      m_style(style)
{
    auto &combo = widgetOf<QComboBox>(*this);
    QObject::connect(&combo, &QComboBox::activated, [this] { handleChange(); });
    if (combo.lineEdit() != nullptr)
        QObject::connect(combo.lineEdit(), &QLineEdit::textEdited, [this] { handleChange(); });
}

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

// A list-only box shows the item of that text, if it has one.
void ComboBox::setText(const std::u16string &text)
{
    auto &combo = widgetOf<QComboBox>(*this);
    if (m_style == ComboStyle::Editable)
        combo.setEditText(toQString(text));
    else
        combo.setCurrentIndex(combo.findText(toQString(text)));
}
