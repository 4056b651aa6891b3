// Text printed on a drawing surface: where the lesson's look puts it, and how much room it takes
// for the places that are fitted.
#pragma once

#include "platform/picturebox.h"
#include "problem/look.h"

#include <string>

// Prints the text at its place: sets the text position (x only when given), then prints.
void printText(PictureBox &surface, const PrintedText &text);

// The width of the text as a surface prints it, in the layout's character widths at the
// window's default font.
double printedWidth(const std::u16string &text);
// The height of the line a surface prints it in.
double printedHeight(const std::u16string &text);
