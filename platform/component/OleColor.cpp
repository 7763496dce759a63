#include "platform/component/OleColor.h"

#include <array>

namespace quorvex::platform::component {

namespace {

// 0x00RRGGBB for system colour indices 0 to 30 (scroll bar, desktop, active
// caption, ... info background, hot light, gradient captions, menu bar).
constexpr std::array<uint32_t, 31> kSystemColours = {
    0xC8C8C8, 0x3A6EA5, 0x0A246A, 0x808080, 0xD4D0C8, 0xFFFFFF, 0x000000, 0x000000,
    0x000000, 0xFFFFFF, 0xD4D0C8, 0xD4D0C8, 0x808080, 0x0A246A, 0xFFFFFF, 0xD4D0C8,
    0x808080, 0x808080, 0x000000, 0xD4D0C8, 0xFFFFFF, 0x404040, 0xD4D0C8, 0x000000,
    0xFFFFE1, 0xB5B5B5, 0x0000FF, 0xA6CAF0, 0xC0C0C0, 0x316AC5, 0xECE9D8,
};

} // namespace

std::optional<uint32_t> translateOleColor(OleColor color)
{
    uint32_t kind = color >> 24;
    if (kind == 0x80) {
        uint32_t index = color & 0x00FFFFFFu;
        if (index >= kSystemColours.size())
            return std::nullopt;
        return kSystemColours[index];
    }
    // 0x02: a palette-relative colour, which without a palette is the colour.
    if (kind != 0x00 && kind != 0x02)
        return std::nullopt;
    uint32_t red = color & 0xFF;
    uint32_t green = (color >> 8) & 0xFF;
    uint32_t blue = (color >> 16) & 0xFF;
    return (red << 16) | (green << 8) | blue;
}

} // namespace quorvex::platform::component
