#pragma once

namespace launcher {

inline constexpr int kMaxSections = 12;
inline constexpr int kMaxSlotsPerSection = 25;
inline constexpr int kMaxButtonStyles = 300;
inline constexpr int kFilmLoopCount = 8;

// Bounds for numbers a skin may give. Anything outside is brought inside and
// reported, so that no later arithmetic overflows or indexes out of range.
inline constexpr int kMaxSkinCoordinatePx = 10000;
inline constexpr int kMaxFontSizePt = 200;
inline constexpr int kMaxFrameCount = 1000;
inline constexpr int kMaxFrameRate = 1000;

} // namespace launcher
