#pragma once

#include "shape/region/Rect.h"

#include <cstdint>
#include <vector>

namespace quorvex::shape {

// Collects one row of spans at a time, top to bottom, and emits rectangles in
// pixman's canonical banded form: consecutive rows with identical spans become
// one band, so a tall shape costs one rectangle per span change, not per row.
class BandBuilder {
public:
    struct Span {
        std::int32_t left;
        std::int32_t right;
        friend bool operator==(const Span&, const Span&) = default;
    };

    // Spans must be sorted, non-empty and non-touching; rows strictly
    // increasing.
    void addRow(std::int32_t y, const std::vector<Span>& spans);
    void addRow(std::int32_t y, const Span* spans, std::size_t count);

    // The `rows` rows after the last one added have its spans.
    void repeatLastRow(std::int32_t rows);

    // Closes the open band and hands over the rectangles.
    std::vector<Rect> finish();

private:
    void closeBand();

    // The open band's rectangles are the last m_bandSize entries of m_rects;
    // their bottom is written when the band closes.
    std::vector<Rect> m_rects;
    std::size_t m_bandSize = 0;
    std::int32_t m_bandBottom = 0;
};

} // namespace quorvex::shape
