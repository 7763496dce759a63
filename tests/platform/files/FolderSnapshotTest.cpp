#include "platform/files/FolderSnapshot.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>

using platform::FolderSnapshot;
using testsupport::TempFolder;

namespace fs = std::filesystem;

namespace {

bool notBackup(const std::string& name)
{
    return name.back() != '~';
}

} // namespace

// A snapshot changes with what the files hold, not with how they were
// written: a rewrite of the same bytes, a rename over with the same bytes
// or a touch leaves it equal; any other byte, a new or a removed file does not.
TEST(FolderSnapshotTest, EqualExactlyWhenTheFilesHoldTheSameBytes)
{
    struct Case {
        const char* name;
        std::function<void(const TempFolder&)> change;
        bool same;
    };
    const std::vector<Case> cases = {
        {"same bytes written again", [](const TempFolder& f) { f.write("a.ini", "[A]\nx=1\n"); }, true},
        {"same bytes renamed over",
         [](const TempFolder& f) {
             f.write("a.ini.new", "[A]\nx=1\n");
             fs::rename(f.path() / "a.ini.new", f.path() / "a.ini");
         },
         true},
        {"touched", [](const TempFolder& f) { fs::last_write_time(f.path() / "b.bmp", fs::file_time_type::clock::now()); },
         true},
        {"a file left out by the filter", [](const TempFolder& f) { f.write("a.ini~", "backup"); }, true},
        {"a hidden file", [](const TempFolder& f) { f.write(".a.ini.swp", "swap"); }, true},
        {"a folder", [](const TempFolder& f) { fs::create_directories(f.path() / "sub"); }, true},
        {"one byte changed, same size", [](const TempFolder& f) { f.write("a.ini", "[A]\nx=2\n"); }, false},
        {"cut short", [](const TempFolder& f) { fs::resize_file(f.path() / "b.bmp", 1); }, false},
        {"a file added", [](const TempFolder& f) { f.write("c.wav", "RIFF"); }, false},
        {"a file removed", [](const TempFolder& f) { fs::remove(f.path() / "b.bmp"); }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        folder.write("a.ini", "[A]\nx=1\n");
        folder.write("b.bmp", "BM picture");
        const FolderSnapshot before = FolderSnapshot::of(folder.path(), notBackup);
        ASSERT_EQ(before.files.size(), 2u);
        c.change(folder);
        EXPECT_EQ(FolderSnapshot::of(folder.path(), notBackup) == before, c.same);
    }
}

TEST(FolderSnapshotTest, AFileThatCannotBeReadIsListedWithoutAHashAndAMissingFolderIsEmpty)
{
    TempFolder folder;
    ASSERT_EQ(::mkfifo((folder.path() / "pipe.bmp").c_str(), 0600), 0);
    folder.write("a.ini", "[A]\n");
    const FolderSnapshot snapshot = FolderSnapshot::of(folder.path(), notBackup);
    ASSERT_EQ(snapshot.files.size(), 2u);
    EXPECT_TRUE(snapshot.files.at("a.ini").has_value());
    EXPECT_EQ(snapshot.files.at("pipe.bmp"), std::nullopt);
    EXPECT_EQ(FolderSnapshot::hashOf(folder.path()), std::nullopt); // a folder is not a file
    EXPECT_TRUE(FolderSnapshot::of(folder.path() / "gone", notBackup).files.empty());
}
