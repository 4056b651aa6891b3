// What the announcer's next notification is to say, gathered until it is shown.
#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <utility>
#include <vector>

// The announcements in the order they were made, then each changed surface's latest
// description, once, unless an announcement already says it.
class PendingNotification
{
public:
    bool isEmpty() const { return m_announcements.isEmpty() && m_descriptions.empty(); }

    void announce(const QString &text);
    void describe(const QWidget &surface, const QString &description);

    // The texts in the order they are to be read; nothing is pending afterwards.
    QStringList take();

private:
    QStringList m_announcements;
    std::vector<std::pair<const QWidget *, QString>> m_descriptions;
};
