// The members of the platform's contract that the browser backend leaves out, each with why.
#include "platform/checkbox.h"

// The square alone shows, as on the desktop: the box is too narrow for its caption, and screen
// readers take the name the program gives.
void CheckBox::applyCaption() {}
