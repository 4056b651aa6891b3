// The members every control has, on its widget.
#include "platform/control.h"

#include "platform/qt/fonts.h"
#include "platform/qt/natives.h"
#include "platform/qt/nativewidget.h"
#include "platform/qt/qtext.h"

Control::Control(std::unique_ptr<Native> native) : m_native(std::move(native)) {}

Control::~Control() = default;

Rect Control::geometry() const
{
    const QRect rect = m_native->widget->geometry();
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

void Control::setGeometry(const Rect &geometry)
{
    m_native->widget->setGeometry(toQRect(geometry));
}

bool Control::isEnabled() const
{
    return m_native->widget->isEnabled();
}

void Control::setEnabled(bool enabled)
{
    m_native->widget->setEnabled(enabled);
}

Font Control::font() const
{
    return m_native->font;
}

void Control::setFont(const Font &font)
{
    m_native->font = font;
    m_native->widget->setFont(qtFont(font));
}

bool Control::hasFocus() const
{
    return m_native->widget->hasFocus();
}

void Control::setFocus()
{
    m_native->widget->setFocus();
}

std::u16string Control::accessibleName() const
{
    return fromQString(m_native->widget->accessibleName());
}

void Control::setAccessibleName(const std::u16string &name)
{
    m_native->widget->setAccessibleName(toQString(name));
}

QWidget &nativeWidget(const Control &control)
{
    return *control.native().widget;
}
