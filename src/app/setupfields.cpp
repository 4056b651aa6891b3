#include "app/setupfields.h"

#include "runtime/halfwidth.h"

#include <algorithm>

namespace {
constexpr std::array<std::u16string_view, setupFieldCount> keys{
    u"figure", u"ab", u"bc", u"ad", u"route", u"triangle", u"m", u"speed"};

std::u16string ascii(const std::string &text)
{
    return std::u16string(text.begin(), text.end());
}

bool isPlain(char16_t c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
           c == u'.';
}

// UTF-8, %-escaped, as a browser writes a link's full-width characters; a lone surrogate, which
// UTF-8 cannot carry, is escaped as the replacement character.
std::u16string escaped(const std::u16string &value)
{
    static constexpr char16_t hex[] = u"0123456789ABCDEF";
    std::u16string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char16_t c = value[i];
        if (isPlain(c)) {
            text += c;
            continue;
        }
        char32_t point = c;
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < value.size() && value[i + 1] >= 0xDC00 && value[i + 1] <= 0xDFFF)
            point = 0x10000 + ((char32_t(c) - 0xD800) << 10) + (value[++i] - 0xDC00);
        else if (c >= 0xD800 && c <= 0xDFFF)
            point = 0xFFFD;
        std::string bytes;
        if (point < 0x80) {
            bytes += char(point);
        } else if (point < 0x800) {
            bytes += char(0xC0 | (point >> 6));
            bytes += char(0x80 | (point & 0x3F));
        } else if (point < 0x10000) {
            bytes += char(0xE0 | (point >> 12));
            bytes += char(0x80 | ((point >> 6) & 0x3F));
            bytes += char(0x80 | (point & 0x3F));
        } else {
            bytes += char(0xF0 | (point >> 18));
            bytes += char(0x80 | ((point >> 12) & 0x3F));
            bytes += char(0x80 | ((point >> 6) & 0x3F));
            bytes += char(0x80 | (point & 0x3F));
        }
        for (const char byte : bytes) {
            const auto b = static_cast<unsigned char>(byte);
            text += u'%';
            text += hex[b >> 4];
            text += hex[b & 15];
        }
    }
    return text;
}

std::u16string figureValue(FigureChoice figure)
{
    switch (figure) {
    case FigureChoice::Rectangle:
    case FigureChoice::Square:
        return u"rectangle";
    case FigureChoice::Trapezoid:
        return u"trapezoid";
    case FigureChoice::Triangle:
        break;
    }
    return u"triangle";
}

// The value of each field that counts; a square's BC is its AB.
std::array<std::optional<std::u16string>, setupFieldCount> values(const SetupFields &fields)
{
    std::array<std::optional<std::u16string>, setupFieldCount> result;
    result[0] = figureValue(fields.figure);
    result[1] = fields.ab;
    result[2] = fields.figure == FigureChoice::Square ? fields.ab : fields.bc;
    if (fields.usesAd())
        result[3] = fields.ad;
    result[4] = fields.route;
    result[5] = fields.triangle;
    if (fields.usesM())
        result[6] = fields.m;
    result[7] = fields.speed;
    return result;
}

std::u16string textUpTo(const SetupFields &fields, std::size_t last)
{
    const auto given = values(fields);
    std::u16string text;
    for (std::size_t i = 0; i <= last; ++i) {
        if (!given[i])
            continue;
        if (!text.empty())
            text += u'&';
        text += std::u16string(keys[i]) + u'=' + escaped(*given[i]);
    }
    return text;
}

std::optional<std::size_t> fieldOfKey(const std::u16string &key)
{
    const auto found = std::find(keys.begin(), keys.end(), key);
    if (found == keys.end())
        return std::nullopt;
    return std::size_t(found - keys.begin());
}

// A whole text refused unread (far too long) is blamed on the field that made it so.
std::size_t longestField(const SetupFields &fields)
{
    const auto given = values(fields);
    std::size_t longest = 0;
    for (std::size_t i = 1; i < setupFieldCount; ++i)
        if (given[i] && given[i]->size() > given[longest].value_or(u"").size())
            longest = i;
    return longest;
}
} // namespace

bool SetupFields::usesM() const
{
    return std::any_of(triangle.begin(), triangle.end(),
                       [](char16_t c) { return halfWidth(c) == u'M' || halfWidth(c) == u'm'; });
}

SetupFields fieldsOf(const Problem &problem)
{
    SetupFields fields;
    if (problem.figure == Figure::Trapezoid)
        fields.figure = FigureChoice::Trapezoid;
    else if (problem.figure == Figure::Triangle)
        fields.figure = FigureChoice::Triangle;
    else if (problem.ab == problem.bc)
        fields.figure = FigureChoice::Square;
    fields.ab = ascii(std::to_string(problem.ab));
    fields.bc = ascii(std::to_string(problem.bc));
    if (problem.figure == Figure::Trapezoid)
        fields.ad = ascii(std::to_string(problem.ad));
    fields.route = routeText(problem.route);
    fields.triangle = fixedText(problem.fixed);
    if (problem.m)
        fields.m = routeText({problem.m->from, problem.m->to});
    fields.speed = decimalString(problem.speed);
    return fields;
}

std::u16string fieldsText(const SetupFields &fields)
{
    return textUpTo(fields, setupFieldCount - 1);
}

SetupCheck checkFields(const SetupFields &fields)
{
    SetupCheck check;
    const ProblemReading whole = readProblem(fieldsText(fields));
    if (!whole.error) {
        check.problem = whole.problem;
        return check;
    }
    for (std::size_t i = 0; i < setupFieldCount; ++i) {
        const ProblemReading reading = readProblem(textUpTo(fields, i));
        if (reading.error && fieldOfKey(reading.error->key) == i)
            check.messages[i] = reading.error->reason;
    }
    const std::size_t field = fieldOfKey(whole.error->key).value_or(longestField(fields));
    if (check.messages[field].empty())
        check.messages[field] = whole.error->reason;
    return check;
}
