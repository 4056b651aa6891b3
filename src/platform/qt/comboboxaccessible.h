// What assistive tools read from a combo box: the name it was given, and its text as its value.
#pragma once

#include <QAccessibleWidget>

class QComboBox;

// On Linux, Qt's own interface names a combo box by its current text, so a screen reader would
// announce the speed box as "20" rather than by its caption. This one uses the accessible name
// when one is set, and the current text otherwise; the text stays the value either way. As in
// Qt's own, the list of choices comes first among the children, before the edit field.
class ComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit ComboBoxAccessible(QComboBox *comboBox);

    QString text(QAccessible::Text kind) const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    QComboBox *comboBox() const;
};

// An interface factory for QAccessible::installFactory: serves every combo box.
QAccessibleInterface *comboBoxAccessible(const QString &className, QObject *object);
