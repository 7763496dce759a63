#pragma once

#include "platform/icons/IconService.h"

#include <map>
#include <string>

namespace platform {

// Icons for tests: a file's icon name is its lower-cased extension ("lnk",
// "url", ...; "" without one), each name is drawn as a square of its own
// colour, and every request is counted.
class FakeIconService final : public IconService {
public:
    std::string iconNameFor(const std::string& path, DesktopEntryCache& entries) override;
    FileIcons iconsNamed(const std::string& iconName) override;

    int nameLookups() const { return m_nameLookups; }
    // How often `iconName` was drawn.
    int drawCount(const std::string& iconName) const;
    int totalDraws() const;

    // The colour every icon of `iconName` is filled with.
    static QRgb colourOf(const std::string& iconName);

private:
    int m_nameLookups = 0;
    std::map<std::string, int> m_draws;
};

} // namespace platform
