#pragma once

// Shape texts that are cheap to write and expensive to rasterise naively,
// shared by the region tests and the benchmarks.

#include <cstdint>
#include <string>

namespace quorvex::shape::hostile {

namespace detail {

// A fixed linear congruential sequence: the same text on every run and
// every standard library.
class Sequence {
public:
    int next(int bound)
    {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<int>((m_state >> 33) % static_cast<std::uint64_t>(bound));
    }

private:
    std::uint64_t m_state = 20261208u;
};

} // namespace detail

// `count` parallel stripes, 5 pixels wide and 20 apart, each running at 45
// degrees from far above to far below any window: every scan line differs,
// and the exclusive-or of all of them keeps up to `count` spans per line.
inline std::string diagonalStripes(int count)
{
    std::string text;
    auto point = [](int x, int y) { return "(" + std::to_string(x) + "," + std::to_string(y) + ")"; };
    for (int i = 0; i < count; ++i) {
        const int x = i * 20 - 1000; // where the stripe crosses y = 0
        text += "{" + point(x - 70000, -70000) + point(x - 69995, -70000) + point(x + 70005, 70000)
                + point(x + 70000, 70000) + "}";
    }
    return text;
}

// `count` full circles with centres and radii scattered over a few hundred
// pixels, so nearly all of them overlap one another.
inline std::string overlappingCircles(int count)
{
    detail::Sequence random;
    std::string text;
    for (int i = 0; i < count; ++i) {
        const int cx = 100 + random.next(400);
        const int cy = 100 + random.next(300);
        const int r = 50 + random.next(150);
        text += "{(" + std::to_string(cx + r) + "," + std::to_string(cy) + ")[" + std::to_string(cx) + ","
                + std::to_string(cy) + ",360]}";
    }
    return text;
}

// One figure of `vertices` points alternating between far above and far
// below, a pixel apart: every scan line crosses every edge.
inline std::string zigZag(int vertices)
{
    std::string text = "{";
    for (int i = 0; i < vertices; ++i)
        text += "(" + std::to_string(i) + "," + (i % 2 == 0 ? "-70000" : "70000") + ")";
    return text + "}";
}

} // namespace quorvex::shape::hostile
