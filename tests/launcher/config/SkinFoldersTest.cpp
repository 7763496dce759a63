#include "launcher/config/NameOrder.h"
#include "launcher/config/SkinFolders.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace launcher;
using testsupport::TempFolder;
namespace fs = std::filesystem;

TEST(NormaliseSkinFolders, RenamesAFolderToItsDefinitionFile)
{
    TempFolder app;
    app.write("skins/Dusk/Night.ini", "");
    app.write("skins/Mist/mist.INI", "");
    EXPECT_EQ(NormaliseSkinFolders(AppPaths(app.str())), "");
    EXPECT_TRUE(fs::exists(app.path() / "skins/Night/Night.ini"));
    EXPECT_FALSE(fs::exists(app.path() / "skins/Dusk"));
    // Letter case alone is no reason to rename.
    EXPECT_TRUE(fs::exists(app.path() / "skins/Mist/mist.INI"));
}

TEST(NormaliseSkinFolders, StopsAtAFolderWithoutDefinitionFile)
{
    TempFolder app;
    app.write("skins/Empty/readme.txt", "");
    EXPECT_NE(NormaliseSkinFolders(AppPaths(app.str())), "");
    EXPECT_TRUE(fs::exists(app.path() / "skins/Empty"));
}

TEST(NormaliseSkinFolders, StopsWhenTheNewNameIsTakenWithoutTouchingEither)
{
    TempFolder app;
    app.write("skins/Dusk/Night.ini", "dusk's");
    app.write("skins/Night/Night.ini", "night's");
    NormaliseSkinFolders(AppPaths(app.str()));
    EXPECT_EQ(app.read("skins/Dusk/Night.ini"), "dusk's");
    EXPECT_EQ(app.read("skins/Night/Night.ini"), "night's");
}

TEST(NormaliseSkinFolders, MissingSkinsFolderIsHarmless)
{
    TempFolder app;
    EXPECT_EQ(NormaliseSkinFolders(AppPaths(app.str())), "");
}

TEST(ListSkins, ListsVisibleFoldersInNameOrder)
{
    TempFolder app;
    app.write("skins/slate/slate.ini", "");
    app.write("skins/Amber/Amber.ini", "");
    app.write("skins/.hidden/x.ini", "");
    app.write("skins/notes.txt", "");
    EXPECT_EQ(ListSkins(AppPaths(app.str())), (std::vector<std::string>{"Amber", "slate"}));
    EXPECT_TRUE(ListSkins(AppPaths(app.str() + "nowhere")).empty());
}

TEST(NameOrder, SortsWithoutRegardToCase)
{
    std::vector<std::string> names{"software", "Games", "accessories", "b.url", "a.pif", "C.lnk"};
    SortByNameOrder(names);
    EXPECT_EQ(names, (std::vector<std::string>{"a.pif", "accessories", "b.url", "C.lnk", "Games", "software"}));
}
