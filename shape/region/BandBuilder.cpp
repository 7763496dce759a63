#include "shape/region/BandBuilder.h"

#include <cassert>

namespace quorvex::shape {

void BandBuilder::addRow(std::int32_t y, const std::vector<Span>& spans)
{
    addRow(y, spans.data(), spans.size());
}

void BandBuilder::addRow(std::int32_t y, const Span* spans, std::size_t count)
{
    assert(m_bandSize == 0 || y >= m_bandBottom);
    if (m_bandSize != 0 && y == m_bandBottom && count == m_bandSize) {
        const Rect* band = m_rects.data() + (m_rects.size() - m_bandSize);
        bool same = true;
        for (std::size_t i = 0; i < count && same; ++i)
            same = band[i].left == spans[i].left && band[i].right == spans[i].right;
        if (same) {
            ++m_bandBottom;
            return;
        }
    }
    closeBand();
    for (std::size_t i = 0; i < count; ++i)
        m_rects.push_back(Rect{spans[i].left, y, spans[i].right, y + 1});
    m_bandSize = count;
    m_bandBottom = y + 1;
}

void BandBuilder::repeatLastRow(std::int32_t rows)
{
    // An empty last row opened no band, and repeating it adds nothing.
    if (m_bandSize != 0)
        m_bandBottom += rows;
}

void BandBuilder::closeBand()
{
    for (std::size_t i = m_rects.size() - m_bandSize; i < m_rects.size(); ++i)
        m_rects[i].bottom = m_bandBottom;
    m_bandSize = 0;
}

std::vector<Rect> BandBuilder::finish()
{
    closeBand();
    return std::move(m_rects);
}

} // namespace quorvex::shape
