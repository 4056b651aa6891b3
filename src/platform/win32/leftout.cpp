// The members of the platform's contract that the Windows backend leaves out, each with why.
#include "platform/picturebox.h"
#include "platform/window.h"

// Screen readers on Windows read the focused control and the window texts; a polite
// announcement would need an accessibility server of the program's own.
void Window::announce(const std::u16string &) {}

// The surface is named by its window text; its changing description is kept, for no Win32
// means of telling it without an accessibility server.
void PictureBox::describe(const std::u16string &) {}
