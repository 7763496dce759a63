// The watch between the folder watcher and the reload: which reports count,
// how a burst settles into one reload, and which changes are the launcher's
// own. Real files, a scripted watcher, a short settling time.
#include "launcher/startup/SkinChangeWatch.h"
#include "platform/profile/FileProfileStore.h"
#include "platform/watch/FakeFolderWatcher.h"

#include "support/TempFolder.h"

#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>

using launcher::IsSkinFileName;
using launcher::SkinChangeWatch;
using testsupport::TempFolder;

namespace fs = std::filesystem;

namespace {

constexpr int kSettleMs = 20;

class SkinChangeWatchTest : public testing::Test {
protected:
    void SetUp() override { watchFreshSkin(); }

    // The skin's two files as first loaded, and nothing else in its folder.
    void watchFreshSkin()
    {
        fs::remove_all(folder.path() / "Skin");
        folder.write("Skin/Skin.ini", "[SkinInfo]\nSectionNum=1\n");
        folder.write("Skin/Skin.bmp", "BM picture");
        ASSERT_EQ(watch.watch(folder.path() / "Skin"), "");
        reloads = 0;
    }

    std::string ini() const { return folder.str() + "Skin/Skin.ini"; }
    // Lets the settling time run out, however many times it restarts.
    void settle() { ASSERT_TRUE(QTest::qWaitFor([this] { return !watch.isSettling(); }, 5000)); }

    TempFolder folder;
    platform::FakeFolderWatcher watcher;
    platform::FileProfileStore profiles;
    int reloads = 0;
    bool busy = false;
    SkinChangeWatch watch{watcher, profiles,
                          [this] {
                              if (busy)
                                  return false;
                              ++reloads;
                              return true;
                          },
                          kSettleMs};
};

} // namespace

TEST(SkinFileNameTest, OnlyFilesASkinIsMadeOfCount)
{
    const std::vector<std::pair<const char*, bool>> cases = {
        {"Skin.ini", true},      {"SKIN.INI", true},         {"section00_1.bmp", true}, {"Skin@2x.bmp", true},
        {"click.WAV", true},     {"Face.ttf", true},         {".Skin.ini.swp", false},  {"Skin.ini~", false},
        {"Skin.ini.tmp", false}, {"4913", false},            {".hidden.bmp", false},    {"", false},
        {"notes.txt", false},    {"Skin.bmp.kate-swp", false},
    };
    for (const auto& [name, counts] : cases)
        EXPECT_EQ(IsSkinFileName(name), counts) << name;
}

TEST_F(SkinChangeWatchTest, WatchesTheSkinFolderUntilItIsGone)
{
    EXPECT_EQ(fs::path(watcher.folder()), folder.path() / "Skin");
    platform::FakeFolderWatcher other;
    platform::FileProfileStore otherProfiles;
    {
        SkinChangeWatch shortLived(other, otherProfiles, [] { return true; });
        ASSERT_EQ(shortLived.watch(folder.path() / "Skin"), "");
        EXPECT_FALSE(other.folder().empty());
    }
    EXPECT_EQ(other.folder(), "");
    // Neither the store nor the watcher calls into the watch that is gone.
    EXPECT_EQ(otherProfiles.write(ini(), "UserSettings", "Shaded", "0"), "");
    other.change("Skin.ini");
}

// A save is many reports (a temporary file, a rename, writes in pieces);
// they settle into one reload once they stop.
TEST_F(SkinChangeWatchTest, ABurstOfReportsGivesOneReloadAfterItSettles)
{
    folder.write("Skin/Skin.bmp", "BM edited");
    for (const char* name : {"Skin.bmp", ".Skin.bmp.tmp", "Skin.bmp", "Skin.bmp", ""}) {
        watcher.change(name);
        EXPECT_TRUE(watch.isSettling());
        EXPECT_EQ(reloads, 0);
    }
    settle();
    EXPECT_EQ(reloads, 1);
    // Nothing changed since: a late report reloads nothing.
    watcher.change("Skin.bmp");
    settle();
    EXPECT_EQ(reloads, 1);
}

TEST_F(SkinChangeWatchTest, ReportsOfOtherFilesAreNotWaitedFor)
{
    folder.write("Skin/.Skin.ini.swp", "swap");
    folder.write("Skin/Skin.ini~", "backup");
    for (const char* name : {".Skin.ini.swp", "Skin.ini~", "4913"}) {
        watcher.change(name);
        EXPECT_FALSE(watch.isSettling()) << name;
    }
    EXPECT_EQ(reloads, 0);
}

TEST_F(SkinChangeWatchTest, OnlyAChangeOfContentReloads)
{
    struct Case {
        const char* name;
        std::function<void(const TempFolder&)> save;
        int reloads;
    };
    const std::vector<Case> cases = {
        {"saved unchanged", [](const TempFolder& f) { f.write("Skin/Skin.ini", "[SkinInfo]\nSectionNum=1\n"); }, 0},
        {"touched",
         [](const TempFolder& f) { fs::last_write_time(f.path() / "Skin/Skin.bmp", fs::file_time_type::clock::now()); },
         0},
        {"a value edited", [](const TempFolder& f) { f.write("Skin/Skin.ini", "[SkinInfo]\nSectionNum=2\n"); }, 1},
        {"a picture deleted", [](const TempFolder& f) { fs::remove(f.path() / "Skin/Skin.bmp"); }, 1},
        {"a sound added", [](const TempFolder& f) { f.write("Skin/click.wav", "RIFF"); }, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        watchFreshSkin();
        c.save(folder);
        watcher.change("Skin.ini");
        settle();
        EXPECT_EQ(reloads, c.reloads);
    }
}

// The launcher writes its own keys into the skin's file (position, shade
// state, the chooser's options); reloading on them would be a loop.
TEST_F(SkinChangeWatchTest, TheLaunchersOwnWritesDoNotReload)
{
    ASSERT_EQ(profiles.write(ini(), "UserSettings", "StartupLeft", "120"), "");
    ASSERT_EQ(profiles.write(ini(), "UserSettings", "StartupTop", "80"), "");
    watcher.change(".Skin.ini.tmp");
    watcher.change("Skin.ini");
    settle();
    EXPECT_EQ(reloads, 0);

    // Another program's edit after them does.
    folder.write("Skin/Skin.ini", folder.read("Skin/Skin.ini") + "[Clock]\nFontColor=FF0000\n");
    watcher.change("Skin.ini");
    settle();
    EXPECT_EQ(reloads, 1);
}

// Our write reads the file as it is on disk and writes it back with its key
// changed, taking in an edit made just before; that edit still reloads.
TEST_F(SkinChangeWatchTest, AnEditJustBeforeAnOwnWriteStillReloads)
{
    folder.write("Skin/Skin.ini", "[SkinInfo]\nSectionNum=3\n");
    watcher.change("Skin.ini");
    ASSERT_EQ(profiles.write(ini(), "UserSettings", "Shaded", "-1"), "");
    watcher.change("Skin.ini");
    settle();
    EXPECT_EQ(reloads, 1);
}

TEST_F(SkinChangeWatchTest, ABusyLauncherIsAskedAgainUntilItReloads)
{
    busy = true;
    folder.write("Skin/Skin.bmp", "BM edited");
    watcher.change("Skin.bmp");
    QTest::qWait(kSettleMs * 5);
    EXPECT_TRUE(watch.isSettling());
    EXPECT_EQ(reloads, 0);
    busy = false;
    settle();
    EXPECT_EQ(reloads, 1);
}
