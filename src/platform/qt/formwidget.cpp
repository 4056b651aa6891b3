#include "platform/qt/formwidget.h"

#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"
#include "platform/window.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QResizeEvent>

const LayoutFit &FormWidget::fit() const
{
    return m_window.fit();
}

void FormWidget::toggleFullScreen()
{
    setWindowState(windowState() ^ Qt::WindowFullScreen);
}

void FormWidget::closeEvent(QCloseEvent *event)
{
    m_window.handleClose();
    event->accept();
}

void FormWidget::contextMenuEvent(QContextMenuEvent *event)
{
    const std::vector<MenuItem> &items = m_window.contextMenu();
    if (items.empty()) {
        event->ignore();
        return;
    }
    QMenu menu(this);
    for (const MenuItem &item : items)
        menu.addAction(toQString(item.text));
    const QAction *const chosen = menu.exec(event->globalPos());
    if (chosen != nullptr)
        m_window.handleMenuChoice(int(menu.actions().indexOf(chosen)));
}

void FormWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_window.refit({event->size().width(), event->size().height()}, 1);
    followDevicePixelRatio();
}

FormWidget::FormWidget(Window &window) : m_window(window), m_devicePixelRatio(devicePixelRatioF())
{}

// The check before a repaint (UpdateRequest) catches a change of ratio that comes without a
// change of screen.
bool FormWidget::event(QEvent *event)
{
    if (event->type() == QEvent::UpdateRequest)
        followDevicePixelRatio();
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::ScreenChangeInternal)
        followDevicePixelRatio();
    return handled;
}

void FormWidget::followDevicePixelRatio()
{
    const qreal ratio = devicePixelRatioF();
    if (ratio == m_devicePixelRatio)
        return;
    m_devicePixelRatio = ratio;
    m_window.native().showControlsAtFit();
}
