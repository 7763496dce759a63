#include "LibraryFixture.h"
#include "launcher/library/ShortcutNames.h"
#include "support/LaterClock.h"

#include <algorithm>
#include <set>

namespace {

using Names = std::vector<std::string>;

class ShortcutLibraryTest : public librarytest::LibraryFixture {};

TEST_F(ShortcutLibraryTest, SectionsAreSortedWithoutRegardToCase)
{
    for (const char* name : {"software", "Games", "accessories"})
        addFolder(name);
    addFile("loose.lnk");
    addFolder(".hidden");

    EXPECT_EQ(library->ScanSectionFolders(), 3);

    EXPECT_EQ(library->SectionFolderCount(), 3);
    const char* expected[] = {"accessories", "Games", "software"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(library->sectionFolderName(i), expected[i]);
        EXPECT_EQ(library->sectionButtons()[static_cast<size_t>(i)].caption, expected[i]);
        EXPECT_EQ(library->sectionButtons()[static_cast<size_t>(i)].toolTip, std::string(" ") + expected[i] + " ");
    }
    EXPECT_EQ(library->sectionButtons()[3].caption, "");
    EXPECT_EQ(library->sectionButtons()[3].toolTip, launcher::kSectionDefaultToolTip);
    EXPECT_EQ(library->sectionFolderName(3), "");
}

TEST_F(ShortcutLibraryTest, CaptionSetting255KeepsOnlyTheToolTip)
{
    skin.sections[1].textAlignment = 255;
    addFolder("A");
    addFolder("B");
    library->ScanSectionFolders();
    EXPECT_EQ(library->sectionButtons()[0].caption, "A");
    EXPECT_EQ(library->sectionButtons()[1].caption, "");
    EXPECT_EQ(library->sectionButtons()[1].toolTip, " B ");
}

TEST_F(ShortcutLibraryTest, AtMostTwelveSectionsAreKeptAndTheRestKeepTheirOldNames)
{
    for (int i = 0; i < 15; ++i)
        addFolder("Section" + std::to_string(100 + i));
    EXPECT_EQ(library->ScanSectionFolders(), 12);
    Names kept;
    for (int i = 0; i < 12; ++i)
        kept.push_back(library->sectionFolderName(i));
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end()));
    EXPECT_EQ(std::set<std::string>(kept.begin(), kept.end()).size(), 12u);

    // Fewer folders later: the slots above the count keep the earlier names.
    for (int i = 0; i < 15; ++i)
        if (i != 0 && i != 1)
            removeFile("Section" + std::to_string(100 + i));
    EXPECT_EQ(library->ScanSectionFolders(), 2);
    EXPECT_EQ(library->sectionFolderName(2), kept[2]);
    EXPECT_EQ(library->sectionButtons()[2].caption, "");
    EXPECT_EQ(library->sectionButtons()[2].toolTip, " " + kept[2] + " ");
}

TEST_F(ShortcutLibraryTest, CollectsShortcutKindsInNameOrder)
{
    addFolder("Tools");
    for (const char* file : {"Tools/b.url", "Tools/a.pif", "Tools/C.lnk", "Tools/d.desktop", "Tools/Readme.txt",
                             "Tools/Notes.lnk.txt", "Tools/.secret.lnk", "Tools/E.LNK"})
        addFile(file);
    addFolder("Tools/old.lnk");
    library->ScanSectionFolders();
    EXPECT_EQ(library->CollectSectionShortcuts(0), (Names{"a.pif", "b.url", "C.lnk", "d.desktop", "E.LNK"}));
}

TEST_F(ShortcutLibraryTest, SlotWithoutFolderReadsTheShortcutsFolder)
{
    addFile("loose.url");
    library->ScanSectionFolders();
    EXPECT_EQ(library->CollectSectionShortcuts(2), Names{"loose.url"});
}

TEST_F(ShortcutLibraryTest, SectionWithoutLaunchButtonsCollectsNothingAndSeesNoFileChange)
{
    skin.sections[0].launchSlots.clear();
    addFolder("Empty");
    addFile("Empty/a.lnk");
    library->ScanSectionFolders();
    EXPECT_TRUE(library->CollectSectionShortcuts(0).empty());
    recordContents();
    addFile("Empty/b.lnk");
    EXPECT_FALSE(library->SectionContentChanged(0));
}

