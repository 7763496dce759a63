#include "platform/files/NoOverwriteCopier.h"

#include "platform/files/RenameWithoutReplacing.h"
#include "platform/files/TemporaryNames.h"
#include "support/FolderEntries.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

using platform::NoOverwriteCopier;
using testsupport::TempFolder;

namespace fs = std::filesystem;

namespace {

size_t entriesIn(const fs::path& folder)
{
    size_t count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(folder))
        ++count;
    return count;
}

} // namespace

TEST(NoOverwriteCopier, CopiesOnlyWhereNothingIs)
{
    TempFolder folder;
    folder.write("from/a.txt", "new");
    folder.write("from/skin/one.ini", "one");
    folder.write("from/skin/sub/two.bmp", "two");
    folder.write("to/a.txt", "mine");
    fs::create_directories(folder.path() / "to/skin");
    std::string error;

    EXPECT_EQ(NoOverwriteCopier::copyFile(folder.path() / "from/a.txt", folder.path() / "to/a.txt", &error),
              NoOverwriteCopier::Result::AlreadyThere);
    EXPECT_EQ(folder.read("to/a.txt"), "mine");
    EXPECT_EQ(NoOverwriteCopier::copyFolder(folder.path() / "from/skin", folder.path() / "to/skin", &error),
              NoOverwriteCopier::Result::AlreadyThere);
    EXPECT_FALSE(fs::exists(folder.path() / "to/skin/one.ini"));

    EXPECT_EQ(NoOverwriteCopier::copyFile(folder.path() / "from/a.txt", folder.path() / "to/b.txt", &error),
              NoOverwriteCopier::Result::Copied);
    EXPECT_EQ(folder.read("to/b.txt"), "new");
    EXPECT_EQ(NoOverwriteCopier::copyFolder(folder.path() / "from/skin", folder.path() / "to/other", &error),
              NoOverwriteCopier::Result::Copied);
    EXPECT_EQ(folder.read("to/other/sub/two.bmp"), "two");
    EXPECT_EQ(entriesIn(folder.path() / "to"), 4u); // a.txt b.txt skin other: no leftovers
}

TEST(NoOverwriteCopier, AFailedCopyLeavesNothingBehind)
{
    TempFolder folder;
    folder.write("from/skin/good.ini", "good");
    // A link to nothing cannot be copied, halfway through the folder.
    fs::create_symlink(folder.path() / "nowhere", folder.path() / "from/skin/zz-broken.bmp");
    fs::create_directories(folder.path() / "to");
    std::string error;

    EXPECT_EQ(NoOverwriteCopier::copyFolder(folder.path() / "from/skin", folder.path() / "to/skin", &error),
              NoOverwriteCopier::Result::Failed);
    EXPECT_NE(error.find("skin"), std::string::npos) << error;
    EXPECT_EQ(entriesIn(folder.path() / "to"), 0u);

    EXPECT_EQ(NoOverwriteCopier::copyFile(folder.path() / "from/missing", folder.path() / "to/missing", &error),
              NoOverwriteCopier::Result::Failed);
    EXPECT_EQ(entriesIn(folder.path() / "to"), 0u);
}

using testsupport::namesIn;

// What a copy killed halfway leaves behind (a file, a folder, a link under a
// temporary name) goes with the next copy into that folder once it is a
// minute old; what another process is copying right now stays.
TEST(NoOverwriteCopier, LeftoversOfKilledCopiesGoWithTheNextCopyIntoTheFolder)
{
    const struct {
        const char* name;
        NoOverwriteCopier::Result (*copy)(const fs::path&, const fs::path&, std::string*);
        const char* source;
    } copies[] = {
        {"file", &NoOverwriteCopier::copyFile, "from/a.ini"},
        {"folder", &NoOverwriteCopier::copyFolder, "from/skin"},
    };
    for (const auto& copy : copies) {
        SCOPED_TRACE(copy.name);
        TempFolder folder;
        folder.write("from/a.ini", "a");
        folder.write("from/skin/one.ini", "one");
        const fs::path to = folder.path() / "to";
        const std::string staleFile = platform::newTemporaryName();
        const std::string staleFolder = platform::newTemporaryName();
        const std::string staleLink = platform::newTemporaryName();
        const std::string freshFile = platform::newTemporaryName();
        const std::string busyFolder = platform::newTemporaryName();
        folder.write("to/" + staleFile, "half");
        folder.write("to/" + staleFolder + "/sub/half.bmp", "half");
        fs::create_symlink("nowhere", to / staleLink);
        folder.write("to/" + freshFile, "being written");
        folder.write("to/" + busyFolder + "/old.ini", "done long ago");
        folder.write("to/" + busyFolder + "/sub/now.bmp", "being written");
        folder.write("to/.a.ini.swp", "not ours");
        for (const fs::path& old : {to / staleFile, to / staleFolder / "sub/half.bmp", to / staleFolder / "sub",
                                    to / staleFolder, to / staleLink, to / busyFolder / "old.ini", to / busyFolder,
                                    to / ".a.ini.swp"})
            testsupport::makeTwoMinutesOld(old);

        std::string error;
        EXPECT_EQ(copy.copy(folder.path() / copy.source, to / "copy", &error), NoOverwriteCopier::Result::Copied)
            << error;

        std::vector<std::string> expected = {".a.ini.swp", "copy", freshFile, busyFolder};
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(namesIn(to), expected);
        EXPECT_EQ(folder.read("to/" + busyFolder + "/sub/now.bmp"), "being written");
    }
}

