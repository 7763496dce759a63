#include "shape/region/BandBuilder.h"

#include <algorithm>
#include <cassert>

namespace quorvex::shape {

void BandBuilder::addRow(std::int32_t y, const std::vector<Span>& spans)
{
    addRow(y, spans.data(), spans.size());
}

void BandBuilder::addRow(std::int32_t y, const Span* spans, std::size_t count)
{
    assert(m_band.empty() || y >= m_bandBottom);
    if (!m_band.empty() && y == m_bandBottom && count == m_band.size()
        && std::equal(spans, spans + count, m_band.begin())) {
        ++m_bandBottom;
        return;
    }
    flush();
    if (count == 0)
        return;
    m_band.assign(spans, spans + count);
    m_bandTop = y;
    m_bandBottom = y + 1;
}

void BandBuilder::flush()
{
    for (const Span& span : m_band)
        m_rects.push_back(Rect{span.left, m_bandTop, span.right, m_bandBottom});
    m_band.clear();
}

std::vector<Rect> BandBuilder::finish()
{
    flush();
    return std::move(m_rects);
}

} // namespace quorvex::shape
