// Feeds arbitrary text to the shape parser and rasterises what it finds at a
// scale taken from the input, checking the region's invariants on the way.

#include "shape/region/ShapeRegion.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace quorvex::shape;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The first bytes choose the scale factors, so scaled rasterisation and
    // the AutoScale arithmetic are explored as well.
    double scaleX = 1.0;
    double scaleY = 1.0;
    if (size >= 2) {
        scaleX = 0.25 + (data[0] % 16) * 0.25;
        scaleY = 0.25 + (data[1] % 16) * 0.25;
        data += 2;
        size -= 2;
    }
    ParsedShape shape;
    shape.text.assign(reinterpret_cast<const char*>(data), size);
    ParseShapeString(shape);

    for (std::size_t i = 0; i < shape.figureCount(); ++i) {
        if (shape.figureBegin(i) >= shape.figureEnd(i) || shape.figureEnd(i) > shape.records.size())
            std::abort();
    }
    for (FillRule rule : {FillRule::Alternate, FillRule::Winding}) {
        const std::optional<Region> region = BuildShapeRegion(shape, scaleX, scaleY, rule, CombineMode::Xor);
        if (!region)
            continue;
        const Rect box = region->boundingBox();
        for (const Rect& r : region->rects()) {
            if (r.isEmpty() || r.left < box.left || r.right > box.right || r.top < box.top || r.bottom > box.bottom)
                std::abort();
        }
        Region scaled = *region;
        ScaleRegion(scaled, 0, 0, scaleX, scaleY);
    }
    return 0;
}
