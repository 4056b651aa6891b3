#include "platform/qt/comboboxaccessible.h"

#include <QAbstractItemView>
#include <QComboBox>

ComboBoxAccessible::ComboBoxAccessible(QComboBox *comboBox)
    : QAccessibleWidget(comboBox, QAccessible::ComboBox)
{}

QString ComboBoxAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return comboBox()->currentText();
    if (kind == QAccessible::Name && comboBox()->accessibleName().isEmpty())
        return comboBox()->currentText();
    return QAccessibleWidget::text(kind);
}

int ComboBoxAccessible::childCount() const
{
    return 1 + QAccessibleWidget::childCount();
}

QAccessibleInterface *ComboBoxAccessible::child(int index) const
{
    if (index == 0)
        return QAccessible::queryAccessibleInterface(comboBox()->view());
    return QAccessibleWidget::child(index - 1);
}

int ComboBoxAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    if (child && child->object() == comboBox()->view())
        return 0;
    const int index = QAccessibleWidget::indexOfChild(child);
    return index < 0 ? index : index + 1;
}

// Opening the list, as Qt's own interface offers it.
QStringList ComboBoxAccessible::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void ComboBoxAccessible::doAction(const QString &actionName)
{
    if (actionName == showMenuAction() || actionName == pressAction())
        comboBox()->showPopup();
    else
        QAccessibleWidget::doAction(actionName);
}

QComboBox *ComboBoxAccessible::comboBox() const
{
    return static_cast<QComboBox *>(widget());
}

QAccessibleInterface *comboBoxAccessible(const QString &, QObject *object)
{
    if (auto *comboBox = qobject_cast<QComboBox *>(object))
        return new ComboBoxAccessible(comboBox);
    return nullptr;
}
