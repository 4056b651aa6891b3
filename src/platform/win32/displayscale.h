// The scales of the Windows backend: the display's, and the layout's at the window's fit.
#pragma once

#include "platform/geometry.h"

#include <windows.h>

// The display's scale where a window is: its dots per inch over 96 (never below 1). The program
// is per-monitor aware, so each monitor has its own; before Windows 10 it is the system's.
double dpiScale(HWND window);

// The frame around a client area of the given size at a display scale, as AdjustWindowRectEx
// makes it at that scale's dots per inch.
RECT frameAround(Size client, DWORD style, DWORD extendedStyle, double scale);

// A window's layout scale is its fit's: device pixels per logical pixel, the display's scale
// times the fit's factor. Each window has its own, so everything drawn and placed in a window
// takes that window's.

// A logical length or coordinate in whole device pixels at a layout scale.
int devicePixels(double logical, double scale);

// A logical rectangle in device pixels; its edges are rounded, so that neighbours still meet.
RECT deviceRect(const RectF &logical, double scale);
