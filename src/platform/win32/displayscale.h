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

// The layout's scale: device pixels per logical pixel, the display's scale times the window's
// fit. The window sets it whenever its fit changes; everything drawn and placed takes it.
double deviceScale();
void setDeviceScale(double scale);

// A logical length or coordinate in whole device pixels.
int devicePixels(double logical);

// A logical rectangle in device pixels; its edges are rounded, so that neighbours still meet.
RECT deviceRect(const RectF &logical);
