// The members every control has, on its widget.
#include "platform/control.h"

#include "platform/qt/fonts.h"
#include "platform/qt/natives.h"
#include "platform/qt/nativewidget.h"
#include "platform/qt/qtext.h"

Control::Control(Window &window, std::unique_ptr<Native> native)
    : m_window(window), m_native(std::move(native))
{}

Control::~Control() = default;

void Control::applyGeometry()
{
    m_native->widget->setGeometry(toQRect(m_geometry));
}

void Control::applyEnabled()
{
    m_native->widget->setEnabled(m_enabled);
}

void Control::applyFont()
{
    m_native->widget->setFont(qtFont(font()));
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
