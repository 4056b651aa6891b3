// The window class of the drawing surfaces: the repaint that shows a surface's image.
#pragma once

#include <windows.h>

// A repaint only copies the image inside the sunken border, then paints the surface's
// lightweight controls over it, back to front, through a second image so that nothing flickers.
// A click gives the surface the keyboard focus, as a tab stop.
const wchar_t *surfaceWindowClass();

// The border's width in device pixels at a layout scale.
int deviceBorder(double scale);
