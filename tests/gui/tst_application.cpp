// An error that escapes a handler is reported in a message box naming it, then ends the program.
#include "platform/application.h"
#include "runtime/int16.h"

#include <QMessageBox>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {
const char childSwitch[] = "--child";

// Runs in a child process: an overflow escapes a timer's handler. The message box it raises
// is read back and closed, as a user would.
int runChild(int argc, char **argv)
{
    Application application(argc, argv);
    QTimer::singleShot(0, [] { Int16(32767) + 1; });
    QTimer::singleShot(200, [] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        std::printf("%s\n", box->text().toUtf8().constData());
        std::fflush(stdout);
        box->accept();
    });
    return application.exec();
}
} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

private slots:
    void escapedErrorIsReportedAndEndsTheProgram();
};

void TestApplication::escapedErrorIsReportedAndEndsTheProgram()
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(childSwitch)});
    QVERIFY(child.waitForFinished(10000));
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() != 0, "an error must not look like a normal end");
    const QString shown = QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(shown.contains(QStringLiteral("'6'")) &&
                 shown.contains(QStringLiteral("オーバーフローしました。")),
             qPrintable(shown));
}

int main(int argc, char **argv)
{
    if (argc > 1 && qstrcmp(argv[1], childSwitch) == 0)
        return runChild(argc, argv);
    QApplication application(argc, argv);
    TestApplication test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
