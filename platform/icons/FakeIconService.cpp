#include "platform/icons/FakeIconService.h"

#include "platform/files/CaseInsensitivePath.h"

#include <functional>

namespace platform {

std::string FakeIconService::iconNameFor(const std::string& path, DesktopEntryCache&)
{
    ++m_nameLookups;
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return {};
    return toLowerAscii(path.substr(dot + 1));
}

FileIcons FakeIconService::iconsNamed(const std::string& iconName)
{
    ++m_draws[iconName];
    FileIcons icons{QImage(kLargeIconPx, kLargeIconPx, QImage::Format_ARGB32),
                    QImage(kSmallIconPx, kSmallIconPx, QImage::Format_ARGB32)};
    icons.large.fill(colourOf(iconName));
    icons.small.fill(colourOf(iconName));
    return icons;
}

int FakeIconService::drawCount(const std::string& iconName) const
{
    const auto found = m_draws.find(iconName);
    return found == m_draws.end() ? 0 : found->second;
}

int FakeIconService::totalDraws() const
{
    int total = 0;
    for (const auto& [name, count] : m_draws)
        total += count;
    return total;
}

QRgb FakeIconService::colourOf(const std::string& iconName)
{
    return static_cast<QRgb>(std::hash<std::string>{}(iconName) & 0xFFFFFFu) | 0xFF000000u;
}

} // namespace platform
