// What a screen reader is to speak wherever the focus is, as notifications in a status bar.
#pragma once

#include "platform/shared/pendingnotification.h"

#include <QAccessibleInterface>
#include <QString>
#include <QWidget>
#include <string>

// Orca presents a notification when it is shown, whichever object has the focus, and names no
// role for one inside a status bar. Each message is a notification widget of its own, so that the
// text read for it is the one it was shown with however late the screen reader reads it. What is
// asked for in one go is shown as one notification: the announcements in order, then the changed
// surface descriptions, each surface's latest, that they do not already say. Two notifications
// in a row would have the second cut the first short.
class Announcer : public QWidget
{
public:
    explicit Announcer(QWidget *window);

    void announce(const std::u16string &text);
    void describeChange(const QWidget &surface, const std::u16string &description);

private:
    bool accepts(const std::u16string &text);
    void showNotification();

    PendingNotification m_pending;
};

// An interface factory for QAccessible::installFactory: the status bar and its notifications.
QAccessibleInterface *announcerAccessible(const QString &className, QObject *object);
