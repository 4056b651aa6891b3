#include "platform/qt/pendingnotification.h"

void PendingNotification::announce(const QString &text)
{
    m_announcements.append(text);
}

void PendingNotification::describe(const QWidget &surface, const QString &description)
{
    for (auto &[described, text] : m_descriptions)
        if (described == &surface) {
            text = description;
            return;
        }
    m_descriptions.emplace_back(&surface, description);
}

QStringList PendingNotification::take()
{
    QStringList texts = m_announcements;
    for (const auto &[surface, description] : m_descriptions)
        if (!texts.contains(description))
            texts.append(description);
    m_announcements.clear();
    m_descriptions.clear();
    return texts;
}
