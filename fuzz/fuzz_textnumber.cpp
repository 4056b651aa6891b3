// Fuzz target of the speed box's text-to-number conversion and of the delay computed from it.
//
// Beyond "no crash" (AddressSanitizer and UndefinedBehaviorSanitizer are on), every input must
// give a finite number that is never NaN nor -0; the same number once the blanks are taken out,
// once a character that cannot continue a number is appended, once the text is written in
// full-width characters as a Japanese input method types it, and once it is written back in
// half-width ones; for plain decimal and &H / &O texts, the number that an independent reading
// gives; and a delay that stays in the 32-bit range, is the value times 20 rounded half to even,
// and saturates beyond the range.
#include "runtime/roundint32.h"
#include "runtime/textnumber.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

double numberOf(const QString &text)
{
    return textToNumber(text.toStdU16String());
}

[[noreturn]] void fail(const char *what, const QString &text, double expected, double actual)
{
    std::fprintf(stderr, "%s\n  text: \"%s\"\n  expected %.17g, got %.17g\n", what,
                 text.toUtf8().constData(), expected, actual);
    std::abort();
}

void expectSame(const char *what, const QString &text, double expected, double actual)
{
    if (expected != actual)
        fail(what, text, expected, actual);
}

// Printable ASCII and its full-width forms (U+FF01 to U+FF5E) lie this far apart.
constexpr char16_t fullWidthOffset = 0xFEE0;

// The text as a Japanese input method types it: printable ASCII in full-width forms, the blank
// as the ideographic space.
QString fullWidth(QString text)
{
    for (QChar &c : text) {
        if (c == u' ')
            c = u'\u3000';
        else if (c > u' ' && c <= u'~')
            c = QChar(c.unicode() + fullWidthOffset);
    }
    return text;
}

// The text with every full-width form and ideographic space written in ASCII.
QString halfWidth(QString text)
{
    for (QChar &c : text) {
        if (c == u'\u3000')
            c = u' ';
        else if (c >= QChar(u'!' + fullWidthOffset) && c <= QChar(u'~' + fullWidthOffset))
            c = QChar(c.unicode() - fullWidthOffset);
    }
    return text;
}

QString withoutBlanks(QString text)
{
    text.removeIf([](QChar c) {
        return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\u3000';
    });
    return text;
}

// strtod on the longest plain decimal number at the start of the text (blanks removed, a D
// exponent read as E): an independent, correctly rounding reading.
std::optional<double> decimalReading(const QString &text)
{
    static const QRegularExpression decimal(
        QStringLiteral("^[+-]?(?:[0-9]+\\.?[0-9]*|\\.[0-9]+)(?:[eEdD][+-]?[0-9]+)?"));
    const QRegularExpressionMatch match = decimal.match(withoutBlanks(halfWidth(text)));
    if (!match.hasMatch())
        return std::nullopt;
    QByteArray ascii = match.captured().toLatin1();
    ascii.replace('d', 'e').replace('D', 'e');
    const double value = std::strtod(ascii.constData(), nullptr);
    return std::clamp(value, -DBL_MAX, DBL_MAX);
}

// Reading of &H / &O texts of at most 64 bits: 16-bit, then 32-bit two's complement, else
// positive.
std::optional<double> basedReading(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^&[hH]([0-9A-Fa-f]*)"));
    static const QRegularExpression octal(QStringLiteral("^&[oO]([0-7]*)"));
    const QString cleaned = withoutBlanks(halfWidth(text));
    const QRegularExpressionMatch hexMatch = hex.match(cleaned);
    const QRegularExpressionMatch octalMatch = octal.match(cleaned);
    if (!hexMatch.hasMatch() && !octalMatch.hasMatch())
        return std::nullopt;
    const QString digits = hexMatch.hasMatch() ? hexMatch.captured(1) : octalMatch.captured(1);
    bool fits = true;
    const std::uint64_t value =
        digits.isEmpty() ? 0 : digits.toULongLong(&fits, hexMatch.hasMatch() ? 16 : 8);
    if (!fits)
        return std::nullopt;
    if (value <= 0xFFFF)
        return static_cast<std::int16_t>(value);
    if (value <= 0xFFFFFFFF)
        return static_cast<std::int32_t>(value);
    return static_cast<double>(value);
}

void checkValue(const QString &text, double value)
{
    if (std::isnan(value) || !std::isfinite(value))
        fail("not a finite number", text, 0, value);
    if (value == 0 && std::signbit(value))
        fail("negative zero", text, 0, value);
    expectSame("blanks change the value", text, value, numberOf(withoutBlanks(text)));
    expectSame("a trailing letter changes the value", text, value,
               numberOf(text + QStringLiteral("x")));
    expectSame("the full-width form changes the value", text, value, numberOf(fullWidth(text)));
    expectSame("the half-width form changes the value", text, value, numberOf(halfWidth(text)));
    if (const std::optional<double> decimal = decimalReading(text))
        expectSame("decimal reading differs", text, *decimal, value);
    if (const std::optional<double> based = basedReading(text))
        expectSame("&H / &O reading differs", text, *based, value);
}

// The delay of automatic play: value times 20 in double precision, nearest 32-bit integer.
void checkDelay(const QString &text, double value)
{
    using Limits = std::numeric_limits<std::int32_t>;
    const double scaled = value * 20.0;
    // The type keeps the delay in 32 bits; what can go wrong is a wrapped or misrounded value.
    const std::int32_t delay = roundToInt32(scaled);
    if (scaled >= Limits::max())
        expectSame("large delay not saturated", text, Limits::max(), double(delay));
    else if (scaled <= Limits::min())
        expectSame("negative delay not saturated", text, Limits::min(), double(delay));
    else
        expectSame("delay not rounded half to even", text, std::nearbyint(scaled), double(delay));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const double value = numberOf(text);
    checkValue(text, value);
    checkDelay(text, value);
    return 0;
}
