// What the desktop edition leaves out, and why.
#include "platform/linkcode.h"

#include "platform/qt/natives.h"
#include "platform/shared/desktoplinkcode.h"

// No QR codes here: the constructor refuses before any native peer is made.
LinkCode::LinkCode(Window &window) : Control(window, (refuseLinkCode(), nullptr)) {}
