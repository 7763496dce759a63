#include "shape/region/Region.h"

#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

namespace quorvex::shape {

namespace {

static_assert(sizeof(pixman_box32_t) == sizeof(Rect), "Rect must mirror pixman's box");

const pixman_box32_t* asBoxes(const Rect* rects)
{
    return reinterpret_cast<const pixman_box32_t*>(rects);
}

} // namespace

Region::Region()
{
    pixman_region32_init(&m_region);
}

Region::Region(const Rect& rect)
{
    if (rect.isEmpty())
        pixman_region32_init(&m_region);
    else
        pixman_region32_init_rect(&m_region, rect.left, rect.top,
                                  static_cast<unsigned>(rect.width()),
                                  static_cast<unsigned>(rect.height()));
}

Region::~Region()
{
    pixman_region32_fini(&m_region);
}

Region::Region(const Region& other)
{
    pixman_region32_init(&m_region);
    pixman_region32_copy(&m_region, &other.m_region);
}

Region::Region(Region&& other) noexcept
{
    // pixman regions hold no self-pointers, so the struct can be taken over
    // and the source re-initialised as empty.
    m_region = other.m_region;
    pixman_region32_init(&other.m_region);
}

Region& Region::operator=(const Region& other)
{
    if (this != &other)
        pixman_region32_copy(&m_region, &other.m_region);
    return *this;
}

Region& Region::operator=(Region&& other) noexcept
{
    if (this != &other) {
        pixman_region32_fini(&m_region);
        m_region = other.m_region;
        pixman_region32_init(&other.m_region);
    }
    return *this;
}

Region Region::fromRects(std::span<const Rect> rects)
{
    Region region;
    if (rects.empty())
        return region;
    // init_rects drops empty rectangles and sorts, merges and coalesces the rest.
    pixman_region32_fini(&region.m_region);
    pixman_region32_init_rects(&region.m_region, asBoxes(rects.data()), static_cast<int>(rects.size()));
    region.normaliseEmpty();
    return region;
}

Region Region::fromBandedRects(std::span<const Rect> rects)
{
    if (rects.size() <= 1)
        return rects.empty() ? Region() : Region(rects.front());
#ifndef NDEBUG
    for (std::size_t i = 1; i < rects.size(); ++i) {
        const Rect& a = rects[i - 1];
        const Rect& b = rects[i];
        assert(!a.isEmpty() && !b.isEmpty());
        assert(a.top < b.top || (a.top == b.top && a.bottom == b.bottom && a.right < b.left));
        assert(a.top == b.top || a.bottom <= b.top);
    }
#endif
    // The rectangles are already in pixman's canonical form, so the region
    // is assembled directly in pixman's public data layout (a header followed
    // by the boxes, released by pixman with free()) instead of sorting and
    // coalescing everything again. For large masks this is most of the cost.
    const std::size_t count = rects.size();
    auto* data = static_cast<pixman_region32_data_t*>(
        std::malloc(sizeof(pixman_region32_data_t) + count * sizeof(pixman_box32_t)));
    if (!data)
        throw std::bad_alloc();
    data->size = static_cast<long>(count);
    data->numRects = static_cast<long>(count);
    std::memcpy(reinterpret_cast<pixman_box32_t*>(data + 1), rects.data(), count * sizeof(pixman_box32_t));

    std::int32_t left = rects.front().left;
    std::int32_t right = rects.front().right;
    for (const Rect& r : rects) {
        left = std::min(left, r.left);
        right = std::max(right, r.right);
    }
    Region region;
    pixman_region32_fini(&region.m_region);
    region.m_region.extents = pixman_box32_t{left, rects.front().top, right, rects.back().bottom};
    region.m_region.data = data;
    assert(pixman_region32_selfcheck(&region.m_region));
    return region;
}

void Region::normaliseEmpty()
{
    // pixman leaves the extents of an emptied region wherever the operation
    // ended; an empty region has one representation so that equality holds.
    if (!pixman_region32_not_empty(&m_region))
        pixman_region32_clear(&m_region);
}

void Region::combine(const Region& other, CombineMode mode)
{
    switch (mode) {
    case CombineMode::Intersect:
        pixman_region32_intersect(&m_region, &m_region, &other.m_region);
        break;
    case CombineMode::Union:
        pixman_region32_union(&m_region, &m_region, &other.m_region);
        break;
    case CombineMode::Xor: {
        pixman_region32_t onlyOther;
        pixman_region32_init(&onlyOther);
        pixman_region32_subtract(&onlyOther, &other.m_region, &m_region);
        pixman_region32_subtract(&m_region, &m_region, &other.m_region);
        pixman_region32_union(&m_region, &m_region, &onlyOther);
        pixman_region32_fini(&onlyOther);
        break;
    }
    case CombineMode::Difference:
        pixman_region32_subtract(&m_region, &m_region, &other.m_region);
        break;
    case CombineMode::Copy:
        if (this != &other)
            pixman_region32_copy(&m_region, &other.m_region);
        break;
    }
    normaliseEmpty();
}

void Region::translate(std::int32_t dx, std::int32_t dy)
{
    pixman_region32_translate(&m_region, dx, dy);
}

Rect Region::boundingBox() const
{
    if (isEmpty())
        return Rect{};
    const pixman_box32_t* box = pixman_region32_extents(&m_region);
    return Rect{box->x1, box->y1, box->x2, box->y2};
}

std::vector<Rect> Region::rects() const
{
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&m_region, &count);
    std::vector<Rect> result;
    result.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        result.push_back(Rect{boxes[i].x1, boxes[i].y1, boxes[i].x2, boxes[i].y2});
    return result;
}

std::size_t Region::rectCount() const
{
    return static_cast<std::size_t>(pixman_region32_n_rects(&m_region));
}

bool Region::isEmpty() const
{
    return !pixman_region32_not_empty(&m_region);
}

std::uint64_t Region::area() const
{
    int count = 0;
    const pixman_box32_t* boxes = pixman_region32_rectangles(&m_region, &count);
    std::uint64_t total = 0;
    for (int i = 0; i < count; ++i)
        total += std::uint64_t(std::int64_t(boxes[i].x2) - boxes[i].x1)
                 * std::uint64_t(std::int64_t(boxes[i].y2) - boxes[i].y1);
    return total;
}

bool Region::contains(std::int32_t x, std::int32_t y) const
{
    return pixman_region32_contains_point(&m_region, x, y, nullptr);
}

bool operator==(const Region& a, const Region& b)
{
    if (a.isEmpty() || b.isEmpty())
        return a.isEmpty() == b.isEmpty();
    return pixman_region32_equal(&a.m_region, &b.m_region);
}

} // namespace quorvex::shape
