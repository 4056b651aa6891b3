#include "platform/checkbox.h"

#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

#include <QCheckBox>

CheckBox::CheckBox(Window &window)
    : Control(std::make_unique<Native>(new QCheckBox(parentWidget(window))))
{}

void CheckBox::setCaption(const std::u16string &caption)
{
    widgetOf<QCheckBox>(*this).setText(toQString(caption));
}

// 2 is the grayed state, which only the program could set.
int CheckBox::value() const
{
    switch (widgetOf<QCheckBox>(*this).checkState()) {
    case Qt::Unchecked:
        return 0;
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    }
    return 0;
}

void CheckBox::setValue(int value)
{
    widgetOf<QCheckBox>(*this).setCheckState(value == 0   ? Qt::Unchecked
                                             : value == 1 ? Qt::Checked
                                                          : Qt::PartiallyChecked);
}

void CheckBox::click()
{
    widgetOf<QCheckBox>(*this).click();
}

void CheckBox::setOnClick(std::function<void()> onClick)
{
    QObject::connect(&widgetOf<QCheckBox>(*this), &QCheckBox::clicked, std::move(onClick));
}
