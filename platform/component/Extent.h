#pragma once

#include <cstdint>

namespace quorvex::platform::component {

// A size in 0.01 mm units.
struct Extent {
    int32_t width = 0;
    int32_t height = 0;
    friend bool operator==(const Extent&, const Extent&) = default;
};

inline constexpr int kDefaultPixelsPerInch = 96;

// Pixels to 0.01 mm and back at the given resolution, rounding to nearest.
int32_t pixelsToHundredthsMm(int32_t pixels, int pixelsPerInch = kDefaultPixelsPerInch);
int32_t hundredthsMmToPixels(int32_t hundredthsMm, int pixelsPerInch = kDefaultPixelsPerInch);

} // namespace quorvex::platform::component
