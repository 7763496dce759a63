#pragma once

#include <cstdint>
#include <optional>

namespace quorvex::platform::component {

// A colour as controls store it: 0x00BBGGRR for a plain colour, 0x800000nn
// for the system colour with index nn.
using OleColor = uint32_t;

// The colour as 0x00RRGGBB. System colours come from a fixed light desktop
// palette. Nullopt for a palette index or an unknown system colour, which
// cannot be translated without a palette.
std::optional<uint32_t> translateOleColor(OleColor color);

// 0x00RRGGBB to a plain colour.
inline constexpr OleColor oleColorFromRgb(uint32_t rgb)
{
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

} // namespace quorvex::platform::component
