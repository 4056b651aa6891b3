// Opening the lesson of the text an edition was opened with.
#pragma once

#include "app/form1.h"

#include <memory>
#include <string>

// The window of the problem the text gives (see readProblem), shown; when the text could not be
// used, today's lesson with the message that says which key and why in front of it.
std::unique_ptr<Form1> openLesson(const std::u16string &text);
