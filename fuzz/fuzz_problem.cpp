// Fuzz target of the problem's reading from a link, and of the walk, areas and graph of every
// problem it lets through.
//
// Beyond "no crash" (AddressSanitizer and UndefinedBehaviorSanitizer are on), every input must
// give the same reading twice; a text that cannot be used must give today's problem and a
// message of a bounded length in plain characters (no control character but the line breaks, no
// lone surrogate, no mark that turns the text's direction); a text that is used must give a
// problem that checks out, whose route takes 1 to 240 steps, whose graph's pieces join end to end
// from 0 to the last step and give the area at every step, that is not 0 all along, and whose
// link text, also written in full-width characters, reads back as the same problem.
//
// The same input, cut at its line breaks, is also typed into the setup window's fields (the first
// line's first character choosing the figure): the fields must give a problem that checks out,
// the one their link text reads as, or at least one message in plain characters, and never both.
//
// The input is read as UTF-8 that may also spell lone surrogates (ED A0 80 is U+D800); any other
// byte that is not UTF-8 stands for the code unit of its own value.
#include "app/setupfields.h"
#include "problem/problem.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::u16string textOf(const std::uint8_t *data, std::size_t size)
{
    std::u16string text;
    for (std::size_t i = 0; i < size;) {
        const std::uint8_t lead = data[i];
        int length = lead < 0x80                   ? 1
                     : lead >= 0xC2 && lead < 0xE0 ? 2
                     : lead >= 0xE0 && lead < 0xF0 ? 3
                     : lead >= 0xF0 && lead < 0xF5 ? 4
                                                   : 0;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = length > 0 && i + length <= size;
        for (int k = 1; valid && k < length; ++k) {
            valid = (data[i + k] & 0xC0) == 0x80;
            point = point << 6 | (data[i + k] & 0x3F);
        }
        constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (!valid || point < smallest[length] || point > 0x10FFFF) {
            text += char16_t(lead);
            ++i;
            continue;
        }
        if (point >= 0x10000) {
            text += char16_t(0xD800 + ((point - 0x10000) >> 10));
            text += char16_t(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            text += char16_t(point);
        }
        i += length;
    }
    return text;
}

std::string utf8(const std::u16string &text)
{
    std::string bytes;
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            bytes += char(unit);
        } else if (unit < 0x800) {
            bytes += char(0xC0 | unit >> 6);
            bytes += char(0x80 | (unit & 0x3F));
        } else {
            bytes += char(0xE0 | unit >> 12);
            bytes += char(0x80 | (unit >> 6 & 0x3F));
            bytes += char(0x80 | (unit & 0x3F));
        }
    }
    return bytes;
}

[[noreturn]] void fail(const char *what, const std::u16string &text, const std::u16string &detail)
{
    std::fprintf(stderr, "%s\n  text: \"%s\"\n  %s\n", what, utf8(text).c_str(),
                 utf8(detail).c_str());
    std::abort();
}

void expect(bool holds, const char *what, const std::u16string &text,
            const std::u16string &detail = u"")
{
    if (!holds)
        fail(what, text, detail);
}

bool plain(const std::u16string &message)
{
    for (std::size_t i = 0; i < message.size(); ++i) {
        const char16_t c = message[i];
        if (c == u'\n')
            continue;
        if (c < 0x20 || (c >= 0x7F && c <= 0x9F) || (c >= 0x2028 && c <= 0x202E) ||
            (c >= 0x2066 && c <= 0x2069) || c == 0x200E || c == 0x200F)
            return false;
        if (c >= 0xD800 && c <= 0xDBFF) {
            if (i + 1 >= message.size() || message[i + 1] < 0xDC00 || message[i + 1] > 0xDFFF)
                return false;
            ++i;
        } else if (c >= 0xDC00 && c <= 0xDFFF) {
            return false;
        }
    }
    return true;
}

// The link as a Japanese input method types it: printable ASCII in full-width forms.
std::u16string fullWidth(const std::u16string &text)
{
    std::u16string wide;
    for (const char16_t c : text)
        wide += c > u' ' && c <= u'~' ? char16_t(c + 0xFEE0) : c;
    return wide;
}

