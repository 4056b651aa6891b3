#include "platform/commandbutton.h"

#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

#include <QPushButton>

CommandButton::CommandButton(Window &window)
    : Control(std::make_unique<Native>(new QPushButton(parentWidget(window))))
{}

std::u16string CommandButton::caption() const
{
    return fromQString(widgetOf<QPushButton>(*this).text());
}

void CommandButton::setCaption(const std::u16string &caption)
{
    widgetOf<QPushButton>(*this).setText(toQString(caption));
}

Color CommandButton::backColor() const
{
    return fromQColor(widgetOf(*this).palette().color(QPalette::Button));
}

// The face keeps its colour in the application's style, which paints from the palette.
void CommandButton::setBackColor(Color color)
{
    QWidget &button = widgetOf(*this);
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, toQColor(color));
    button.setPalette(palette);
}

void CommandButton::click()
{
    widgetOf<QPushButton>(*this).click();
}

void CommandButton::setOnClick(std::function<void()> onClick)
{
    QObject::connect(&widgetOf<QPushButton>(*this), &QPushButton::clicked, std::move(onClick));
}
