// The members every control has, on its widget.
#include "platform/control.h"

#include "platform/qt/controlwidgets.h"
#include "platform/qt/fonts.h"
#include "platform/qt/natives.h"
#include "platform/qt/nativewidget.h"
#include "platform/qt/qtext.h"

Control::Control(Window &window, std::unique_ptr<Native> native)
    : m_window(window), m_native(std::move(native))
{
    window.native().controls.push_back(this);
}

Control::~Control()
{
    std::erase(m_window.native().controls, this);
}

// The widget takes its place at the window's fit; its look keeps the layout's.
void Control::applyGeometry()
{
    QWidget &widget = *m_native->widget;
    auto *const look = dynamic_cast<LayoutLook *>(&widget);
    if (look != nullptr) {
        look->layoutPosition = QPoint(m_geometry.left, m_geometry.top);
        look->layoutSize = QSize(m_geometry.width, m_geometry.height);
    }
    widget.setGeometry(toQRect(m_window.fit().place(m_geometry)));
    if (look != nullptr)
        look->layoutChanged();
}

void Control::applyEnabled()
{
    m_native->widget->setEnabled(m_enabled);
}

void Control::applyFont()
{
    QWidget &widget = *m_native->widget;
    if (auto *const look = dynamic_cast<LayoutLook *>(&widget))
        look->layoutFont = qtFont(font());
    widget.setFont(qtFont(font(), m_window.fit().scale));
}

bool Control::hasFocus() const
{
    return m_native->widget->hasFocus();
}

void Control::setFocus()
{
    m_native->widget->setFocus();
}

void Control::applyAccessibleName()
{
    m_native->widget->setAccessibleName(toQString(m_accessibleName));
}

QWidget &nativeWidget(const Control &control)
{
    return *control.native().widget;
}
