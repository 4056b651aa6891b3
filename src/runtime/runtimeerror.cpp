#include "runtime/runtimeerror.h"

#include "runtime/numbertext.h"
#include "runtime/utf16.h"

namespace {
const char *describe(RuntimeError::Code code)
{
    switch (code) {
    case RuntimeError::Overflow:
        return "オーバーフローしました。";
    }
    return "";
}

// The length of the UTF-8 sequence a lead byte starts, or 0 for a byte that starts none.
int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xc2 && lead < 0xe0)
        return 2;
    if (lead >= 0xe0 && lead < 0xf0)
        return 3;
    if (lead >= 0xf0 && lead < 0xf5)
        return 4;
    return 0;
}

// Whether a sequence of length bytes may stand for point: not in a longer form than it needs,
// not a surrogate, and within Unicode.
bool encodes(char32_t point, int length)
{
    constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    return point >= smallest[length] && point <= 0x10ffff && (point < 0xd800 || point >= 0xe000);
}
} // namespace

RuntimeError::RuntimeError(Code code) : std::runtime_error(describe(code)), m_code(code) {}

std::u16string RuntimeError::message() const
{
    return u"実行時エラー '" + decimalText(int(m_code)) + u"':\n\n" + utf16FromUtf8(what());
}

std::u16string errorReport(const std::exception &error)
{
    if (const auto *runtime = dynamic_cast<const RuntimeError *>(&error))
        return runtime->message();
    return utf16FromUtf8(error.what());
}

std::u16string utf16FromUtf8(const std::string &text)
{
    std::u16string wide;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = sequenceLength(lead);
        bool valid = length > 0 && i + length <= text.size();
        char32_t point = length == 1 ? lead : lead & (0x7f >> length);
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            valid = (next & 0xc0) == 0x80;
            point = point << 6 | (next & 0x3f);
        }
        if (!valid || !encodes(point, length)) {
            wide += char16_t(lead);
            ++i;
            continue;
        }
        appendCodePoint(wide, point);
        i += length;
    }
    return wide;
}
