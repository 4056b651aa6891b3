#include "platform/fonts.h"

#include <QStringList>

namespace {
constexpr int defaultUiPixelSize = 12; // 9 points at 96 dots per inch
} // namespace

QFont gothicFont(int pixelSize, bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic")});
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont defaultUiFont()
{
    return gothicFont(defaultUiPixelSize);
}
