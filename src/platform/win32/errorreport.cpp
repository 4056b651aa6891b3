#include "platform/win32/errorreport.h"

#include "platform/application.h"
#include "platform/win32/win32text.h"
#include "runtime/runtimeerror.h"

#include <cstdlib>

void reportAndEnd(const std::exception &error)
{
    MessageBoxW(GetActiveWindow(), wide(errorReport(error)), L"tavilo",
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    endProgram(EXIT_FAILURE);
}
