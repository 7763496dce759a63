#include "launcher/library/FolderListingCache.h"

#include "support/LaterClock.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

using Names = std::vector<std::string>;
namespace fs = std::filesystem;

Names sorted(Names names)
{
    std::sort(names.begin(), names.end());
    return names;
}

TEST(FolderListingCache, SettledFolderIsKeptUntilItsStampChanges)
{
    testsupport::TempFolder folder;
    folder.write("lib/a.lnk", "");
    launcher::FolderListingCache cache(testsupport::anHourLater);

    EXPECT_EQ(cache.list(folder.str() + "lib", platform::EntryKind::Files), Names{"a.lnk"});
    EXPECT_EQ(cache.keptCount(), 1);

    folder.write("lib/b.lnk", "");
    EXPECT_EQ(sorted(cache.list(folder.str() + "lib", platform::EntryKind::Files)), (Names{"a.lnk", "b.lnk"}));

    fs::rename(folder.path() / "lib/a.lnk", folder.path() / "lib/c.lnk");
    EXPECT_EQ(sorted(cache.list(folder.str() + "lib", platform::EntryKind::Files)), (Names{"b.lnk", "c.lnk"}));
}

// Tools that copy or restore folders set the modification time back; two
// different contents can then carry the same one. The status-change time,
// which nobody can set, still tells them apart.
TEST(FolderListingCache, ModificationTimeSetBackAfterAChangeIsNoDisguise)
{
    testsupport::TempFolder folder;
    folder.write("lib/a.lnk", "");
    const auto restored = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(folder.path() / "lib", restored);
    launcher::FolderListingCache cache(testsupport::anHourLater);
    EXPECT_EQ(cache.list(folder.str() + "lib", platform::EntryKind::Files), Names{"a.lnk"});

    folder.write("lib/b.lnk", "");
    fs::last_write_time(folder.path() / "lib", restored);
    EXPECT_EQ(sorted(cache.list(folder.str() + "lib", platform::EntryKind::Files)), (Names{"a.lnk", "b.lnk"}));
}

// A folder changed within the time resolution of its clock could show the
// same stamp twice; such listings are never reused, however old the
// modification time claims to be.
TEST(FolderListingCache, FreshFolderIsListedEveryTime)
{
    testsupport::TempFolder folder;
    folder.write("lib/a.lnk", "");
    fs::last_write_time(folder.path() / "lib", fs::file_time_type::clock::now() - std::chrono::hours(1));
    launcher::FolderListingCache cache;
    EXPECT_EQ(cache.list(folder.str() + "lib", platform::EntryKind::Files), Names{"a.lnk"});
    EXPECT_EQ(cache.keptCount(), 0);
}

TEST(FolderListingCache, KindsAndMissingFoldersAreSeparate)
{
    testsupport::TempFolder folder;
    folder.write("lib/a.lnk", "");
    fs::create_directories(folder.path() / "lib/Sub");
    launcher::FolderListingCache cache(testsupport::anHourLater);
    EXPECT_EQ(cache.list(folder.str() + "lib", platform::EntryKind::Files), Names{"a.lnk"});
    EXPECT_EQ(cache.list(folder.str() + "lib", platform::EntryKind::Folders), Names{"Sub"});
    EXPECT_TRUE(cache.list(folder.str() + "gone", platform::EntryKind::Files).empty());
    EXPECT_EQ(cache.keptCount(), 2);

    fs::remove_all(folder.path() / "lib");
    EXPECT_TRUE(cache.list(folder.str() + "lib", platform::EntryKind::Files).empty());
}

} // namespace
