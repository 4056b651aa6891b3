// What an edition was opened with, and the message the program may give the teacher as it opens.
#pragma once

#include "platform/window.h"

#include <string>

// Backend: the text the edition was opened with, for the problem it opens (see README.md): the
// command line's argument after the program's name, the window system's own options taken out
// (several are joined with blanks), or the part of the page's address from "#" on, as the
// address has it, %-escapes and all; empty when there is none. The program reads what follows a
// "#" in it, and the whole text when it has none.
std::u16string openingText();

// Backend: shows the text, as plain text, in a message box with an OK button in front of the
// window; the window takes no input until the box is closed. It may return before that.
void showMessage(const Window &window, const std::u16string &text);

// Backend: the link that opens the problem whose text (what follows "#") is given: in the page,
// the page's own address with the text after "#"; in a desktop edition, the text itself, which
// its command line and the page both take.
std::u16string problemLink(const std::u16string &problemText);
// Backend: keeps the problem just applied where the edition opens again: the page puts the text
// after "#" in its address (an empty text: no "#") without loading again, so that a reload, a
// bookmark or the installed app opens it; a desktop edition keeps nothing.
void keepProblem(const std::u16string &problemText);