TEST(NoOverwriteCopier, CopiesGetTheCopiedFilePermissionsUnderTheUmask)
{
    const struct {
        fs::perms source;
        mode_t umask;
        fs::perms expected;
    } cases[] = {
        {static_cast<fs::perms>(06777), 022, static_cast<fs::perms>(0755)},
        {static_cast<fs::perms>(0644), 077, static_cast<fs::perms>(0600)},
        {static_cast<fs::perms>(0555), 002, static_cast<fs::perms>(0555)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.source));
        TempFolder folder;
        folder.write("from/tool", "#!/bin/sh\n");
        folder.write("from/skin/tool", "#!/bin/sh\n");
        fs::permissions(folder.path() / "from/tool", c.source);
        fs::permissions(folder.path() / "from/skin/tool", c.source);
        fs::create_directories(folder.path() / "to");
        const mode_t saved = ::umask(c.umask);
        std::string error;
        EXPECT_EQ(NoOverwriteCopier::copyFile(folder.path() / "from/tool", folder.path() / "to/tool", &error),
                  NoOverwriteCopier::Result::Copied) << error;
        EXPECT_EQ(NoOverwriteCopier::copyFolder(folder.path() / "from/skin", folder.path() / "to/skin", &error),
                  NoOverwriteCopier::Result::Copied) << error;
        ::umask(saved);
        EXPECT_EQ(fs::status(folder.path() / "to/tool").permissions(), c.expected);
        EXPECT_EQ(fs::status(folder.path() / "to/skin/tool").permissions(), c.expected);
        EXPECT_EQ(fs::status(folder.path() / "to/skin").permissions(), static_cast<fs::perms>(0755 & ~c.umask));
    }
}

// The final step of a copy never replaces what appeared at the name while
// the copy was being made.
TEST(RenameWithoutReplacing, RefusesWhateverIsAtTheName)
{
    const struct {
        const char* name;
        void (*makeTarget)(const TempFolder&);
        int expected;
    } cases[] = {
        {"nothing there", [](const TempFolder&) {}, 0},
        {"a file", [](const TempFolder& f) { f.write("to", "user's"); }, EEXIST},
        {"an empty folder", [](const TempFolder& f) { fs::create_directory(f.path() / "to"); }, EEXIST},
        {"a dangling link", [](const TempFolder& f) { fs::create_symlink("nowhere", f.path() / "to"); }, EEXIST},
    };
    for (const auto& c : cases) {
        for (const bool folderCopy : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (folderCopy ? " (folder)" : " (file)"));
            TempFolder folder;
            if (folderCopy)
                folder.write("copy/inside", "copied");
            else
                folder.write("copy", "copied");
            c.makeTarget(folder);
            const auto before = namesIn(folder.path());
            EXPECT_EQ(platform::renameWithoutReplacing(folder.path() / "copy", folder.path() / "to"), c.expected);
            if (c.expected == 0) {
                EXPECT_EQ(folder.read(folderCopy ? "to/inside" : "to"), "copied");
                EXPECT_EQ(namesIn(folder.path()), std::vector<std::string>{"to"});
            } else {
                EXPECT_EQ(namesIn(folder.path()), before);
                if (fs::is_regular_file(folder.path() / "to")) {
                    EXPECT_EQ(folder.read("to"), "user's");
                }
            }
        }
    }
}
