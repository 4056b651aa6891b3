#include "platform/fonts.h"

namespace {
// The layout's face, "ＭＳ Ｐゴシック", is not installed here. Asking for it first would send
// every font request through a fallback search; its stand-in is named directly instead.
const QString installedGothic = QStringLiteral("IPAPGothic");
constexpr int defaultUiPixelSize = 12; // 9 points at 96 dots per inch
} // namespace

QFont gothicFont(int pixelSize, bool bold)
{
    QFont font(installedGothic);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

QFont defaultUiFont()
{
    return gothicFont(defaultUiPixelSize);
}
