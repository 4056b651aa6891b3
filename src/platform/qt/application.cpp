#include "platform/application.h"

#include "platform/qt/announcer.h"
#include "platform/qt/checkboxaccessible.h"
#include "platform/qt/comboboxaccessible.h"
#include "platform/qt/fonts.h"
#include "platform/qt/qtext.h"
#include "res/programicon.h"
#include "res/version.h"
#include "runtime/runtimeerror.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QStyleFactory>
#include <cstdio>
#include <cstdlib>

namespace {
[[noreturn]] void reportAndEnd(const QString &message)
{
    QMessageBox::critical(nullptr, QApplication::applicationName(), message);
    endProgram(EXIT_FAILURE);
}
} // namespace

// No procedure of the program handles errors: whatever escapes a handler ends the program here,
// after a message box that names it, rather than unwinding through the toolkit.
class ReportingApplication : public QApplication
{
public:
    using QApplication::QApplication;

    bool notify(QObject *receiver, QEvent *event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception &error) {
            reportAndEnd(toQString(errorReport(error)));
        }
    }
};

struct Application::Native
{
    Native(int &argc, char **argv) : application(argc, argv) {}

    ReportingApplication application;
};

Application::Application(int &argc, char **argv) : m_native(std::make_unique<Native>(argc, argv))
{
    QApplication &application = m_native->application;
    application.setApplicationName(QStringLiteral("tavilo"));
    application.setApplicationVersion(QString::fromLatin1(versionText));
    application.setOrganizationName(QStringLiteral("Oskavel"));
    application.setWindowIcon(programIcon());
    // Button faces keep the colours of the layout only in a style that paints from the palette.
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setFont(qtFont(defaultUiFont()));
    QAccessible::installFactory(comboBoxAccessible);
    QAccessible::installFactory(checkBoxAccessible);
    QAccessible::installFactory(announcerAccessible);
}

Application::~Application() = default;

int Application::exec()
{
    return QApplication::exec();
}

void endProgram(int exitCode)
{
    std::fflush(nullptr);
    std::exit(exitCode);
}
