#include "platform/numbertext.h"

namespace {
constexpr char16_t ideographicSpace = u'\u3000';
constexpr char16_t fullWidthOffset = u'\uFF01' - u'!';
} // namespace

QString numberText(Int16 number)
{
    const int value = number.value();
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value);
}

QString fullWidth(const QString &text)
{
    QString wide;
    wide.reserve(text.size());
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        if (code == u' ')
            wide += QChar(ideographicSpace);
        else if (code > u' ' && code <= u'~')
            wide += QChar(char16_t(code + fullWidthOffset));
        else
            wide += character;
    }
    return wide;
}
