#include "platform/icons/ShortcutIconName.h"

#include "support/LinkFileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

bool knowsNothing(const std::string&) { return false; }
bool knowsEverything(const std::string& name) { return !name.empty(); }

class ShortcutIconNameTest : public ::testing::Test {
protected:
    std::string link(const std::string& name, const std::string& target)
    {
        return folder.write(name, testsupport::linkFileBytes({.target = target})).string();
    }

    std::string iconLink(const std::string& name, const std::string& target, const std::string& icon)
    {
        return folder.write(name, testsupport::linkFileBytes({.target = target, .iconLocation = icon})).string();
    }

    testsupport::TempFolder folder;
};

TEST_F(ShortcutIconNameTest, ShortcutKindsShowTheirOwnIcons)
{
    const std::string program = folder.write("bin/tool", "#!/bin/sh\n").string();
    ::chmod(program.c_str(), 0755);
    const std::string text = folder.write("docs/notes.txt", "plain words\n").string();
    std::filesystem::create_directories(folder.path() / "Projects");
    const std::string icon = folder.write("art/tool.png", "png").string();

    struct Case {
        const char* name;
        std::string path;
        std::string icon;
    };
    const Case cases[] = {
        {"InternetShortcut", folder.write("a.url", "[InternetShortcut]\nURL=http://x/\n").string(), "web-browser"},
        {"ProgramInfo", folder.write("b.PIF", "").string(), "application-x-executable"},
        {"DesktopIcon", folder.write("c.desktop", "[Desktop Entry]\nType=Application\nExec=x\nIcon=org.example.Viewer\n").string(),
         "org.example.Viewer"},
        {"DesktopNoIcon", folder.write("d.desktop", "[Desktop Entry]\nType=Application\nExec=x\n").string(),
         "application-x-executable"},
        {"DesktopLink", folder.write("e.desktop", "[Desktop Entry]\nType=Link\nURL=http://x/\n").string(), "web-browser"},
        {"DesktopBroken", folder.write("f.desktop", "nothing").string(), ""},
        {"LinkToFolder", link("g.lnk", folder.str() + "Projects"), "folder"},
        {"LinkToProgram", link("h.lnk", program), "application-x-executable"},
        {"LinkToText", link("i.lnk", text), "text-plain"},
        {"LinkToMissingImage", link("j.lnk", folder.str() + "gone/photo.png"), "image-png"},
        {"LinkWithoutTarget", link("k.lnk", ""), ""},
        {"BrokenLink", folder.write("l.lnk", "garbage").string(), ""},
        {"LinksOwnIcon", iconLink("m.lnk", text, icon), icon},
        {"LinksOwnIconBesideIt", iconLink("n.lnk", text, "art/tool.png"), icon},
        {"LinksIconMissingHere", iconLink("o.lnk", text, "C:\\Windows\\tool.ico"), "text-plain"},
        {"OnlyAnIcon", iconLink("p.lnk", "", icon), icon},
    };
    platform::DesktopEntryCache entries;
    for (const Case& c : cases)
        EXPECT_EQ(platform::shortcutIconName(c.path, knowsEverything, entries), c.icon) << c.name;
}

TEST_F(ShortcutIconNameTest, UnknownContentIconFallsBackToItsGenericIcon)
{
    const std::string text = folder.write("docs/notes.txt", "plain words\n").string();
    platform::DesktopEntryCache entries;
    EXPECT_EQ(platform::shortcutIconName(link("a.lnk", text), knowsNothing, entries), "text-x-generic");
}

} // namespace
