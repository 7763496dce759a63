#pragma once

#include <cstdint>

namespace quorvex::shape {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

// A half-open rectangle: it covers left <= x < right and top <= y < bottom.
struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int64_t width() const { return std::int64_t(right) - left; }
    std::int64_t height() const { return std::int64_t(bottom) - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }

    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace quorvex::shape
