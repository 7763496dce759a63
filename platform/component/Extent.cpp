#include "platform/component/Extent.h"

#include <cassert>
#include <cstdint>

namespace quorvex::platform::component {

// One inch is 2540 hundredths of a millimetre.
int32_t pixelsToHundredthsMm(int32_t pixels, int pixelsPerInch)
{
    assert(pixelsPerInch > 0);
    int64_t scaled = int64_t(pixels) * 2540;
    int64_t half = pixelsPerInch / 2;
    return static_cast<int32_t>(scaled >= 0 ? (scaled + half) / pixelsPerInch : (scaled - half) / pixelsPerInch);
}

int32_t hundredthsMmToPixels(int32_t hundredthsMm, int pixelsPerInch)
{
    assert(pixelsPerInch > 0);
    int64_t scaled = int64_t(hundredthsMm) * pixelsPerInch;
    return static_cast<int32_t>(scaled >= 0 ? (scaled + 1270) / 2540 : (scaled - 1270) / 2540);
}

} // namespace quorvex::platform::component
