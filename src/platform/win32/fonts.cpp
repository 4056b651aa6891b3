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

namespace {
// The fonts made, by face, em in device pixels and weight, each with the em in logical pixels it
// was last asked for (0 for an em given in device pixels).
struct MadeFont
{
    HFONT handle = nullptr;
    int logicalEm = 0;
};
std::map<std::tuple<Font::Face, int, bool>, MadeFont> made;
} // namespace

HFONT fontHandle(const Font &font)
{
    const int deviceEm = devicePixels(font.pixelSize);
    const HFONT handle = fontHandle(font, deviceEm);
    made[{font.face, deviceEm, font.bold}].logicalEm = font.pixelSize;
    return handle;
}

// A font asked for by its logical em is kept where that em is still its device em; the others
// are let go. A resized window makes each of its sizes' fonts once, not for the program's life.
void keepOnlyFontsAtScale()
{
    for (auto font = made.begin(); font != made.end();) {
        const int logicalEm = font->second.logicalEm;
        if (logicalEm != 0 && devicePixels(logicalEm) != std::get<1>(font->first)) {
            DeleteObject(font->second.handle);
            font = made.erase(font);
        } else {
            ++font;
        }
    }
}

HFONT fontHandle(const Font &font, int deviceEm)
{
    HFONT &handle = made[{font.face, deviceEm, font.bold}].handle;
    if (handle == nullptr)
        handle = CreateFontW(-deviceEm, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                             wide(faceName(font.face)));
    return handle;
}
