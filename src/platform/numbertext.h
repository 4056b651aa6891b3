// The runtime's ways of turning a number into text.
#pragma once

#include "platform/int16.h"

#include <QString>

// The decimal digits after a blank, the sign place of a non-negative number, or after "-".
QString numberText(Int16 number);

// Every character in its full-width form: blanks become ideographic spaces, ASCII characters
// their full-width counterparts.
QString fullWidth(const QString &text);
