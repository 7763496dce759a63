// The inotify watcher on a real folder: each way an editor or a tool saves a
// file is reported by the file's name, and a folder taken away and put back
// is watched again.
#include "platform/watch/InotifyFolderWatcher.h"

#include "support/TempFolder.h"

#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <set>
#include <string>

using platform::InotifyFolderWatcher;
using testsupport::TempFolder;

namespace fs = std::filesystem;

namespace {

class InotifyFolderWatcherTest : public testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(skin());
        folder.write("skin/Skin.ini", "[SkinInfo]\n");
        folder.write("skin/Skin.bmp", "BM");
        watcher.setChangeHandler([this](const std::string& name) { reported.insert(name); });
        ASSERT_EQ(watcher.watchFolder(skin().string() + "/"), "");
    }

    fs::path skin() const { return folder.path() / "skin"; }

    // Waits (up to a generous limit) until `name` is reported.
    bool reportedSoon(const std::string& name)
    {
        return QTest::qWaitFor([&] { return reported.count(name) > 0; }, 5000);
    }

    TempFolder folder;
    InotifyFolderWatcher watcher;
    std::set<std::string> reported;
};

} // namespace

TEST_F(InotifyFolderWatcherTest, EveryWayOfSavingIsReportedByTheFilesName)
{
    struct Case {
        const char* name;
        const char* reportedName;
        std::function<void(const TempFolder&, const fs::path&)> save;
    };
    const std::vector<Case> cases = {
        {"rewritten in place", "Skin.ini", [](const TempFolder& f, const fs::path&) { f.write("skin/Skin.ini", "[X]\n"); }},
        {"written beside and renamed over", "Skin.bmp",
         [](const TempFolder& f, const fs::path& skin) {
             f.write("skin/.Skin.bmp.tmp", "BM new");
             fs::rename(skin / ".Skin.bmp.tmp", skin / "Skin.bmp");
         }},
        {"created", "click.wav", [](const TempFolder& f, const fs::path&) { f.write("skin/click.wav", "RIFF"); }},
        {"deleted", "Skin.bmp", [](const TempFolder&, const fs::path& skin) { fs::remove(skin / "Skin.bmp"); }},
        {"cut short", "Skin.ini", [](const TempFolder&, const fs::path& skin) { fs::resize_file(skin / "Skin.ini", 2); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        reported.clear();
        c.save(folder, skin());
        EXPECT_TRUE(reportedSoon(c.reportedName));
    }
}

// A file replaced by a rename is a new file; the watch is on the folder, so
// the second save of such a file is heard as well as the first.
TEST_F(InotifyFolderWatcherTest, AFileReplacedByARenameIsStillWatched)
{
    for (int save = 0; save < 2; ++save) {
        SCOPED_TRACE(save);
        reported.clear();
        folder.write("skin/Skin.ini.new", "[SkinInfo]\nSave=" + std::to_string(save) + "\n");
        fs::rename(skin() / "Skin.ini.new", skin() / "Skin.ini");
        EXPECT_TRUE(reportedSoon("Skin.ini"));
    }
}

TEST_F(InotifyFolderWatcherTest, AFolderTakenAwayAndPutBackIsWatchedAgain)
{
    fs::rename(skin(), folder.path() / "moved");
    EXPECT_TRUE(reportedSoon(""));
    reported.clear();
    fs::create_directories(skin());
    EXPECT_TRUE(reportedSoon(""));
    reported.clear();
    folder.write("skin/Skin.ini", "[SkinInfo]\n");
    EXPECT_TRUE(reportedSoon("Skin.ini"));
    // The folder moved away is no longer the one watched.
    reported.clear();
    folder.write("moved/Moved.bmp", "BM");
    folder.write("skin/Skin.bmp", "BM");
    EXPECT_TRUE(reportedSoon("Skin.bmp"));
    QTest::qWait(50);
    EXPECT_EQ(reported, (std::set<std::string>{"Skin.bmp"}));
}

TEST_F(InotifyFolderWatcherTest, AnotherFolderOrNoneEndsTheWatch)
{
    TempFolder other;
    ASSERT_EQ(watcher.watchFolder(other.str()), "");
    folder.write("skin/Skin.ini", "[Old]\n");
    other.write("Other.ini", "[New]\n");
    EXPECT_TRUE(reportedSoon("Other.ini"));
    EXPECT_EQ(reported.count("Skin.ini"), 0u);

    ASSERT_EQ(watcher.watchFolder(""), "");
    reported.clear();
    other.write("Other.ini", "[Newer]\n");
    QTest::qWait(100);
    EXPECT_TRUE(reported.empty());
}

TEST_F(InotifyFolderWatcherTest, AMissingFolderIsReportedAndWatchedOnceItAppears)
{
    const fs::path later = folder.path() / "later";
    const std::string problem = watcher.watchFolder(later.string());
    EXPECT_NE(problem.find(later.string()), std::string::npos) << problem;
    fs::create_directories(later);
    EXPECT_TRUE(reportedSoon(""));
    folder.write("later/Later.ini", "[SkinInfo]\n");
    EXPECT_TRUE(reportedSoon("Later.ini"));
}
