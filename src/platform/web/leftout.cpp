// The members of the platform's contract that the browser backend leaves out, each with why.
#include "platform/checkbox.h"

// The square alone shows, as on the desktop: the box is too narrow for its caption, and screen
// readers take the name the program gives.
void CheckBox::applyCaption() {}

#include "platform/picturebox.h"
#include "platform/window.h"

// The page fits the window to the viewport itself (page.js), and each surface draws itself
// again at the page's new scale when the page says it changed (Surface::rescale): nothing
// calls Window::refit here.
void Window::applyFit() {}
void PictureBox::redrawAtScale() {}
