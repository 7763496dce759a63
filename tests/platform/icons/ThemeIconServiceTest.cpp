#include "platform/icons/ThemeIconService.h"

#include <gtest/gtest.h>

namespace {

bool hasVisiblePixels(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
    return false;
}

TEST(ThemeIconService, EveryNameGivesBothSizes)
{
    platform::ThemeIconService icons;
    for (const std::string name : {"", "quorvex-no-such-icon", "folder", "/nonexistent/icon.png"}) {
        const platform::FileIcons drawn = icons.iconsNamed(name);
        EXPECT_EQ(drawn.large.size(), QSize(32, 32)) << name;
        EXPECT_EQ(drawn.small.size(), QSize(16, 16)) << name;
        EXPECT_TRUE(hasVisiblePixels(drawn.large)) << name;
        EXPECT_TRUE(hasVisiblePixels(drawn.small)) << name;
    }
}

TEST(ThemeIconService, UnknownNameGivesTheBuiltInIcon)
{
    platform::ThemeIconService icons;
    EXPECT_EQ(icons.iconsNamed("quorvex-no-such-icon").large, platform::drawFallbackIcon(32));
    EXPECT_EQ(icons.iconsNamed("").small, platform::drawFallbackIcon(16));
}

// The machines this is built on carry a full icon theme (see the dependency
// list), so well-known names must come from it, not from the fallback.
TEST(ThemeIconService, KnownNamesComeFromTheTheme)
{
    platform::ThemeIconService icons;
    for (const std::string name : {"folder", "application-x-executable", "text-x-generic"}) {
        const platform::FileIcons drawn = icons.iconsNamed(name);
        EXPECT_NE(drawn.large, platform::drawFallbackIcon(32)) << name;
        EXPECT_NE(drawn.small, platform::drawFallbackIcon(16)) << name;
    }
    platform::DesktopEntryCache entries;
    EXPECT_EQ(icons.iconNameFor("/", entries), "folder");
}

} // namespace
