// Solid GDI brushes, one per colour, kept for the program's life.
#pragma once

#include "platform/color.h"

#include <windows.h>

HBRUSH solidBrush(Color color);
