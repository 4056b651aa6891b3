#include "platform/shared/fittedtext.h"

double layoutAdvance(char32_t character)
{
    if (character >= U'0' && character <= U'9')
        return 6;
    if (character >= U'０' && character <= U'９')
        return 8;
    switch (character) {
    case U' ':
    case U'(':
    case U')':
        return 4;
    case U'\u3000':
        return 8;
    case U'c':
        return 6;
    case U'm':
        return 10;
    default:
        return 0;
    }
}

double fittedWidth(const std::vector<FittedCharacter> &laidOut)
{
    return laidOut.empty() ? 0 : laidOut.back().left + laidOut.back().advance;
}
