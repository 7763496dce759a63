#include "platform/windowregion/RecordingWindowRegionSystem.h"

namespace quorvex::platform {

void RecordingWindowRegionSystem::setRegion(RegionWindowId window, std::span<const RegionRect> rects)
{
    std::vector<RegionRect> copy(rects.begin(), rects.end());
    m_calls.push_back({ Call::Kind::Set, window, copy });
    m_regions[window] = std::move(copy);
}

void RecordingWindowRegionSystem::clearRegion(RegionWindowId window)
{
    m_calls.push_back({ Call::Kind::Clear, window, {} });
    m_regions.erase(window);
}

std::optional<RegionRect> RecordingWindowRegionSystem::windowRect(RegionWindowId window) const
{
    auto found = m_windows.find(window);
    if (found == m_windows.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::vector<RegionRect>> RecordingWindowRegionSystem::currentRegion(RegionWindowId window) const
{
    auto found = m_regions.find(window);
    if (found == m_regions.end())
        return std::nullopt;
    return found->second;
}

} // namespace quorvex::platform
