// Reading a problem from a link's text, checking it, and writing it back as a link.
#include "problem/problem.h"

#include "runtime/halfwidth.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace {
// A link to a problem is a few dozen characters, a few hundred with every character %-escaped;
// anything longer is not one, and is not read at all.
constexpr std::size_t longestText = 2000;
// How much of a text a message quotes.
constexpr std::size_t quoted = 16;
constexpr int longestSide = 30;
constexpr int mostSteps = 240;

const std::u16string lengthRange = u"1 から 30 までの整数（cm）で書いてください。";

enum Key { FigureKey, AbKey, BcKey, AdKey, RouteKey, TriangleKey, MKey, SpeedKey, keyCount };
constexpr std::array<std::u16string_view, keyCount> keyNames{
    u"figure", u"ab", u"bc", u"ad", u"route", u"triangle", u"m", u"speed"};

std::u16string ascii(const std::string &text)
{
    return std::u16string(text.begin(), text.end());
}

std::u16string number(long long value)
{
    return ascii(std::to_string(value));
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t';
}

// Half-width and lower case, as every key and value is read.
std::u16string folded(std::u16string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    for (char16_t c : text) {
        c = halfWidth(c);
        if (c >= u'A' && c <= u'Z')
            c = char16_t(c - u'A' + u'a');
        result += c;
    }
    return result;
}

std::u16string trimmed(std::u16string_view text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return std::u16string(text.substr(first, last - first));
}

// What a message may show of a text: its first few characters, with anything that could not be
// shown plainly (control characters, lone surrogates, marks that turn the text's direction)
// shown as U+FFFD.
std::u16string shown(std::u16string_view text)
{
    std::u16string result;
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (characters == quoted) {
            result += u"…";
            break;
        }
        const char16_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool low = c >= 0xDC00 && c <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            result += c;
            result += text[++i];
        } else if (high || low || c < 0x20 || (c >= 0x7F && c <= 0x9F) ||
                   (c >= 0x200E && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
                   (c >= 0x2066 && c <= 0x2069) || c == 0xFEFF || c >= 0xFFF9) {
            result += u'\uFFFD';
        } else {
            result += c;
        }
        ++characters;
    }
    return result;
}

// The pattern with each "$" replaced by the next of the parts, in order.
std::u16string fill(std::u16string_view pattern, std::initializer_list<std::u16string_view> parts)
{
    std::u16string text;
    auto part = parts.begin();
    for (const char16_t c : pattern) {
        if (c == u'$' && part != parts.end())
            text += *part++;
        else
            text += c;
    }
    return text;
}

int hexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Decodes UTF-8 bytes, refusing any malformed, overlong or surrogate sequence.
bool appendUtf8(std::u16string &out, const std::string &bytes)
{
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        int length = 0;
        char32_t point = 0;
        if (lead < 0x80) {
            length = 1;
            point = lead;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            length = 2;
            point = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            point = lead & 0x0F;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4;
            point = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > bytes.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            point = point << 6 | (next & 0x3F);
        }
        constexpr char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (point < smallest[length] || point > 0x10FFFF || (point >= 0xD800 && point < 0xE000))
            return false;
        if (point >= 0x10000) {
            point -= 0x10000;
            out += char16_t(0xD800 + (point >> 10));
            out += char16_t(0xDC00 + (point & 0x3FF));
        } else {
            out += char16_t(point);
        }
        i += length;
    }
    return true;
}

// The text with its %-escapes decoded as UTF-8; nothing when one is malformed.
std::optional<std::u16string> percentDecoded(std::u16string_view text)
{
    std::u16string out;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != u'%') {
            out += text[i++];
            continue;
        }
        std::string bytes;
        while (i < text.size() && text[i] == u'%') {
            if (i + 2 >= text.size())
                return std::nullopt;
            const int high = hexDigit(text[i + 1]);
            const int low = hexDigit(text[i + 2]);
            if (high < 0 || low < 0)
                return std::nullopt;
            bytes += char(high * 16 + low);
            i += 3;
        }
        if (!appendUtf8(out, bytes))
            return std::nullopt;
    }
    return out;
}

std::optional<Corner> cornerOf(char16_t letter)
{
    if (letter >= u'a' && letter <= u'd')
        return Corner(letter - u'a');
    return std::nullopt;
}

