#pragma once

#include <cstdint>
#include <string_view>

namespace launcher {

struct RgbColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// Reads six hexadecimal digits RRGGBB (no prefix). Each pair is read by the
// leading-hex-digits rule, so a pair with no hexadecimal digit gives 0 for
// that component and a missing pair gives 0 as well.
RgbColor parseSkinColor(std::string_view rrggbb);

} // namespace launcher
