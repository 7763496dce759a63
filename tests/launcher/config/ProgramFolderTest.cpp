#include "launcher/config/ProgramFolderLocator.h"
#include "launcher/config/ProgramFolderSeeder.h"
#include "platform/files/TemporaryNames.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using launcher::ProgramFolderEnvironment;
using launcher::ProgramFolderLocator;
using launcher::ProgramFolderSeeder;
using testsupport::TempFolder;

namespace fs = std::filesystem;

namespace {

// An installed tree: <prefix>/bin beside <prefix>/share/quorvex.
struct InstalledTree {
    TempFolder prefix;
    InstalledTree()
    {
        fs::create_directories(prefix.path() / "bin");
        prefix.write("share/quorvex/nothumb.bmp", "BM-installed");
        prefix.write("share/quorvex/SKINS.TXT", "how to make skins");
        prefix.write("share/quorvex/classes-root.ini", "[Installed]\n");
        prefix.write("share/quorvex/skins/Slatewise/Slatewise.ini", "[Skin]\nInstalled=1\n");
        prefix.write("share/quorvex/skins/Slatewise/Slatewise.bmp", "BM-slate");
        prefix.write("share/quorvex/skins/Ferrolume/Ferrolume.ini", "[Skin]\n");
    }
    std::string bin() const { return (prefix.path() / "bin").string(); }
    std::string data() const { return (prefix.path() / "share/quorvex").string(); }
};

bool always(const std::string&) { return true; }
bool never(const std::string&) { return false; }

} // namespace