// The digits of a plain decimal: optional sign, digits, optional point and digits. Whole parts
// beyond a million are only marked as huge; decimals beyond six places only as present.
struct Decimal
{
    bool valid = false;
    bool negative = false;
    bool huge = false;
    std::int64_t whole = 0;
    std::int64_t millionths = 0;
    bool finer = false;

    bool isZero() const { return !huge && whole == 0 && millionths == 0 && !finer; }
    bool isWhole() const { return millionths == 0 && !finer; }
};

Decimal readDecimal(const std::u16string &text)
{
    Decimal number;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        number.negative = text[i++] == u'-';
    bool digits = false;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        digits = true;
        number.whole = number.whole * 10 + (text[i] - u'0');
        if (number.whole > 1'000'000) {
            number.huge = true;
            number.whole = 1'000'000;
        }
    }
    if (i < text.size() && text[i] == u'.') {
        ++i;
        std::int64_t place = 100'000;
        for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
            digits = true;
            if (place > 0)
                number.millionths += (text[i] - u'0') * place;
            else if (text[i] != u'0')
                number.finer = true;
            place /= 10;
        }
    }
    number.valid = digits && i == text.size();
    return number;
}

// A side length; an empty optional when it is good.
std::optional<std::u16string> readLength(const std::u16string &text, int &length)
{
    if (text.empty())
        return fill(u"長さが書かれていません。$", {lengthRange});
    const Decimal number = readDecimal(text);
    if (!number.valid)
        return fill(u"「$」は長さとして読めません。$", {shown(text), lengthRange});
    if (number.isZero())
        return fill(u"長さが 0 です。$", {lengthRange});
    if (number.negative)
        return fill(u"長さ $ は負の数です。$", {shown(text), lengthRange});
    if (!number.isWhole())
        return fill(u"長さ $ は整数ではありません。$", {shown(text), lengthRange});
    if (number.huge || number.whole > longestSide)
        return fill(u"長さ $ は長すぎます。$", {shown(text), lengthRange});
    length = int(number.whole);
    return std::nullopt;
}

const std::u16string speeds = u"0.5、1、2、3、4、5 のどれかを書いてください（毎秒の cm）。";

std::optional<std::u16string> readSpeed(const std::u16string &text, Rational &speed)
{
    if (text.empty())
        return fill(u"速さが書かれていません。$", {speeds});
    const Decimal number = readDecimal(text);
    if (!number.valid)
        return fill(u"「$」は速さとして読めません。$", {shown(text), speeds});
    const Rational value = Rational(number.whole) + Rational(number.millionths, 1'000'000);
    for (const Rational allowed :
         {Rational(1, 2), Rational(1), Rational(2), Rational(3), Rational(4), Rational(5)})
        if (!number.negative && !number.huge && !number.finer && value == allowed) {
            speed = value;
            return std::nullopt;
        }
    return fill(u"速さ $ は使えません。$", {shown(text), speeds});
}

std::u16string letters(Corner a, Corner b)
{
    return cornerLetter(a) + cornerLetter(b);
}

std::u16string figureName(Figure figure)
{
    switch (figure) {
    case Figure::Rectangle:
        return u"長方形";
    case Figure::Trapezoid:
        return u"台形";
    case Figure::Triangle:
        break;
    }
    return u"直角三角形";
}

ProblemError error(Key key, const std::u16string &reason)
{
    return {std::u16string(keyNames[key]), reason};
}

std::optional<ProblemError> checkLengths(const Problem &problem)
{
    const auto outside = [](int length) { return length < 1 || length > longestSide; };
    const auto refused = [](Key key, int length) {
        return error(key, fill(u"長さ $ は使えません。$", {number(length), lengthRange}));
    };
    if (outside(problem.ab))
        return refused(AbKey, problem.ab);
    if (outside(problem.bc))
        return refused(BcKey, problem.bc);
    switch (problem.figure) {
    case Figure::Rectangle:
        if (problem.ad != problem.bc)
            return error(AdKey, u"長方形では使いません（ＡＤはＢＣと同じ長さです）。");
        break;
    case Figure::Trapezoid:
        if (outside(problem.ad))
            return refused(AdKey, problem.ad);
        if (problem.ad == problem.bc)
            return error(AdKey, fill(u"台形ではＡＤとＢＣを違う長さにしてください（どちらも $cm "
                                     u"です）。",
                                     {number(problem.bc)}));
        break;
    case Figure::Triangle:
        if (problem.ad != 0)
            return error(AdKey, u"直角三角形には辺ＡＤがありません。");
        break;
    }
    return std::nullopt;
}

