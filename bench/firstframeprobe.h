// Reports when a window has been painted for the first time, and how much memory is resident.
#pragma once

#include <QObject>

class QWidget;

// On the window's first paint it waits for that round of painting to end, prints
// "first-frame <steady clock, ns> rss-kb <resident set> cpu-us <processor time>" on standard
// output and ends the event loop. The steady clock is the system-wide monotonic one, so the
// launcher can subtract the moment it started the program.
class FirstFrameProbe : public QObject
{
public:
    explicit FirstFrameProbe(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void report();

    bool m_painted = false;
};
