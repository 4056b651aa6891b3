// The window class of the program's top-level window and its window procedure.
#pragma once

#include <windows.h>

// Registered on first use.
const wchar_t *formWindowClass();
