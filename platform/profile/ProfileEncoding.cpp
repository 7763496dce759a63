#include "platform/profile/ProfileEncoding.h"

#include <cstdint>

namespace platform {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
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

void appendUtf16(std::string& out, char16_t unit, bool bigEndian)
{
    const char high = static_cast<char>(unit >> 8);
    const char low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

// Unpaired surrogates and a trailing odd byte become U+FFFD; false when any
// did, as the text then does not convert back to the same bytes.
bool decodeUtf16(std::string_view bytes, bool bigEndian, std::string& out)
{
    bool exact = bytes.size() % 2 == 0;
    auto unitAt = [&](size_t i) {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (first << 8 | second) : (second << 8 | first));
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t unit = unitAt(i);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
            const char16_t next = unitAt(i + 2);
            if (next >= 0xDC00 && next < 0xE000) {
                appendUtf8(out, 0x10000 + ((char32_t(unit) - 0xD800) << 10) + (next - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (unit >= 0xD800 && unit < 0xE000) {
            appendUtf8(out, kReplacement);
            exact = false;
            continue;
        }
        appendUtf8(out, unit);
    }
    if (bytes.size() % 2 != 0)
        appendUtf8(out, kReplacement);
    return exact;
}

// The next code point of UTF-8 `text` at `i`, or nullopt when it is malformed.
std::optional<char32_t> nextCodePoint(std::string_view text, size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return std::nullopt;
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (next & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
        return std::nullopt;
    i += length;
    return c;
}

std::optional<std::string> encodeUtf16(std::string_view text, bool bigEndian)
{
    std::string out;
    out.reserve(text.size() * 2 + 2);
    appendUtf16(out, 0xFEFF, bigEndian);
    for (size_t i = 0; i < text.size();) {
        const std::optional<char32_t> c = nextCodePoint(text, i);
        if (!c)
            return std::nullopt;
        if (*c < 0x10000) {
            appendUtf16(out, static_cast<char16_t>(*c), bigEndian);
        } else {
            appendUtf16(out, static_cast<char16_t>(0xD800 + ((*c - 0x10000) >> 10)), bigEndian);
            appendUtf16(out, static_cast<char16_t>(0xDC00 + ((*c - 0x10000) & 0x3FF)), bigEndian);
        }
    }
    return out;
}

} // namespace

DecodedProfile decodeProfileBytes(std::string bytes)
{
    DecodedProfile decoded;
    const std::string_view view(bytes);
    if (view.starts_with(kUtf16LeBom) || view.starts_with(kUtf16BeBom)) {
        const bool bigEndian = view.starts_with(kUtf16BeBom);
        decoded.encoding = bigEndian ? TextEncoding::Utf16BigEndian : TextEncoding::Utf16LittleEndian;
        if (!decodeUtf16(view.substr(2), bigEndian, decoded.text))
            decoded.notWritable = "it is not valid UTF-16";
        return decoded;
    }
    if (view.starts_with(kUtf8Bom)) {
        decoded.encoding = TextEncoding::Utf8WithBom;
        bytes.erase(0, kUtf8Bom.size());
    }
    decoded.text = std::move(bytes);
    // Text with NUL bytes is in an encoding this store does not know (UTF-16
    // without a byte-order mark, say): lines added to it would not match.
    if (decoded.text.find('\0') != std::string::npos)
        decoded.notWritable = "it holds NUL bytes (an unknown text encoding)";
    return decoded;
}

std::optional<std::string> encodeProfileText(std::string_view text, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return std::string(text);
    case TextEncoding::Utf8WithBom:
        return std::string(kUtf8Bom) + std::string(text);
    case TextEncoding::Utf16LittleEndian:
        return encodeUtf16(text, false);
    case TextEncoding::Utf16BigEndian:
        return encodeUtf16(text, true);
    }
    return std::nullopt;
}

} // namespace platform