std::optional<ProblemError> checkRoute(const Problem &problem)
{
    const std::vector<Corner> &route = problem.route;
    if (route.size() < 2)
        return error(RouteKey, u"点Ｐが通る頂点を、route=BCDA のように２つ以上書いてください。");
    for (const Corner corner : route)
        if (!hasCorner(problem.figure, corner))
            return error(RouteKey, u"直角三角形には頂点Ｄがありません。");
    std::vector<std::pair<Corner, Corner>> walked;
    for (std::size_t i = 1; i < route.size(); ++i) {
        const Corner a = route[i - 1];
        const Corner b = route[i];
        if (a == b)
            return error(RouteKey, fill(u"$が続けて書かれています。", {cornerLetter(a)}));
        if (!isSide(problem.figure, a, b))
            return error(RouteKey, fill(u"$と$はとなり合う頂点ではありません（辺$$はありません）。",
                                        {cornerLetter(a), cornerLetter(b), cornerLetter(a),
                                         cornerLetter(b)}));
        const std::pair<Corner, Corner> side = std::minmax(a, b);
        if (std::find(walked.begin(), walked.end(), side) != walked.end())
            return error(RouteKey,
                         fill(u"辺$を２度通ります。", {letters(side.first, side.second)}));
        walked.push_back(side);
    }
    Rational length = 0;
    for (std::size_t i = 1; i < route.size(); ++i) {
        const int whole = wholeLength(problem, route[i - 1], route[i]);
        if (whole == 0)
            return error(RouteKey,
                         fill(u"辺$の長さ（√$cm）が整数でないので、点Ｐが整数の秒数で進めません。",
                              {letters(route[i - 1], route[i]),
                               number(squaredLength(problem, route[i - 1], route[i]))}));
        length += whole;
    }
    const Rational steps = length / problem.speed;
    const auto trip = [&](std::u16string_view why) {
        return error(RouteKey, fill(u"道のり $cm を毎秒 $cm で進むと $ 秒かかり、$",
                                    {decimalString(length), decimalString(problem.speed),
                                     decimalString(steps), why}));
    };
    if (!steps.isWhole())
        return trip(u"整数の秒数になりません。");
    if (steps > mostSteps)
        return trip(u"長すぎます（240 秒まで）。");
    return std::nullopt;
}

std::optional<ProblemError> checkTriangle(const Problem &problem)
{
    const FixedPoint &first = problem.fixed[0];
    const FixedPoint &second = problem.fixed[1];
    for (const FixedPoint &point : problem.fixed)
        if (!point.midpoint && !hasCorner(problem.figure, point.corner))
            return error(TriangleKey, u"直角三角形には頂点Ｄがありません。");
    if (first.midpoint && second.midpoint)
        return error(TriangleKey, u"Ｍは１つだけ使えます。");
    if (first == second)
        return error(TriangleKey, fill(u"同じ点$が２つあります。ちがう２つの点を書いてください。",
                                       {fixedLetter(first)}));
    const bool usesM = first.midpoint || second.midpoint;
    if (usesM && !problem.m)
        return error(MKey, u"三角形にＭがあるので、Ｍを真ん中の点とする辺を m=CD のように書いて"
                           u"ください。");
    if (!usesM && problem.m)
        return error(MKey, u"三角形にＭがないので使いません。Ｍを使うときは triangle=AM のように"
                           u"書いてください。");
    if (usesM && !isSide(problem.figure, problem.m->from, problem.m->to))
        return error(MKey,
                     fill(u"$は$の辺ではありません。",
                          {letters(problem.m->from, problem.m->to), figureName(problem.figure)}));
    return std::nullopt;
}

std::optional<ProblemError> checkArea(const Problem &problem)
{
    const RouteWalk walk(problem);
    if (walk.largestArea().sign() == 0)
        return error(
            TriangleKey,
            fill(u"点Ｐがどこにいても、三角形Ｐ$$の面積が 0 です（点Ｐが２つの点を通る直線の"
                 u"上だけを動きます）。",
                 {fixedLetter(problem.fixed[0]), fixedLetter(problem.fixed[1])}));
    return std::nullopt;
}

