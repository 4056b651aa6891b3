// The system's clipboard, as far as the program writes to it.
#pragma once

#include <string>

// Backend: puts the text on the clipboard, as plain text, for pasting anywhere.
void copyToClipboard(const std::u16string &text);
