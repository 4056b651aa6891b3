#include "platform/application.h"

#include "platform/comboboxaccessible.h"
#include "platform/fonts.h"
#include "platform/runtimeerror.h"
#include "res/programicon.h"
#include "res/version.h"

#include <QAccessible>
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

Application::Application(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("tavilo"));
    setApplicationVersion(QString::fromLatin1(versionText));
    setOrganizationName(QStringLiteral("Oskavel"));
    setWindowIcon(programIcon());
    // Button faces keep the colours of the layout only in a style that paints from the palette.
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    setFont(defaultUiFont());
    QAccessible::installFactory(comboBoxAccessible);
}

// No procedure of the program handles errors: whatever escapes a handler ends the program here,
// after a message box that names it, rather than unwinding through the toolkit.
bool Application::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const RuntimeError &error) {
        reportAndEnd(error.message());
    } catch (const std::exception &error) {
        reportAndEnd(QString::fromLocal8Bit(error.what()));
    }
}

void endProgram(int exitCode)
{
    std::fflush(nullptr);
    std::exit(exitCode);
}