// Reads one key's value into the problem; gives why not.
std::optional<std::u16string> readValue(Key key, const std::u16string &value, Problem &problem)
{
    switch (key) {
    case FigureKey:
        if (value == u"rectangle")
            problem.figure = Figure::Rectangle;
        else if (value == u"trapezoid")
            problem.figure = Figure::Trapezoid;
        else if (value == u"triangle")
            problem.figure = Figure::Triangle;
        else
            return fill(u"「$」という図形はありません。rectangle（長方形）、trapezoid（台形）、"
                        u"triangle（直角三角形）のどれかを書いてください。",
                        {shown(value)});
        return std::nullopt;
    case AbKey:
        return readLength(value, problem.ab);
    case BcKey:
        return readLength(value, problem.bc);
    case AdKey:
        return readLength(value, problem.ad);
    case RouteKey:
        if (value.size() > 5)
            return u"頂点が多すぎます。点Ｐは同じ辺を２度通らないので、頂点は５つまでです。";
        problem.route.clear();
        for (const char16_t letter : value) {
            const std::optional<Corner> corner = cornerOf(letter);
            if (!corner)
                return fill(u"「$」は頂点の文字ではありません。A、B、C、D で書いてください。",
                            {shown(std::u16string(1, letter))});
            problem.route.push_back(*corner);
        }
        return std::nullopt;
    case TriangleKey:
        if (value.size() != 2)
            return u"三角形の頂点のうち、Ｐでない２つの点を triangle=BC のように書いてください。";
        for (int i = 0; i < 2; ++i) {
            if (value[i] == u'm') {
                problem.fixed[i] = {true, Corner::B};
            } else if (const std::optional<Corner> corner = cornerOf(value[i])) {
                problem.fixed[i] = {false, *corner};
            } else {
                return fill(u"「$」は点の文字ではありません。A、B、C、D、M で書いてください。",
                            {shown(std::u16string(1, value[i]))});
            }
        }
        return std::nullopt;
    case MKey: {
        const std::optional<Corner> from = value.size() == 2 ? cornerOf(value[0]) : std::nullopt;
        const std::optional<Corner> to = value.size() == 2 ? cornerOf(value[1]) : std::nullopt;
        if (!from || !to)
            return u"Ｍを真ん中の点とする辺を、m=CD のように頂点２文字で書いてください。";
        problem.m = Side{*from, *to};
        return std::nullopt;
    }
    case SpeedKey:
        return readSpeed(value, problem.speed);
    case keyCount:
        break;
    }
    return std::nullopt;
}

// Today's value of a key that the text left out, for the note added to a message about it.
std::u16string todaysValue(Key key)
{
    const Problem today;
    switch (key) {
    case AdKey:
        return number(today.ad);
    case RouteKey:
        return routeText(today.route);
    case TriangleKey:
        return fixedText(today.fixed);
    default:
        break;
    }
    return u"";
}
} // namespace

std::u16string routeText(const std::vector<Corner> &route)
{
    std::u16string text;
    for (const Corner corner : route)
        text += char16_t(u'A' + int(corner));
    return text;
}

std::u16string fixedText(const std::array<FixedPoint, 2> &fixed)
{
    std::u16string text;
    for (const FixedPoint &point : fixed)
        text += point.midpoint ? u'M' : char16_t(u'A' + int(point.corner));
    return text;
}

std::optional<ProblemError> checkProblem(const Problem &problem)
{
    if (std::optional<ProblemError> found = checkLengths(problem))
        return found;
    const Rational speed = problem.speed;
    if (speed != Rational(1, 2) && (speed < 1 || speed > 5 || !speed.isWhole()))
        return error(SpeedKey, fill(u"速さ $ は使えません。$", {decimalString(speed), speeds}));
    if (std::optional<ProblemError> found = checkRoute(problem))
        return found;
    if (std::optional<ProblemError> found = checkTriangle(problem))
        return found;
    return checkArea(problem);
}

