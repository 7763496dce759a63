#include "launcher/window/ClockFormat.h"

#include <cassert>
#include <vector>

namespace launcher {

namespace {

enum class TokenKind { Literal, Hour, Hour24, Minute, Second, Marker };

struct Token {
    TokenKind kind = TokenKind::Literal;
    std::string text; // the literal, or the marker exactly as the pattern wrote it
    bool twoDigits = false;
};

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != prefix[i])
            return false;
    }
    return true;
}

void appendLiteral(std::vector<Token>& tokens, std::string_view text)
{
    if (!tokens.empty() && tokens.back().kind == TokenKind::Literal)
        tokens.back().text += text;
    else
        tokens.push_back({TokenKind::Literal, std::string(text)});
}

std::vector<Token> tokenize(std::string_view pattern)
{
    std::vector<Token> tokens;
    std::size_t i = 0;
    while (i < pattern.size()) {
        const std::string_view rest = pattern.substr(i);
        const char c = rest[0];
        if (c == '"') {
            // Quoted text is copied without its quotes; an unclosed quote runs
            // to the end of the pattern.
            const std::size_t close = rest.find('"', 1);
            const std::size_t end = close == std::string_view::npos ? rest.size() : close;
            appendLiteral(tokens, rest.substr(1, end - 1));
            i += close == std::string_view::npos ? rest.size() : close + 1;
        } else if (c == '\\') {
            appendLiteral(tokens, rest.substr(1, 1));
            i += rest.size() > 1 ? 2 : 1;
        } else if (startsWithIgnoringCase(rest, "am/pm")) {
            tokens.push_back({TokenKind::Marker, std::string(rest.substr(0, 5))});
            i += 5;
        } else if (startsWithIgnoringCase(rest, "a/p")) {
            tokens.push_back({TokenKind::Marker, std::string(rest.substr(0, 3))});
            i += 3;
        } else if (c == 'h' || c == 'H' || lower(c) == 'n' || lower(c) == 'm' || lower(c) == 's') {
            const bool twoDigits = rest.size() > 1 && rest[1] == c;
            const TokenKind kind = c == 'h'          ? TokenKind::Hour
                                   : c == 'H'        ? TokenKind::Hour24
                                   : lower(c) == 's' ? TokenKind::Second
                                                     : TokenKind::Minute;
            tokens.push_back({kind, {}, twoDigits});
            i += twoDigits ? 2 : 1;
        } else {
            appendLiteral(tokens, rest.substr(0, 1));
            ++i;
        }
    }
    return tokens;
}

std::string number(int value, bool twoDigits)
{
    std::string text = std::to_string(value);
    if (twoDigits && text.size() < 2)
        text.insert(0, 1, '0');
    return text;
}

// "am/pm" gives the part before the slash in the morning and the part after
// it in the afternoon, in the letter case the pattern used.
std::string marker(const std::string& written, int hour)
{
    const std::size_t slash = written.find('/');
    return hour < 12 ? written.substr(0, slash) : written.substr(slash + 1);
}

} // namespace

std::string FormatClock(std::string_view pattern, const ClockTime& time)
{
    assert(time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60 && time.second >= 0
           && time.second < 60);
    const std::vector<Token> tokens = tokenize(pattern.empty() ? std::string_view(kDefaultClockFormat) : pattern);
    bool twelveHour = false;
    for (const auto& token : tokens)
        twelveHour = twelveHour || token.kind == TokenKind::Marker;
    const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;

    std::string text;
    for (const auto& token : tokens) {
        switch (token.kind) {
        case TokenKind::Literal:
            text += token.text;
            break;
        case TokenKind::Hour:
            text += number(twelveHour ? hour12 : time.hour, token.twoDigits);
            break;
        case TokenKind::Hour24:
            text += number(time.hour, token.twoDigits);
            break;
        case TokenKind::Minute:
            text += number(time.minute, token.twoDigits);
            break;
        case TokenKind::Second:
            text += number(time.second, token.twoDigits);
            break;
        case TokenKind::Marker:
            text += marker(token.text, time.hour);
            break;
        }
    }
    return text;
}

} // namespace launcher
