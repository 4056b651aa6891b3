#include "platform/checkbox.h"

#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

#include "platform/qt/controlwidgets.h"

CheckBox::CheckBox(Window &window)
    : ClickableControl(window, std::make_unique<Native>(new CheckBoxWidget(parentWidget(window))))
{
    QObject::connect(&widgetOf<QCheckBox>(*this), &QCheckBox::clicked, [this] { handleClick(); });
}

void CheckBox::applyCaption()
{
    widgetOf<QCheckBox>(*this).setText(toQString(m_caption));
}

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
