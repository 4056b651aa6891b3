#include "platform/accessibledescription.h"

#include <QWidget>

void updateAccessibleDescription(QWidget &widget, const QString &description)
{
    if (widget.accessibleDescription() != description)
        widget.setAccessibleDescription(description);
}
