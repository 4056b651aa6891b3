#include "platform/qt/formwidget.h"

#include "platform/window.h"

#include <QCloseEvent>

void FormWidget::closeEvent(QCloseEvent *event)
{
    m_window.handleClose();
    event->accept();
}
