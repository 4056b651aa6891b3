#include "platform/label.h"

#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

#include "platform/qt/controlwidgets.h"

namespace {
void setColor(QWidget &widget, QPalette::ColorRole role, Color color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, toQColor(color));
    widget.setPalette(palette);
}
} // namespace

Label::Label(Window &window)
    : Control(window, std::make_unique<Native>(new LabelWidget(parentWidget(window))))
{}

void Label::applyText()
{
    widgetOf<QLabel>(*this).setText(toQString(m_text));
}

void Label::applyBackColor()
{
    setColor(widgetOf(*this), QPalette::Window, *m_backColor);
}

void Label::applyForeColor()
{
    setColor(widgetOf(*this), QPalette::WindowText, m_foreColor);
}
