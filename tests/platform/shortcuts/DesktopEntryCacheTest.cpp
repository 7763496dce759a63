#include "platform/shortcuts/DesktopEntryCache.h"

#include "support/LaterClock.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace {

const char* const kEntry = "[Desktop Entry]\nType=Application\nName=First\nExec=true\n";
const char* const kLongerEntry = "[Desktop Entry]\nType=Application\nName=Second one\nExec=true\n";

std::string nameOf(const platform::DesktopEntryRead& read)
{
    return read.entry ? read.entry->name() : "<" + read.error + ">";
}

// How often one file is opened over two listings of its folder, with or
// without a change between them, for a file just written and a settled one.
TEST(DesktopEntryCache, ReadsAFileOncePerListingAndKeepsOnlySettledReads)
{
    struct Case {
        const char* name;
        platform::WallClock clock;
        bool changeBetween;
        int reads;
        const char* secondName;
    };
    const Case cases[] = {
        {"FreshUnchanged", platform::wallClockNow, false, 2, "First"},
        {"SettledUnchanged", testsupport::anHourLater, false, 1, "First"},
        {"SettledChanged", testsupport::anHourLater, true, 2, "Second one"},
        {"FreshChanged", platform::wallClockNow, true, 2, "Second one"},
    };
    for (const Case& c : cases) {
        testsupport::TempFolder folder;
        const std::string path = folder.write("Tools/a.desktop", kEntry).string();
        const std::string section = folder.str() + "Tools";
        platform::DesktopEntryCache cache(c.clock);

        cache.beginListing(section);
        EXPECT_EQ(nameOf(cache.read(path)), "First") << c.name;
        EXPECT_EQ(nameOf(cache.read(path)), "First") << c.name;
        EXPECT_EQ(cache.fileReads(), 1) << c.name;

        if (c.changeBetween)
            folder.write("Tools/a.desktop", kLongerEntry);
        cache.beginListing(section);
        EXPECT_EQ(nameOf(cache.read(path)), c.secondName) << c.name;
        EXPECT_EQ(nameOf(cache.read(path)), c.secondName) << c.name;
        EXPECT_EQ(cache.fileReads(), c.reads) << c.name;
    }
}

TEST(DesktopEntryCache, UnreadableFilesKeepTheirMessage)
{
    testsupport::TempFolder folder;
    const std::string broken = folder.write("broken.desktop", "no group here\n").string();
    const std::string missing = folder.str() + "missing.desktop";
    platform::DesktopEntryCache cache(testsupport::anHourLater);
    cache.beginListing(folder.path().string());

    const std::string brokenError = cache.read(broken).error;
    EXPECT_NE(brokenError.find(broken), std::string::npos) << brokenError;
    EXPECT_FALSE(cache.read(broken).entry);
    EXPECT_EQ(cache.read(broken).error, brokenError);

    const std::string missingError = cache.read(missing).error;
    EXPECT_NE(missingError.find(missing), std::string::npos) << missingError;
    EXPECT_FALSE(cache.read(missing).entry);
    // Without a stamp nothing tells whether it came back: it is tried anew.
    folder.write("missing.desktop", kEntry);
    EXPECT_EQ(nameOf(cache.read(missing)), "First");
}

} // namespace
