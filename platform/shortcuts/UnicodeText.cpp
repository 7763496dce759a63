#include "platform/shortcuts/UnicodeText.h"

#include <cstdint>

namespace platform {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string utf16AsUtf8(std::string_view bytes, bool bigEndian)
{
    const auto unitAt = [&](size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<std::uint16_t>(bigEndian ? (first << 8) | second : (second << 8) | first);
    };
    const auto isHigh = [](std::uint16_t unit) { return unit >= 0xD800 && unit < 0xDC00; };
    const auto isLow = [](std::uint16_t unit) { return unit >= 0xDC00 && unit < 0xE000; };
    std::string out;
    out.reserve(bytes.size());
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const std::uint16_t unit = unitAt(i);
        if (isHigh(unit) && i + 3 < bytes.size() && isLow(unitAt(i + 2))) {
            appendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (unitAt(i + 2) - 0xDC00));
            i += 2;
        } else {
            appendUtf8(out, isHigh(unit) || isLow(unit) ? kReplacement : unit);
        }
    }
    if (i < bytes.size())
        appendUtf8(out, kReplacement);
    return out;
}

bool startsWith(std::string_view bytes, std::string_view mark)
{
    return bytes.substr(0, mark.size()) == mark;
}

} // namespace

std::string textAsUtf8(std::string_view bytes)
{
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return std::string(bytes.substr(3));
    if (startsWith(bytes, "\xFF\xFE"))
        return utf16AsUtf8(bytes.substr(2), false);
    if (startsWith(bytes, "\xFE\xFF"))
        return utf16AsUtf8(bytes.substr(2), true);
    return std::string(bytes);
}

} // namespace platform
