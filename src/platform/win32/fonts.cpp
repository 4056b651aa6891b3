#include "platform/win32/fonts.h"

#include "platform/shared/gothicfaces.h"
#include "platform/win32/displayscale.h"
#include "platform/win32/win32text.h"

#include <initializer_list>
#include <string_view>
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

HFONT createFont(const Font &font, int deviceEm)
{
    return CreateFontW(-deviceEm, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_DONTCARE, wide(faceName(font.face)));
}

FontSet::~FontSet()
{
    for (const auto &[key, made] : m_made)
        DeleteObject(made.handle);
}

HFONT FontSet::at(const Font &font, double scale)
{
    const int deviceEm = devicePixels(font.pixelSize, scale);
    Made &made = m_made[{font.face, deviceEm, font.bold}];
    if (made.handle == nullptr)
        made.handle = createFont(font, deviceEm);
    made.logicalEm = font.pixelSize;
    return made.handle;
}

// A font is kept where the em it was asked for is still its device em; the others are let go. A
// resized window makes each of its sizes' fonts once, not for the program's life.
void FontSet::keepOnlyAt(double scale)
{
    for (auto font = m_made.begin(); font != m_made.end();) {
        if (devicePixels(font->second.logicalEm, scale) != std::get<1>(font->first)) {
            DeleteObject(font->second.handle);
            font = m_made.erase(font);
        } else {
            ++font;
        }
    }
}
