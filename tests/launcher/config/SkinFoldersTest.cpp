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

// A skin beside a stray desktop.ini or a backup copy was once renamed to
// whichever INI the folder listed first, and never loaded again.
TEST(NormaliseSkinFolders, KeepsAFolderThatHoldsItsOwnDefinitionFile)
{
    for (const char* own : {"Dusk.ini", "dusk.INI"}) {
        SCOPED_TRACE(own);
        TempFolder app;
        for (const char* other : {"a-backup.ini", "desktop.ini", "zz.ini"})
            app.write(std::string("skins/Dusk/") + other, "");
        app.write(std::string("skins/Dusk/") + own, "[SkinInfo]\n");
        EXPECT_EQ(NormaliseSkinFolders(AppPaths(app.str())), "");
        EXPECT_EQ(app.read(std::string("skins/Dusk/") + own), "[SkinInfo]\n");
        EXPECT_EQ(ListSkins(AppPaths(app.str())), (std::vector<std::string>{"Dusk"}));
    }
}

TEST(IsSkinFolderName, AcceptsOnlyANameDirectlyInsideTheSkinsFolder)
{
    for (const char* name : {"Slatewise", "two words", "dots.in.name", "..hidden-looking", "Ünïcode"})
        EXPECT_TRUE(IsSkinFolderName(name)) << name;
    for (std::string_view name : {std::string_view(""), std::string_view("."), std::string_view(".."),
                                  std::string_view("../outside"), std::string_view("sub/folder"),
                                  std::string_view("/etc"), std::string_view("trailing/"),
                                  std::string_view("nul\0byte", 8)})
        EXPECT_FALSE(IsSkinFolderName(name)) << name;
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
    std::vector<std::string> names{"software", "games", "Games", "accessories", "b.url", "a.pif", "C.lnk", "GAMES"};
    SortByNameOrder(names);
    EXPECT_EQ(names, (std::vector<std::string>{"a.pif", "accessories", "b.url", "C.lnk", "GAMES", "Games", "games",
                                               "software"}));
    // Case twins come out the same whatever order they went in.
    std::vector<std::string> twins{"games", "GAMES", "Games"};
    SortByNameOrder(twins);
    EXPECT_EQ(twins, (std::vector<std::string>{"GAMES", "Games", "games"}));
}
