#include "launcher/library/ShortcutNames.h"

#include <gtest/gtest.h>

namespace {

using launcher::ShortcutKind;

TEST(ShortcutNames, KindAndCaptionByExtension)
{
    struct Case {
        const char* name;
        ShortcutKind kind;
        const char* caption;
    };
    const Case cases[] = {
        {"Editor.lnk", ShortcutKind::Link, "Editor"},
        {"Notes.LNK", ShortcutKind::Link, "Notes"},
        {"Site.Url", ShortcutKind::Internet, "Site"},
        {"Old Game.pif", ShortcutKind::ProgramInfo, "Old Game"},
        {"org.example.Viewer.desktop", ShortcutKind::DesktopEntry, "org.example.Viewer"},
        {"Files.DESKTOP", ShortcutKind::DesktopEntry, "Files"},
        {"Notes.lnk.txt", ShortcutKind::None, "Notes.lnk.txt"},
        {"lnk", ShortcutKind::None, "lnk"},
        {".lnk", ShortcutKind::Link, ""},
        {"desktop", ShortcutKind::None, "desktop"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(launcher::shortcutKindOf(c.name), c.kind) << c.name;
        EXPECT_EQ(launcher::ShortcutCaption(c.name), c.caption) << c.name;
    }
}

TEST(ShortcutNames, FolderOfPath)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/home/user/run.sh", "/home/user"},
        {"/home/user/", "/home/user"},
        {"/home//run.sh", "/home"},
        {"/run.sh", "/"},
        {"run.sh", ""},
        {"", ""},
        {"docs/a b/c.txt", "docs/a b"},
    };
    for (const auto& [path, folder] : cases)
        EXPECT_EQ(launcher::FolderOfPath(path), folder) << path;
}

TEST(ShortcutNames, CutAtControlCharacter)
{
    EXPECT_EQ(launcher::CutAtControlCharacter(std::string("C:/x.exe\0garbage", 16)), "C:/x.exe");
    EXPECT_EQ(launcher::CutAtControlCharacter("a b\tc"), "a b");
    EXPECT_EQ(launcher::CutAtControlCharacter("\x01rest"), "");
    EXPECT_EQ(launcher::CutAtControlCharacter("caf\xC3\xA9 ok"), "caf\xC3\xA9 ok");
    EXPECT_EQ(launcher::ShortPath("/a b/c"), "/a b/c");
}

} // namespace
