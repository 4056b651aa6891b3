#include "platform/application.h"

#include "platform/win32/messagepump.h"

#include <windows.h>

#include <commctrl.h>
#include <cstdio>
#include <cstdlib>
#include <objbase.h>

struct Application::Native
{
};

// The manifest asks for Common Controls 6; its classes are registered here. The window's
// thread is a single-threaded apartment, where screen readers' calls on the controls' objects
// arrive as messages.
Application::Application(int &, char **) : m_native(std::make_unique<Native>())
{
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&classes);
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
}

Application::~Application() = default;

int Application::exec()
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        handleMessage(message);
    return int(message.wParam);
}

void endProgram(int exitCode)
{
    std::fflush(nullptr);
    std::exit(exitCode);
}
