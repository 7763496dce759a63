#include "launcher/skin/SkinColor.h"

namespace launcher {

namespace {

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::uint8_t pairValue(std::string_view text, size_t offset)
{
    int value = 0;
    for (size_t i = offset; i < offset + 2 && i < text.size(); ++i) {
        const int digit = hexDigit(text[i]);
        if (digit < 0)
            break;
        value = value * 16 + digit;
    }
    return static_cast<std::uint8_t>(value);
}

} // namespace

RgbColor parseSkinColor(std::string_view rrggbb)
{
    return {pairValue(rrggbb, 0), pairValue(rrggbb, 2), pairValue(rrggbb, 4)};
}

} // namespace launcher
