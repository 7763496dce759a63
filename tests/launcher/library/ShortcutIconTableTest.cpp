#include "launcher/library/ShortcutIconTable.h"

#include "LibraryFixture.h"
#include "launcher/library/LaunchButtons.h"
#include "platform/icons/FakeIconService.h"
#include "platform/icons/ShortcutIconName.h"

namespace {

class ShortcutIconTableTest : public librarytest::LibraryFixture {};

// Icon names by the real rules, without a theme to draw them.
class NamesOnlyIcons final : public platform::IconService {
public:
    std::string iconNameFor(const std::string& path, platform::DesktopEntryCache& entries) override
    {
        return platform::shortcutIconName(path, [](const std::string&) { return false; }, entries);
    }
    platform::FileIcons iconsNamed(const std::string&) override { return {}; }
};

TEST(ShortcutIconKey, PadsToTwoDigits)
{
    EXPECT_EQ(launcher::ShortcutIconKey(1, 0), "S01_00");
    EXPECT_EQ(launcher::ShortcutIconKey(12, 24), "S12_24");
    EXPECT_EQ(launcher::ShortcutIconKey(3, 123), "S03_123");
}

TEST_F(ShortcutIconTableTest, KeysFollowTheListAndEachKindIsDrawnOnce)
{
    addFolder("A");
    addFolder("B");
    for (const char* file : {"A/x.lnk", "A/y.url", "A/z.lnk", "B/p.url", "B/q.desktop", "B/r.url"})
        addFile(file);
    library->ScanSectionFolders();

    platform::FakeIconService icons;
    launcher::ShortcutIconTable table;
    table.BuildShortcutIcons(*library, icons);

    EXPECT_EQ(table.count(), 6);
    const std::pair<const char*, const char*> expected[] = {
        {"S01_00", "lnk"}, {"S01_01", "url"}, {"S01_02", "lnk"},
        {"S02_00", "url"}, {"S02_01", "desktop"}, {"S02_02", "url"}};
    for (const auto& [key, kind] : expected) {
        ASSERT_TRUE(table.contains(key)) << key;
        EXPECT_EQ(table.large(key).pixel(5, 5), platform::FakeIconService::colourOf(kind)) << key;
        EXPECT_EQ(table.large(key).width(), 32);
        EXPECT_EQ(table.small(key).width(), 16);
    }
    EXPECT_EQ(icons.nameLookups(), 6);
    EXPECT_EQ(icons.totalDraws(), 3);
    EXPECT_EQ(icons.drawCount("url"), 1);
    EXPECT_TRUE(table.large("S03_00").isNull());

    // A rebuild after a change reuses the drawings; the keys follow the new list.
    removeFile("A/x.lnk");
    table.BuildShortcutIcons(*library, icons);
    EXPECT_EQ(table.count(), 5);
    EXPECT_EQ(table.large("S01_00").pixel(0, 0), platform::FakeIconService::colourOf("url"));
    EXPECT_FALSE(table.contains("S01_02"));
    EXPECT_EQ(icons.totalDraws(), 3);
}

TEST_F(ShortcutIconTableTest, BuildRecordsWhatTheChangeTestComparesWith)
{
    addFolder("A");
    addFile("A/x.lnk");
    library->ScanSectionFolders();
    platform::FakeIconService icons;
    launcher::ShortcutIconTable table;

    table.BuildShortcutIcons(*library, icons);
    EXPECT_FALSE(library->RefreshShortcutsIfChanged());
    addFile("A/y.lnk");
    EXPECT_TRUE(library->RefreshShortcutsIfChanged());
    table.BuildShortcutIcons(*library, icons);
    EXPECT_FALSE(library->RefreshShortcutsIfChanged());
}

// Renaming ab.url to ba.url moves it behind b.lnk: the change must be seen,
// or the first button would go on showing the internet shortcut's icon.
TEST_F(ShortcutIconTableTest, AnAnagramRenameRebuildsIconsInTheNewOrder)
{
    addFolder("A");
    addFile("A/ab.url");
    addFile("A/b.lnk");
    library->ScanSectionFolders();
    platform::FakeIconService icons;
    launcher::ShortcutIconTable table;
    table.BuildShortcutIcons(*library, icons);
    ASSERT_EQ(table.large("S01_00").pixel(5, 5), platform::FakeIconService::colourOf("url"));

    renameFile("A/ab.url", "A/ba.url");
    ASSERT_TRUE(library->RefreshShortcutsIfChanged());
    table.BuildShortcutIcons(*library, icons);
    EXPECT_EQ(library->CollectSectionShortcuts(0), (std::vector<std::string>{"b.lnk", "ba.url"}));
    EXPECT_EQ(table.large("S01_00").pixel(5, 5), platform::FakeIconService::colourOf("lnk"));
    EXPECT_EQ(table.large("S01_01").pixel(5, 5), platform::FakeIconService::colourOf("url"));
}

// A reload orders a section, builds its icons and fills its buttons: each
// desktop entry is opened once for the icon build and once for the buttons,
// and one that cannot be read is named once.
TEST_F(ShortcutIconTableTest, AReloadReadsEachDesktopEntryOncePerListing)
{
    addFolder("A");
    addFile("A/zeta.desktop", "[Desktop Entry]\nType=Application\nName=Alpha\nExec=true\nIcon=alpha-icon\n");
    addFile("A/alpha.desktop", "[Desktop Entry]\nType=Application\nName=Zeta\nExec=true\n");
    addFile("A/broken.desktop", "not an entry\n");
    library->ScanSectionFolders();
    NamesOnlyIcons icons;
    launcher::ShortcutIconTable table;

    testing::internal::CaptureStderr();
    table.BuildShortcutIcons(*library, icons);
    const launcher::LaunchButtonSet buttons = launcher::PopulateLaunchButtons(*library);
    const std::string messages = testing::internal::GetCapturedStderr();

    EXPECT_EQ(library->desktopEntries().fileReads(), 6);
    const std::string broken = folder.str() + "shortcuts/A/broken.desktop";
    const size_t first = messages.find(broken);
    EXPECT_NE(first, std::string::npos) << messages;
    EXPECT_EQ(messages.find(broken, first + 1), std::string::npos) << messages;

    ASSERT_EQ(buttons.VisibleButtonCount, 3);
    EXPECT_EQ(buttons.buttons[0].caption, "Alpha");
    EXPECT_EQ(buttons.buttons[1].caption, "broken");
    EXPECT_EQ(buttons.buttons[2].caption, "Zeta");
    EXPECT_EQ(library->desktopEntries().fileReads(), 6);
}

} // namespace
