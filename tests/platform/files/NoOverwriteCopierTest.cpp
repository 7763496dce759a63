#include "platform/files/NoOverwriteCopier.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

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
