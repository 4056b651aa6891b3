// Reading an element's text into the program.
#pragma once

#include <string>

// A button's caption, a label's text or an edit field's value.
std::u16string elementText(int element);
