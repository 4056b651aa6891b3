// One message of the program's thread, handled as the event loop and the pause both handle it.
#pragma once

#include <windows.h>

// The program's window previews the key first; then Tab, Shift+Tab, Space and the other dialog
// keys move through its controls, and everything else goes to its window procedure.
void handleMessage(MSG &message);
