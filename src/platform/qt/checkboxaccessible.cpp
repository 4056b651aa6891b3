#include "platform/qt/checkboxaccessible.h"

#include "platform/qt/controlwidgets.h"

#include <QKeySequence>

namespace {
// The caption without its mnemonic marks: "&&" stands for "&".
QString withoutMnemonics(const QString &caption)
{
    QString text;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        text += caption[i];
    }
    return text;
}
} // namespace

CheckBoxAccessible::CheckBoxAccessible(CheckBoxWidget *box)
    : QAccessibleWidget(box, QAccessible::CheckBox)
{}

CheckBoxWidget *CheckBoxAccessible::box() const
{
    return static_cast<CheckBoxWidget *>(widget());
}

QRect CheckBoxAccessible::rect() const
{
    if (!box()->isVisible())
        return QRect();
    return box()->clickRect().translated(box()->mapToGlobal(QPoint(0, 0)));
}

QString CheckBoxAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Name) {
        const QString name = box()->accessibleName();
        return name.isEmpty() ? withoutMnemonics(box()->text()) : name;
    }
    return QAccessibleWidget::text(kind);
}

QAccessible::State CheckBoxAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = box()->checkState() == Qt::Checked;
    state.checkStateMixed = box()->checkState() == Qt::PartiallyChecked;
    if (box()->isDown())
        state.pressed = true;
    return state;
}

QStringList CheckBoxAccessible::actionNames() const
{
    QStringList names;
    if (box()->isEnabled())
        names << toggleAction();
    return names + QAccessibleWidget::actionNames();
}

void CheckBoxAccessible::doAction(const QString &actionName)
{
    if (!box()->isEnabled())
        return;
    if (actionName == toggleAction() || actionName == pressAction())
        box()->click();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList CheckBoxAccessible::keyBindingsForAction(const QString &actionName) const
{
    if (actionName == toggleAction() && !box()->shortcut().isEmpty())
        return {box()->shortcut().toString()};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

QAccessibleInterface *checkBoxAccessible(const QString &, QObject *object)
{
    if (auto *box = dynamic_cast<CheckBoxWidget *>(object))
        return new CheckBoxAccessible(box);
    return nullptr;
}
