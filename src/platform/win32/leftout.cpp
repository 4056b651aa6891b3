// What the Windows edition leaves out, and why.
#include "platform/linkcode.h"

#include "platform/shared/desktoplinkcode.h"
#include "platform/win32/natives.h"

// No QR codes here: the constructor refuses before any native peer is made.
LinkCode::LinkCode(Window &window) : Control(window, (refuseLinkCode(), nullptr)) {}
