#include "platform/qt/announcer.h"

#include "platform/qt/qtext.h"

#include <QAccessible>
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

void Announcer::announce(const std::u16string &text)
{
    if (accepts(text))
        m_pending.announce(text);
}

void Announcer::describeChange(const QWidget &surface, const std::u16string &description)
{
    if (accepts(description))
        m_pending.describe(&surface, description);
}

// Nothing is said before the window is shown: the screen reader reads the window then. Without
// an assistive tool listening, no notification is made at all.
bool Announcer::accepts(const std::u16string &text)
{
    if (!QAccessible::isActive() || !window()->isVisible() || text.empty())
        return false;
    if (m_pending.isEmpty())
        QTimer::singleShot(0, this, &Announcer::showNotification);
    return true;
}

void Announcer::showNotification()
{
    QStringList texts;
    for (const std::u16string &text : m_pending.take())
        texts.append(toQString(text));
    for (QWidget *earlier : findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        earlier->hide();
    auto *notification = new QWidget(this);
    notification->setAccessibleName(texts.takeFirst());
    notification->setAccessibleDescription(texts.join(u'。'));
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
