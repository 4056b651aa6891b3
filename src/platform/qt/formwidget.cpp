#include "platform/qt/formwidget.h"

#include <QCloseEvent>

void FormWidget::closeEvent(QCloseEvent *event)
{
    if (onClose)
        onClose();
    event->accept();
}