ProblemReading readProblem(std::u16string_view text)
{
    ProblemReading reading{todaysProblem(), std::nullopt};
    const auto refuse = [&reading](std::u16string_view key, const std::u16string &reason) {
        reading.error = ProblemError{shown(key), reason};
        return reading;
    };
    if (text.size() > longestText)
        return refuse(u"",
                      fill(u"リンクが長すぎます（$文字）。問題のリンクは長くても数百文字です。",
                           {number(static_cast<long long>(text.size()))}));
    const std::u16string mapped = folded(text);
    std::u16string_view rest = mapped;
    const std::size_t hash = rest.find(u'#');
    if (hash != std::u16string_view::npos)
        rest.remove_prefix(hash + 1);
    else if (rest.find(u"://") != std::u16string_view::npos)
        return reading;

    Problem problem;
    std::array<bool, keyCount> given{};
    while (!rest.empty()) {
        const std::size_t end = std::min(rest.find(u'&'), rest.size());
        const std::u16string_view field = rest.substr(0, end);
        rest.remove_prefix(std::min(end + 1, rest.size()));
        if (trimmed(field).empty())
            continue;
        const std::size_t equals = field.find(u'=');
        if (equals == std::u16string_view::npos)
            return refuse(trimmed(field), u"「=」がありません。ab=6 のように、項目と値を = で"
                                          u"つないで書いてください。");
        const std::u16string_view rawKey = field.substr(0, equals);
        const std::optional<std::u16string> key = percentDecoded(rawKey);
        const std::optional<std::u16string> value = percentDecoded(field.substr(equals + 1));
        if (!key || !value)
            return refuse(trimmed(rawKey), u"% のあとの書き方が正しくありません。%E3%81%82 の"
                                           u"ように、% と２けたの16進数で UTF-8 を書きます。");
        const std::u16string name = trimmed(folded(*key));
        const auto known = std::find(keyNames.begin(), keyNames.end(), name);
        if (known == keyNames.end())
            return refuse(name, u"という項目はありません。使える項目は figure、ab、bc、ad、"
                                u"route、triangle、m、speed です。");
        const Key which = Key(known - keyNames.begin());
        if (given[which])
            return refuse(name, u"が２度書かれています。");
        given[which] = true;
        if (const std::optional<std::u16string> why =
                readValue(which, trimmed(folded(*value)), problem))
            return refuse(name, *why);
    }

    // What the text left out is today's; AD is BC for a rectangle and absent from a triangle.
    if (!given[AdKey] && problem.figure != Figure::Trapezoid)
        problem.ad = problem.figure == Figure::Rectangle ? problem.bc : 0;
    if (given[AdKey] && problem.figure != Figure::Trapezoid)
        return refuse(u"ad", problem.figure == Figure::Rectangle
                                 ? u"長方形では使いません（ＡＤはＢＣと同じ長さです）。"
                                 : u"直角三角形には辺ＡＤがありません。");
    if (const std::optional<ProblemError> found = checkProblem(problem)) {
        std::u16string reason = found->reason;
        const auto key = std::find(keyNames.begin(), keyNames.end(), found->key);
        if (key != keyNames.end() && !given[key - keyNames.begin()] &&
            !todaysValue(Key(key - keyNames.begin())).empty())
            reason += fill(u"（$ が書かれていないので、はじめの問題の $ として読みました。）",
                           {found->key, todaysValue(Key(key - keyNames.begin()))});
        return refuse(found->key, reason);
    }
    reading.problem = problem.sameAs(todaysProblem()) ? todaysProblem() : problem;
    return reading;
}

std::u16string ProblemReading::message() const
{
    if (!error)
        return u"";
    std::u16string text = u"リンクの問題を開けませんでした。\n\n";
    text += error->key.empty() ? error->reason : error->key + u"：" + error->reason;
    return text + u"\n\nはじめの問題（長方形ＡＢＣＤの三角形ＰＢＣ）を開きます。";
}

std::u16string linkText(const Problem &problem)
{
    static constexpr std::array<std::u16string_view, 3> figures{u"rectangle", u"trapezoid",
                                                                u"triangle"};
    std::u16string text = u"figure=" + std::u16string(figures[int(problem.figure)]);
    text += u"&ab=" + number(problem.ab) + u"&bc=" + number(problem.bc);
    if (problem.figure == Figure::Trapezoid)
        text += u"&ad=" + number(problem.ad);
    text += u"&route=" + routeText(problem.route) + u"&triangle=" + fixedText(problem.fixed);
    if (problem.m)
        text += u"&m=" + routeText({problem.m->from, problem.m->to});
    if (problem.speed != 1)
        text += u"&speed=" + decimalString(problem.speed);
    return text;
}
