#pragma once

// Writes text as UTF-16 with its byte-order mark, the way other systems'
// editors save "Unicode" files.

#include <string>

namespace testsupport {

enum class ByteOrder { LittleEndian, BigEndian };

inline std::string utf16WithMark(const std::u16string& text, ByteOrder order)
{
    std::string out;
    const auto append = [&](char16_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        out += order == ByteOrder::BigEndian ? high : low;
        out += order == ByteOrder::BigEndian ? low : high;
    };
    append(u'\xFEFF');
    for (const char16_t unit : text)
        append(unit);
    return out;
}

} // namespace testsupport
