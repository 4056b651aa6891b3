// What assistive tools read from a check box: Qt's own check box, with extents that follow the
// window's fit.
#pragma once

#include <QAccessibleWidget>

class CheckBoxWidget;

// Qt's own interface gives as a check box's extents the square and caption that the style
// places at the widget's own size. At a fit other than 1 the widget shows the layout's square
// and caption scaled (CheckBoxWidget), and a magnifier's focus tracking is to find them there:
// these are the extents here. Everything else is as Qt's own: the role, the name (the accessible
// name, else the caption), the checked state and the toggle action.
class CheckBoxAccessible : public QAccessibleWidget
{
public:
    explicit CheckBoxAccessible(CheckBoxWidget *box);

    QRect rect() const override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    CheckBoxWidget *box() const;
};

// An interface factory for QAccessible::installFactory: serves the window's check boxes.
QAccessibleInterface *checkBoxAccessible(const QString &className, QObject *object);
