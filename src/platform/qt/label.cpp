#include "platform/label.h"

#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

#include <QLabel>

namespace {
void setColor(QWidget &widget, QPalette::ColorRole role, Color color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, toQColor(color));
    widget.setPalette(palette);
}
} // namespace

Label::Label(Window &window) : Control(std::make_unique<Native>(new QLabel(parentWidget(window))))
{
    QLabel &label = widgetOf<QLabel>(*this);
    label.setMargin(0);
    label.setAutoFillBackground(true);
}

std::u16string Label::text() const
{
    return fromQString(widgetOf<QLabel>(*this).text());
}

void Label::setText(const std::u16string &text)
{
    widgetOf<QLabel>(*this).setText(toQString(text));
}

void Label::setBackColor(Color color)
{
    setColor(widgetOf(*this), QPalette::Window, color);
}

void Label::setForeColor(Color color)
{
    setColor(widgetOf(*this), QPalette::WindowText, color);
}