// Icons and buttons are matched to names by their place in the name order,
// so every change of a name must be seen, including those that keep its
// letters or its length.
TEST_F(ShortcutLibraryTest, ContentChangeTestSeesEveryRename)
{
    struct Case {
        const char* name;
        std::vector<std::string> before;
        std::function<void()> change;
        bool changed;
    };
    const Case cases[] = {
        {"nothing", {"ab.lnk", "c.url"}, [] {}, false},
        {"anagram of the name", {"ab.lnk", "b.url"},
         [this] { renameFile("Games/ab.lnk", "Games/ba.lnk"); }, true},
        {"two names swapping letters", {"ab.lnk", "cd.lnk"},
         [this] {
             renameFile("Games/ab.lnk", "Games/ac.lnk");
             renameFile("Games/cd.lnk", "Games/bd.lnk");
         },
         true},
        {"letter case only", {"ab.lnk"}, [this] { renameFile("Games/ab.lnk", "Games/AB.lnk"); },
         true},
        {"a file added", {"ab.lnk"}, [this] { addFile("Games/c.url"); }, true},
        {"a file removed", {"ab.lnk", "c.url"}, [this] { removeFile("Games/c.url"); }, true},
        {"a file that is no shortcut added", {"ab.lnk"}, [this] { addFile("Games/notes.txt"); },
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        removeFile("Games");
        addFolder("Games");
        for (const std::string& file : c.before)
            addFile("Games/" + file);
        library = std::make_unique<launcher::ShortcutLibrary>(launcher::AppPaths(folder.str()), skin, state);
        library->ScanSectionFolders();
        EXPECT_TRUE(library->SectionContentChanged(0)) << "the new folder's contents were not recorded yet";
        recordContents();
        EXPECT_FALSE(library->SectionContentChanged(0));
        c.change();
        EXPECT_EQ(library->SectionContentChanged(0), c.changed);
    }
}

TEST_F(ShortcutLibraryTest, FolderChangeTest)
{
    addFolder("One");
    addFolder("Two");
    library->ScanSectionFolders();
    EXPECT_FALSE(library->SectionFoldersChanged());

    renameFile("Two", "Three"); // same count, new name
    EXPECT_TRUE(library->SectionFoldersChanged());
    library->ScanSectionFolders();
    EXPECT_FALSE(library->SectionFoldersChanged());

    // The recorded path shortcuts/Three finds nothing any more.
    renameFile("Three", "THREE");
    EXPECT_TRUE(library->SectionFoldersChanged());
    library->ScanSectionFolders();
    EXPECT_FALSE(library->SectionFoldersChanged());
}

// Counting case-blind matches between the old and the new names once found
// four pairs for these two folders and reported a change on every test.
TEST_F(ShortcutLibraryTest, FoldersDifferingOnlyInCaseAreNoChange)
{
    addFolder("games");
    addFolder("Games");
    addFolder("Other");
    library->ScanSectionFolders();
    EXPECT_EQ(library->sectionFolderName(0), "Games");
    EXPECT_EQ(library->sectionFolderName(1), "games");
    recordContents();
    EXPECT_FALSE(library->SectionFoldersChanged());
    EXPECT_FALSE(library->RefreshShortcutsIfChanged()) << "a section switch over an untouched library reloads nothing";
}

TEST_F(ShortcutLibraryTest, FolderChangeLowersTheCurrentSection)
{
    for (const char* name : {"A", "B", "C"})
        addFolder(name);
    library->ScanSectionFolders();
    state.CurrentSection = 3;

    removeFile("C");
    EXPECT_TRUE(library->SectionFoldersChanged());
    EXPECT_EQ(state.CurrentSection, 2);

    state.CurrentSection = 1;
    library->ScanSectionFolders();
    removeFile("B");
    EXPECT_TRUE(library->SectionFoldersChanged());
    EXPECT_EQ(state.CurrentSection, 1) << "a section still there stays current";

    library->ScanSectionFolders();
    removeFile("A");
    EXPECT_TRUE(library->SectionFoldersChanged());
    EXPECT_EQ(state.CurrentSection, 0);
}

TEST_F(ShortcutLibraryTest, RefreshReportsWhetherAReloadIsNeeded)
{
    addFolder("A");
    addFolder("B");
    addFile("B/x.lnk");
    library->ScanSectionFolders();
    recordContents();
    EXPECT_FALSE(library->RefreshShortcutsIfChanged()) << "a switch without changes shows no message";

    addFile("B/y.lnk");
    EXPECT_TRUE(library->RefreshShortcutsIfChanged());
    recordContents();
    EXPECT_FALSE(library->RefreshShortcutsIfChanged());

    addFolder("C");
    EXPECT_TRUE(library->RefreshShortcutsIfChanged());

    state.StartupDone = 0;
    EXPECT_FALSE(library->RefreshShortcutsIfChanged()) << "nothing runs before start-up has finished";
}

TEST_F(ShortcutLibraryTest, SectionFolderFollowsTheCurrentSection)
{
    addFolder("A");
    addFolder("B");
    library->ScanSectionFolders();
    state.CurrentSection = 2;
    EXPECT_EQ(library->SectionFolder(), folder.str() + "shortcuts/B");
    state.CurrentSection = 0;
    EXPECT_EQ(library->SectionFolder(), folder.str() + "shortcuts");
}

} // namespace

namespace {

// A library whose files all count as settled.
class SettledLibraryTest : public librarytest::LibraryFixture {
protected:
    void SetUp() override
    {
        LibraryFixture::SetUp();
        library = std::make_unique<launcher::ShortcutLibrary>(launcher::AppPaths(folder.str()), skin, state,
                                                              testsupport::anHourLater);
    }
};

// Listings of folders nobody touched for a while are reused; a change must
// still be seen on the next test.
TEST_F(SettledLibraryTest, ChangesAreSeenThroughKeptListings)
{
    addFolder("A");
    addFolder("B");
    addFile("A/x.lnk");
    library->ScanSectionFolders();
    recordContents();
    EXPECT_FALSE(library->RefreshShortcutsIfChanged());
    // The folder list, A, B, and the files of the shortcuts folder itself,
    // which the skin's third section (no folder) reads.
    EXPECT_EQ(library->listings().keptCount(), 4);

    addFile("A/y.url");
    EXPECT_TRUE(library->SectionContentChanged(0));
    EXPECT_EQ(library->CollectSectionShortcuts(0), (std::vector<std::string>{"x.lnk", "y.url"}));

    renameFile("B", "C");
    EXPECT_TRUE(library->SectionFoldersChanged());
}

} // namespace
