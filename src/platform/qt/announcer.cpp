#include "platform/qt/announcer.h"

#include <QAccessibleWidget>
#include <QTimer>

namespace {
// Long enough for a busy screen reader to read a notification, short enough that a long lesson
// does not pile them up.
constexpr int notificationLifetime = 10000;
} // namespace

Announcer::Announcer(QWidget *window) : QWidget(window)
{
    setGeometry(0, 0, 1, 1);
}

void Announcer::announce(const QString &text)
{
    queue(m_announcements, text);
}

void Announcer::describeChange(const QString &description)
{
    queue(m_descriptions, description);
}

// Nothing is said before the window is shown: the screen reader reads the window then.
void Announcer::queue(QStringList &list, const QString &text)
{
    if (!window()->isVisible() || text.isEmpty())
        return;
    if (m_announcements.isEmpty() && m_descriptions.isEmpty())
        QTimer::singleShot(0, this, &Announcer::showNotification);
    list.append(text);
}

void Announcer::showNotification()
{
    QStringList texts;
    for (const QString &text : m_announcements + m_descriptions)
        if (!texts.contains(text))
            texts.append(text);
    m_announcements.clear();
    m_descriptions.clear();
    for (QWidget *earlier : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        earlier->hide();
    auto *notification = new QWidget(this);
    notification->setAccessibleName(texts.takeFirst());
    notification->setAccessibleDescription(texts.join(QStringLiteral("\n")));
    notification->setGeometry(rect());
    notification->show();
    QTimer::singleShot(notificationLifetime, notification, &QObject::deleteLater);
}

QAccessibleInterface *announcerAccessible(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (dynamic_cast<Announcer *>(widget))
        return new QAccessibleWidget(widget, QAccessible::StatusBar);
    if (widget && dynamic_cast<Announcer *>(widget->parentWidget()))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    return nullptr;
}
