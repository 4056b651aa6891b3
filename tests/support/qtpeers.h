// The Qt widgets and values behind the platform's controls, as the tests read and drive them.
#pragma once

#include "platform/color.h"
#include "platform/control.h"
#include "platform/picturebox.h"
#include "platform/qt/fonts.h"
#include "platform/qt/nativewidget.h"
#include "platform/qt/qtext.h"
#include "platform/window.h"

#include <QCheckBox>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <string>

// The control's widget as the given Qt class: QPushButton, QCheckBox, QLineEdit, QComboBox,
// QLabel, or QWidget for a surface.
template <typename Widget = QWidget> Widget &widget(const Control &control)
{
    return static_cast<Widget &>(nativeWidget(control));
}

inline QWidget &widget(const Window &window)
{
    return nativeWidget(window);
}

inline QString qs(const std::u16string &text)
{
    return toQString(text);
}

inline std::u16string u16(const QString &text)
{
    return fromQString(text);
}

inline QColor qc(Color color)
{
    return toQColor(color);
}

// The colour a surface has drawn at a point of its drawing area.
inline QColor drawnAt(const PictureBox &surface, int x, int y)
{
    return qc(surface.point({x, y}));
}

inline QColor drawnAt(const PictureBox &surface, const QPoint &point)
{
    return drawnAt(surface, point.x(), point.y());
}
