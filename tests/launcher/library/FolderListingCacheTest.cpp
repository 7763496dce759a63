#include "launcher/library/FolderListingCache.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

using Names = std::vector<std::string>;
namespace fs = std::filesystem;

void makeOld(const fs::path& folder)
{
    fs::last_write_time(folder, fs::file_time_type::clock::now() - std::chrono::hours(1));
}

TEST(FolderListingCache, SettledFolderIsKeptUntilItsTimeChanges)
{
    testsupport::TempFolder folder;
    folder.write("lib/a.lnk", "");
    makeOld(folder.path() / "lib");
    launcher::FolderListingCache cache;

    EXPECT_EQ(cache.list(folder.str() + "lib", platform::EntryKind::Files), Names{"a.lnk"});
    EXPECT_EQ(cache.keptCount(), 1);

    folder.write("lib/b.lnk", "");
    Names names = cache.list(folder.str() + "lib", platform::EntryKind::Files);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"a.lnk", "b.lnk"}));
    EXPECT_EQ(cache.keptCount(), 0) << "just changed: not yet settled";

    fs::rename(folder.path() / "lib/a.lnk", folder.path() / "lib/c.lnk");
    names = cache.list(folder.str() + "lib", platform::EntryKind::Files);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"b.lnk", "c.lnk"}));
}

// A folder changed within the time resolution of its clock could show the
// same time twice; such listings are never reused.
TEST(FolderListingCache, FreshFolderIsListedEveryTime)
{
    testsupport::TempFolder folder;
    folder.write("lib/a.lnk", "");
    launcher::FolderListingCache cache;
    EXPECT_EQ(cache.list(folder.str() + "lib", platform::EntryKind::Files), Names{"a.lnk"});
    EXPECT_EQ(cache.keptCount(), 0);
}

TEST(FolderListingCache, KindsAndMissingFoldersAreSeparate)
{
    testsupport::TempFolder folder;
    folder.write("lib/a.lnk", "");
    fs::create_directories(folder.path() / "lib/Sub");
    makeOld(folder.path() / "lib");
    launcher::FolderListingCache cache;
    EXPECT_EQ(cache.list(folder.str() + "lib", platform::EntryKind::Files), Names{"a.lnk"});
    EXPECT_EQ(cache.list(folder.str() + "lib", platform::EntryKind::Folders), Names{"Sub"});
    EXPECT_TRUE(cache.list(folder.str() + "gone", platform::EntryKind::Files).empty());
    EXPECT_EQ(cache.keptCount(), 2);

    fs::remove_all(folder.path() / "lib");
    EXPECT_TRUE(cache.list(folder.str() + "lib", platform::EntryKind::Files).empty());
}

} // namespace