void checkRefused(const std::u16string &text, const ProblemReading &reading)
{
    const std::u16string message = reading.message();
    expect(reading.problem.sameAs(todaysProblem()) && reading.problem.look == &todaysLook(),
           "a text that cannot be used must give today's problem", text, message);
    expect(!message.empty() && message.size() < 600, "the message must say why, briefly", text,
           message);
    expect(plain(message), "the message must be plain characters", text, message);
}

void checkUsed(const std::u16string &text, const ProblemReading &reading)
{
    const Problem &problem = reading.problem;
    const std::u16string link = linkText(problem);
    const std::optional<ProblemError> problemError = checkProblem(problem);
    expect(!problemError, "a problem read must check out", text,
           problemError ? problemError->reason : u"");
    const RouteWalk walk(problem);
    expect(walk.steps() >= 1 && walk.steps() <= 240, "1 to 240 steps", text, link);
    // The window has a path line for each of at most 4 legs and a trace line for each of at most
    // 6 pieces.
    expect(walk.legs().size() <= 4 && walk.pieces().size() <= 6, "lines enough", text, link);
    const std::vector<Piece> &pieces = walk.pieces();
    expect(!pieces.empty() && pieces.front().from == 0 && pieces.back().to == walk.steps(),
           "the pieces run from 0 to the last step", text, link);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece &piece = pieces[i];
        expect(piece.from < piece.to, "a piece has a length", text, link);
        expect(piece.at(piece.from) == walk.areaAt(piece.from) &&
                   piece.at(piece.to) == walk.areaAt(piece.to),
               "a piece gives the area at its ends", text, link);
        if (i > 0)
            expect(piece.from == pieces[i - 1].to, "the pieces join end to end", text, link);
    }
    for (int x = 0; x <= walk.steps(); ++x) {
        const Rational area = walk.areaAt(x);
        expect(area >= 0, "an area is not negative", text, link);
        for (const Direction direction : {Direction::Forward, Direction::Back})
            expect(pieces[walk.pieceAt(x, direction)].at(x) == area,
                   "the piece of a step gives its area", text, link);
        expect(!boardText(walk, x).empty(), "the blackboard's text", text, link);
    }
    expect(walk.largestArea() > 0, "the area is not 0 all along", text, link);
    for (const std::u16string &again : {link, u"#" + link, fullWidth(link)}) {
        const ProblemReading back = readProblem(again);
        expect(!back.error && back.problem.sameAs(problem), "the link reads back", text, again);
    }
}

SetupFields fieldsOf(const std::u16string &text)
{
    std::array<std::u16string, setupFieldCount> lines;
    std::size_t line = 0;
    for (const char16_t c : text) {
        if (c == u'\n' && line + 1 < lines.size())
            ++line;
        else
            lines[line] += c;
    }
    SetupFields fields;
    fields.figure = FigureChoice(lines[0].empty() ? 0 : lines[0][0] % 4);
    fields.ab = lines[1];
    fields.bc = lines[2];
    fields.ad = lines[3];
    fields.route = lines[4];
    fields.triangle = lines[5];
    fields.m = lines[6];
    fields.speed = lines[7];
    return fields;
}

void checkFieldsOf(const std::u16string &text)
{
    const SetupFields fields = fieldsOf(text);
    const SetupCheck check = checkFields(fields);
    std::size_t messages = 0;
    for (const std::u16string &message : check.messages) {
        expect(plain(message) && message.size() < 600, "a field's message is plain and brief", text,
               message);
        messages += message.empty() ? 0 : 1;
    }
    if (!check.problem) {
        expect(messages > 0, "fields that give no problem say why", text);
        return;
    }
    expect(messages == 0, "fields that give a problem say nothing against it", text);
    expect(!checkProblem(*check.problem), "the fields' problem checks out", text);
    const ProblemReading link = readProblem(fieldsText(fields));
    expect(!link.error && link.problem.sameAs(*check.problem), "the fields read as their link",
           text, fieldsText(fields));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::u16string text = textOf(data, size);
    const ProblemReading reading = readProblem(text);
    const ProblemReading again = readProblem(text);
    expect(again.problem.sameAs(reading.problem) && again.message() == reading.message(),
           "the same text reads the same", text);
    if (reading.error)
        checkRefused(text, reading);
    else
        checkUsed(text, reading);
    checkFieldsOf(text);
    return 0;
}
