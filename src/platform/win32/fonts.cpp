#include "platform/win32/fonts.h"

#include "platform/shared/gothicfaces.h"
#include "platform/win32/displayscale.h"
#include "platform/win32/win32text.h"

#include <initializer_list>
#include <map>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

int CALLBACK noteFound(const LOGFONTW *, const TEXTMETRICW *, DWORD, LPARAM found)
{
    *reinterpret_cast<bool *>(found) = true;
    return 0;
}

bool isInstalled(HDC dc, std::u16string_view face)
{
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    face.copy(reinterpret_cast<char16_t *>(wanted.lfFaceName), LF_FACESIZE - 1);
    bool found = false;
    EnumFontFamiliesExW(dc, &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

// The stand-ins come after the wanted faces: those of current Windows first, then those a Linux
// machine running the program under Wine may have. With none installed, the first wanted face is
// named anyway, for the system's own font substitution.
std::u16string firstInstalled(std::initializer_list<std::u16string_view> wanted)
{
    std::vector<std::u16string_view> faces(wanted);
    faces.insert(faces.end(), windowsGothicFaces.begin(), windowsGothicFaces.end());
    faces.insert(faces.end(), freeGothicFaces.begin(), freeGothicFaces.end());
    const HDC screen = GetDC(nullptr);
    std::u16string_view chosen = faces.front();
    for (const std::u16string_view face : faces) {
        if (isInstalled(screen, face)) {
            chosen = face;
            break;
        }
    }
    ReleaseDC(nullptr, screen);
    return std::u16string(chosen);
}
} // namespace

const std::u16string &faceName(Font::Face face)
{
    static const std::u16string gothic =
        firstInstalled({layoutGothicFaces[0], layoutGothicFaces[1]});
    static const std::u16string userInterface =
        firstInstalled({layoutUserInterfaceFace, layoutGothicFaces[0], layoutGothicFaces[1]});
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