TEST(ProgramFolderLocator, ChoosesByEnvironmentAndExecutableFolder)
{
    TempFolder portable; // an executable folder that is a program folder
    fs::create_directories(portable.path() / "skins");
    TempFolder bare; // one that is not
    const std::string portableDir = portable.path().string();
    const std::string bareDir = bare.path().string();

    struct Case {
        const char* what;
        ProgramFolderEnvironment environment;
        bool writable;
        std::string folder;
        std::string installedData;
    };
    const Case cases[] = {
        { "QUORVEX_HOME wins over a program folder", { "/srv/q", portableDir, "/xdg", "/home/u" }, true, "/srv/q", "" },
        { "a writable program folder is used in place", { "", portableDir, "/xdg", "/home/u" }, true, portableDir, "" },
        { "a read-only program folder is not", { "", portableDir, "/xdg", "/home/u" }, false, "/xdg/quorvex",
          (portable.path() / "../share/quorvex").lexically_normal().string() },
        { "a folder without skins/ is not a program folder", { "", bareDir, "/xdg", "/home/u" }, true, "/xdg/quorvex",
          (bare.path() / "../share/quorvex").lexically_normal().string() },
        { "without XDG_DATA_HOME the home's data folder", { "", "/usr/bin", "", "/home/u" }, true,
          "/home/u/.local/share/quorvex", "/usr/share/quorvex" },
        { "a relative XDG_DATA_HOME is ignored", { "", "/usr/bin", "data", "/home/u" }, true,
          "/home/u/.local/share/quorvex", "/usr/share/quorvex" },
        { "without any home, beside the program", { "", "/usr/bin", "", "" }, true, "/usr/bin", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const launcher::ProgramFolderLocation location = ProgramFolderLocator::locate(c.environment, c.writable ? always : never);
        EXPECT_EQ(location.folder, c.folder);
        EXPECT_EQ(location.installedData, c.installedData);
    }
}

TEST(ProgramFolderSeeder, FirstUseCopiesSkinsAndSharedFilesButNotTheRegistry)
{
    InstalledTree installed;
    TempFolder home;
    const std::string folder = home.str() + "quorvex";
    // Registering a component before the first start makes the folder.
    home.write("quorvex/classes-root.ini", "[Mine]\n");

    EXPECT_EQ(ProgramFolderSeeder::seed(installed.data(), folder), "");

    EXPECT_EQ(home.read("quorvex/nothumb.bmp"), "BM-installed");
    EXPECT_EQ(home.read("quorvex/SKINS.TXT"), "how to make skins");
    EXPECT_EQ(home.read("quorvex/skins/Slatewise/Slatewise.bmp"), "BM-slate");
    EXPECT_TRUE(fs::exists(home.path() / "quorvex/skins/Ferrolume/Ferrolume.ini"));
    EXPECT_EQ(home.read("quorvex/classes-root.ini"), "[Mine]\n");
    // Nothing half-done is left beside the copies.
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        EXPECT_FALSE(platform::isTemporaryName(entry.path().filename().string())) << entry.path();
}

TEST(ProgramFolderSeeder, LaterStartsAddOnlyNewSkinsAndKeepTheUsersFiles)
{
    InstalledTree installed;
    TempFolder home;
    const std::string folder = home.str() + "quorvex";
    ASSERT_EQ(ProgramFolderSeeder::seed(installed.data(), folder), "");

    // The user moved the window (the skin's INI), drew their own thumbnail,
    // removed SKINS.TXT and has a skin the install lacks; the install gained
    // a skin and changed one of its files.
    home.write("quorvex/skins/Slatewise/Slatewise.ini", "[Skin]\nLeft=40\n");
    home.write("quorvex/nothumb.bmp", "BM-mine");
    fs::remove(home.path() / "quorvex/SKINS.TXT");
    home.write("quorvex/skins/Mine/Mine.ini", "[Skin]\n");
    installed.prefix.write("share/quorvex/skins/Slatewise/Slatewise.ini", "[Skin]\nInstalled=2\n");
    installed.prefix.write("share/quorvex/skins/Verdigris/Verdigris.ini", "[Skin]\nNew=1\n");
    installed.prefix.write("share/quorvex/skins/Verdigris/Verdigris.bmp", "BM-verdigris");

    EXPECT_EQ(ProgramFolderSeeder::seed(installed.data(), folder), "");

    EXPECT_EQ(home.read("quorvex/skins/Slatewise/Slatewise.ini"), "[Skin]\nLeft=40\n");
    EXPECT_EQ(home.read("quorvex/nothumb.bmp"), "BM-mine");
    EXPECT_FALSE(fs::exists(home.path() / "quorvex/SKINS.TXT"));
    EXPECT_EQ(home.read("quorvex/skins/Mine/Mine.ini"), "[Skin]\n");
    EXPECT_EQ(home.read("quorvex/skins/Verdigris/Verdigris.bmp"), "BM-verdigris");
}

TEST(ProgramFolderSeeder, ASkinUnderAnotherLetterCaseIsTheUsersOwn)
{
    InstalledTree installed;
    TempFolder home;
    home.write("quorvex/skins/slatewise/slatewise.ini", "[Skin]\nMine=1\n");

    EXPECT_EQ(ProgramFolderSeeder::seed(installed.data(), home.str() + "quorvex"), "");

    EXPECT_FALSE(fs::exists(home.path() / "quorvex/skins/Slatewise"));
    EXPECT_EQ(home.read("quorvex/skins/slatewise/slatewise.ini"), "[Skin]\nMine=1\n");
    // Not a first use: the folder was there, so only skins are added.
    EXPECT_FALSE(fs::exists(home.path() / "quorvex/nothumb.bmp"));
    EXPECT_TRUE(fs::exists(home.path() / "quorvex/skins/Ferrolume/Ferrolume.ini"));
}

TEST(ProgramFolderSeeder, WithoutInstalledDataTheFolderIsLeftAsItIs)
{
    TempFolder home;
    EXPECT_EQ(ProgramFolderSeeder::seed(home.str() + "no-such-install", home.str() + "quorvex"), "");
    EXPECT_EQ(ProgramFolderSeeder::seed("", home.str() + "quorvex"), "");
    EXPECT_FALSE(fs::exists(home.path() / "quorvex"));
}

TEST(ProgramFolderSeeder, AFolderThatCannotBeCreatedIsReported)
{
    InstalledTree installed;
    TempFolder home;
    home.write("blocker", "a file where a folder should go");

    const std::string problems = ProgramFolderSeeder::seed(installed.data(), home.str() + "blocker/quorvex");

    EXPECT_NE(problems.find("blocker"), std::string::npos) << problems;
}
