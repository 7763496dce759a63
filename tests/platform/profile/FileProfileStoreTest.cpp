#include "platform/profile/FileProfileStore.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using platform::FileProfileStore;
using testsupport::TempFolder;

TEST(FileProfileStore, MissingFileReadsAsMissingAndWriteCreatesIt)
{
    TempFolder folder;
    FileProfileStore store;
    const std::string file = folder.str() + "Quorvex.ini";
    EXPECT_EQ(store.read(file, "Options", "StartupSkin"), std::nullopt);
    EXPECT_EQ(store.write(file, "Options", "StartupSkin", "Dusk"), "");
    EXPECT_EQ(folder.read("Quorvex.ini"), "[Options]\nStartupSkin=Dusk\n");
    EXPECT_EQ(store.read(file, "options", "startupskin"), "Dusk");
}

TEST(FileProfileStore, FindsFilesWithoutRegardToCase)
{
    TempFolder folder;
    folder.write("skins/Dusk/DUSK.INI", "[SkinInfo]\nSectionNum=3\n");
    FileProfileStore store;
    EXPECT_EQ(store.read(folder.str() + "skins/dusk/dusk.ini", "SkinInfo", "SectionNum"), "3");
    // Writing through another letter case updates the existing file.
    store.write(folder.str() + "skins/Dusk/Dusk.ini", "SkinInfo", "SectionNum", "4");
    EXPECT_EQ(folder.read("skins/Dusk/DUSK.INI"), "[SkinInfo]\nSectionNum=4\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "skins/Dusk/Dusk.ini"));
}

TEST(FileProfileStore, SeesChangesMadeBehindItsBack)
{
    TempFolder folder;
    folder.write("a.ini", "[A]\nk=1\n");
    FileProfileStore store;
    EXPECT_EQ(store.read(folder.str() + "a.ini", "A", "k"), "1");
    folder.write("a.ini", "[A]\nk=22\n"); // another size, so a new read is due
    EXPECT_EQ(store.read(folder.str() + "a.ini", "A", "k"), "22");
}

TEST(FileProfileStore, WriteLeavesNoTemporaryFilesAndKeepsPermissions)
{
    TempFolder folder;
    const auto file = folder.write("s.ini", "[A]\nk=1\n");
    ::chmod(file.c_str(), 0640);
    FileProfileStore store;
    store.write(file.string(), "A", "k", "2");
    int entries = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1);
    struct stat status {};
    ::stat(file.c_str(), &status);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
}

TEST(FileProfileStore, FailedWritesAreReportedAndLeaveNothingBehind)
{
    TempFolder folder;
    FileProfileStore store;
    // No folder to put the file in.
    EXPECT_NE(store.write(folder.str() + "missing/s.ini", "A", "k", "1"), "");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "missing"));

    // A folder stands where the file should go: the rename over it fails.
    folder.write("taken.ini/keep.txt", "precious");
    EXPECT_NE(store.write(folder.str() + "taken.ini", "A", "k", "1"), "");
    EXPECT_EQ(folder.read("taken.ini/keep.txt"), "precious");
    int entries = 0;
    for ([[maybe_unused]] auto& entry : std::filesystem::directory_iterator(folder.path()))
        ++entries;
    EXPECT_EQ(entries, 1); // no temporary file left
}
