#include "platform/commandbutton.h"

#include "platform/qt/natives.h"
#include "platform/qt/qtext.h"

#include "platform/qt/controlwidgets.h"

CommandButton::CommandButton(Window &window)
    : ClickableControl(window, std::make_unique<Native>(new ButtonWidget(parentWidget(window))))
{
    QObject::connect(&widgetOf<QPushButton>(*this), &QPushButton::clicked,
                     [this] { handleClick(); });
}

void CommandButton::applyCaption()
{
    widgetOf<QPushButton>(*this).setText(toQString(m_caption));
}

// The face keeps its colour in the application's style, which paints from the palette.
void CommandButton::applyBackColor()
{
    QWidget &button = widgetOf(*this);
    QPalette palette = button.palette();
    palette.setColor(QPalette::Button, toQColor(*m_backColor));
    button.setPalette(palette);
}
