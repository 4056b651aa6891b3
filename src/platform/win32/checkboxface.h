// A check box's square at the window's fit.
#pragma once

#include "platform/window.h"

#include <windows.h>

#include <commctrl.h>

// The system draws a check box's square at a display's own size, which need not be the layout's
// scale. At a scale other than 1 the square is drawn here, scaled with the layout, in the visual
// style where one is on (else as a classic check box): the window's colour behind it, the square
// left and in the middle from top to bottom, and, with the keyboard focus, the focus frame right
// of it. At the scale 1 the system draws it all, as it always did. Gives the custom draw's answer.
LRESULT drawCheckBoxFace(const Window &window, const NMCUSTOMDRAW &draw);
