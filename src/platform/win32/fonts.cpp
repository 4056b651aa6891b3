#include "platform/win32/fonts.h"

#include "platform/win32/displayscale.h"
#include "platform/win32/win32text.h"

#include <map>
#include <tuple>
#include <vector>

namespace {
// Stand-ins in order of preference, all proportional Japanese Gothic faces: those of current
// Windows first, then those a Linux machine running the program under Wine may have.
const std::vector<std::u16string> standInGothics = {u"Meiryo", u"Yu Gothic UI", u"IPAPGothic",
                                                    u"VL PGothic", u"Noto Sans CJK JP"};

int CALLBACK noteFound(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found)
{
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

bool isInstalled(HDC dc, const std::u16string &face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(reinterpret_cast<char16_t *>(wanted.lfFaceName), LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::u16string firstInstalled(std::vector<std::u16string> wanted)
{
    wanted.insert(wanted.end(), standInGothics.begin(), standInGothics.end());
    const HDC screen = GetDC(nullptr);
    std::u16string chosen = wanted.front();
    for (const std::u16string &face : wanted) {
        if (isInstalled(screen, face)) {
            chosen = face;
            break;
        }
    }
    ReleaseDC(nullptr, screen);
    return chosen;
}
} // namespace

const std::u16string &faceName(Font::Face face)
{
    static const std::u16string gothic = firstInstalled({u"ＭＳ Ｐゴシック", u"MS PGothic"});
    static const std::u16string userInterface =
        firstInstalled({u"MS UI Gothic", u"ＭＳ Ｐゴシック", u"MS PGothic"});
    return face == Font::Face::Gothic ? gothic : userInterface;
}

HFONT fontHandle(const Font &font)
{
    return fontHandle(font, devicePixels(font.pixelSize));
}

HFONT fontHandle(const Font &font, int deviceEm)
{
    static std::map<std::tuple<Font::Face, int, bool>, HFONT> made;
    HFONT &handle = made[{font.face, deviceEm, font.bold}];
    if (handle == nullptr)
        handle = CreateFontW(-deviceEm, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             wide(faceName(font.face)));
    return handle;
}
