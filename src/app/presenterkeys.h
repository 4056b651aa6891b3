// Keys that press the window's buttons wherever the focus is in the window.
#pragma once

#include <QAbstractButton>
#include <QObject>
#include <vector>

class QKeyEvent;

// Sees every key press of the application before any control does, so that a bound key works
// even where the focused control has a use of its own for it (the speed box would change the
// speed on Page Up and Page Down). A key acts as a click does: only while its button is enabled.
// Keys pressed in other windows, such as an open drop-down list, are left alone.
class PresenterKeys : public QObject
{
public:
    struct Binding
    {
        Qt::Key key;
        QAbstractButton *button;
    };

    PresenterKeys(const QWidget &window, std::vector<Binding> bindings);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool isInWindow(const QObject *watched) const;
    QAbstractButton *buttonFor(const QKeyEvent &event) const;

    const QWidget &m_window;
    const std::vector<Binding> m_bindings;
};
