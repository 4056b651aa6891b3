// What the screen reader is told in one notification, and how it finds the notifications.
#include "platform/qt/announcer.h"

#include <QAccessible>
#include <QTest>

#include <array>

namespace {
// Surface 0 stands for an announcement; 1 and 2 for the blackboard and the graph paper.
using Steps = QList<std::pair<int, QString>>;

const QString atOne = QStringLiteral("点Ｐ：Ｂから1cm");
const QString atTwo = QStringLiteral("点Ｐ：Ｂから2cm");
const QString graph = QStringLiteral("グラフ：x = 0〜1");
} // namespace

class TestAnnouncer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void oneNotification_data();
    void oneNotification();
    void silentWithoutListener();
    void rolesForTheScreenReader();
};

void TestAnnouncer::initTestCase()
{
    QAccessible::installFactory(announcerAccessible);
}

void TestAnnouncer::oneNotification_data()
{
    QTest::addColumn<Steps>("steps");
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("nothing") << Steps{} << QStringList{};
    QTest::newRow("announcements in order, repeats kept")
        << Steps{{0, atOne}, {0, atTwo}, {0, atOne}} << QStringList{atOne, atTwo, atOne};
    QTest::newRow("a surface's latest description")
        << Steps{{2, graph}, {2, QStringLiteral("グラフ：x = 0〜2")}}
        << QStringList{QStringLiteral("グラフ：x = 0〜2")};
    QTest::newRow("descriptions after the announcements, surfaces in the order they changed")
        << Steps{{2, graph}, {0, atOne}, {1, atTwo}} << QStringList{atOne, graph, atTwo};
    QTest::newRow("a step: the description the announcement says")
        << Steps{{1, atOne}, {0, atOne}, {2, graph}} << QStringList{atOne, graph};
    QTest::newRow("two steps in one go")
        << Steps{{1, atOne}, {0, atOne}, {1, atTwo}, {0, atTwo}} << QStringList{atOne, atTwo};
    QTest::newRow("a description said before, then replaced")
        << Steps{{1, atOne}, {0, atOne}, {1, atTwo}} << QStringList{atOne, atTwo};
    QTest::newRow("the same text on two surfaces")
        << Steps{{1, graph}, {2, graph}} << QStringList{graph};
}

// A notification taken leaves nothing behind to be said again or to hold back the next one.
void TestAnnouncer::oneNotification()
{
    QFETCH(Steps, steps);
    QFETCH(QStringList, texts);

    const std::array<QWidget, 3> surfaces;
    PendingNotification pending;
    for (const auto &[surface, text] : steps) {
        if (surface == 0)
            pending.announce(text.toStdU16String());
        else
            pending.describe(&surfaces[std::size_t(surface)], text.toStdU16String());
    }
    QCOMPARE(pending.isEmpty(), steps.isEmpty());
    const std::vector<std::u16string> taken = pending.take();
    QStringList takenTexts;
    for (const std::u16string &text : taken)
        takenTexts.append(QString::fromStdU16String(text));
    QCOMPARE(takenTexts, texts);
    // As one text, for the screen readers of the other window systems.
    QCOMPARE(QString::fromStdU16String(PendingNotification::joined(taken)), texts.join(u'。'));
    QVERIFY(pending.isEmpty());
    pending.describe(&surfaces[1], atOne.toStdU16String());
    QCOMPARE(pending.take(), std::vector<std::u16string>{atOne.toStdU16String()});
}

// Without an assistive tool listening, as here, nothing is queued and no notification made.
void TestAnnouncer::silentWithoutListener()
{
    if (QAccessible::isActive())
        QSKIP("an assistive tool is listening");
    QWidget window;
    Announcer announcer(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    announcer.announce(atOne.toStdU16String());
    announcer.describeChange(window, graph.toStdU16String());
    QTest::qWait(10);
    QVERIFY(announcer.findChildren<QWidget *>().isEmpty());
}

// The screen reader finds a status bar whose direct children are notifications, and only those.
void TestAnnouncer::rolesForTheScreenReader()
{
    QWidget window;
    Announcer announcer(&window);
    auto *notification = new QWidget(&announcer);
    notification->setAccessibleName(atOne);
    QWidget inside(notification);

    const auto roleOf = [](QObject *object) {
        return QAccessible::queryAccessibleInterface(object)->role();
    };
    QCOMPARE(roleOf(&announcer), QAccessible::StatusBar);
    QCOMPARE(roleOf(notification), QAccessible::Notification);
    QCOMPARE(QAccessible::queryAccessibleInterface(notification)->text(QAccessible::Name), atOne);
    QVERIFY(roleOf(&window) != QAccessible::StatusBar);
    QVERIFY(roleOf(&inside) != QAccessible::Notification);
}

QTEST_MAIN(TestAnnouncer)
#include "tst_announcer.moc"
