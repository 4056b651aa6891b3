// The face of an owner-drawn command button: its colour, its edge and its caption.
#pragma once

#include "platform/commandbutton.h"

#include <windows.h>

// Plain push buttons ignore face colours, so the buttons draw their own. A disabled button keeps
// its face and shows its caption in grey.
void drawButtonFace(const DRAWITEMSTRUCT &item, const CommandButton &button);
