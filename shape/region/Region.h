#pragma once

#include "shape/region/Rect.h"
#include "shape/region/WorkBudget.h"

#include <pixman.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvex::shape {

enum class FillRule : std::int32_t {
    Alternate = 1, // even-odd
    Winding = 2,   // non-zero
};

// The numeric values are the combine modes that shape users store.
enum class CombineMode : std::int32_t {
    Intersect = 1,
    Union = 2,
    Xor = 3,
    Difference = 4, // pixels of the first region that are not in the second
    Copy = 5,       // the second region replaces the first
};

// Rasterised coordinates are clamped to this magnitude so that every product
// in the scan converters fits in 64 (ellipse: 128) bits.
inline constexpr std::int32_t kCoordinateLimit = 1 << 30;

// The largest area rasterisation ever covers, far beyond any window, so that
// an absurd figure cannot scan a billion rows. Callers that know the window
// pass a smaller clip.
inline constexpr Rect kRasterCanvas{-65536, -65536, 65536, 65536};

// A set of pixels held in pixman's canonical banded form: rectangles sorted
// top to bottom, then left to right; rectangles of one band share top and
// bottom; no two rectangles of a band touch; vertically adjacent bands with the
// same spans are merged. Because the form is canonical, two regions cover the
// same pixels exactly when their rectangle lists are equal.
//
// A Region is always a valid set (possibly empty). "No region at all" is
// spelt std::optional<Region>.
class Region {
public:
    Region();
    explicit Region(const Rect& rect);
    ~Region();
    Region(const Region& other);
    Region(Region&& other) noexcept;
    Region& operator=(const Region& other);
    Region& operator=(Region&& other) noexcept;

    // The union of the rectangles; they may overlap or touch, empty ones are
    // ignored.
    static Region fromRects(std::span<const Rect> rects);

    // Rectangles that are already y-x sorted, non-overlapping, maximal per
    // band and with identical adjacent bands merged (what the scan converters
    // produce). Cheaper than fromRects; asserts on unsorted input in debug.
    static Region fromBandedRects(std::span<const Rect> rects);

    // The pixels inside the closed polygon through `points`. Coverage is that
    // of the X11 polygon rasteriser: on scan line y an edge crosses at the
    // smallest integer x at or right of its exact intercept, and a pixel is
    // inside when the crossings at or left of it count odd (Alternate) or sum
    // to a non-zero winding number (Winding). Fewer than three distinct
    // vertices, or no area, give an empty region. Vertices are clamped to
    // +-kCoordinateLimit.
    //
    // Only pixels inside `clip` are produced. Each scan line costs `budget`
    // one step plus one per edge crossing it and per reordering of edges;
    // WorkBudgetExceeded escapes when it runs out.
    static Region polygon(std::span<const Point> points, FillRule rule, const Rect& clip = kRasterCanvas,
                          WorkBudget* budget = nullptr);

    // The pixels whose centres lie strictly inside the ellipse inscribed in
    // `box` (right and bottom exclusive). A box with swapped edges is
    // normalised first; an empty box gives an empty region. Only pixels
    // inside `clip` are produced, at one step of `budget` per scan line.
    static Region ellipse(const Rect& box, const Rect& clip = kRasterCanvas, WorkBudget* budget = nullptr);

    // this = this (mode) other.
    void combine(const Region& other, CombineMode mode);

    void translate(std::int32_t dx, std::int32_t dy);

    // (0,0,0,0) for an empty region.
    Rect boundingBox() const;
    std::vector<Rect> rects() const;
    std::size_t rectCount() const;
    bool isEmpty() const;
    std::uint64_t area() const;
    bool contains(std::int32_t x, std::int32_t y) const;

    const pixman_region32_t* pixman() const { return &m_region; }

    friend bool operator==(const Region& a, const Region& b);

private:
    void normaliseEmpty();

    pixman_region32_t m_region;
};

} // namespace quorvex::shape
