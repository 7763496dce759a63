#include "platform/shortcuts/DesktopEntry.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kGerman{"de_DE", "de"};

std::optional<platform::DesktopEntry> parseAs(const std::string& text, const std::vector<std::string>& languages,
                                              std::string* problem = nullptr)
{
    std::string why;
    auto entry = platform::DesktopEntry::parse(text, languages, why);
    if (problem)
        *problem = why;
    return entry;
}

TEST(DesktopEntry, ReadsTheMainGroupWithTheLastValueOfAKey)
{
    const auto entry = parseAs("# comment\n"
                               "[Desktop Entry]\n"
                               "Name = Writer\n"
                               "Type=Application\n"
                               "Exec=writer %U\n"
                               "Path=/srv/My\\sDocs\n"
                               "Name=Second Name\n"
                               "\n[Desktop Action new]\nExec=writer --new\nIcon=other\n"
                               "[Desktop Entry]\nIcon=writer\n",
                               {});
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->name(), "Second Name");
    EXPECT_EQ(entry->exec(), "writer %U");
    EXPECT_EQ(entry->workingFolder(), "/srv/My Docs");
    EXPECT_EQ(entry->icon(), "writer");
    EXPECT_TRUE(entry->isApplication());
}

TEST(DesktopEntry, NameInTheUsersLanguage)
{
    const std::string names = "[Desktop Entry]\nName=Files\nName[de]=Dateien\nName[de_DE]=Dateien (DE)\n"
                              "Name[fr]=Fichiers\n";
    const struct {
        std::vector<std::string> languages;
        std::string text;
        std::string expected;
    } cases[] = {
        {kGerman, names, "Dateien (DE)"},
        {{"de_AT", "de"}, names, "Dateien"},
        {{"fr_FR", "fr"}, names, "Fichiers"},
        {{"it_IT", "it"}, names, "Files"},
        {{}, names, "Files"},
        {kGerman, "[Desktop Entry]\nName[de]=Nur Deutsch\n", "Nur Deutsch"},
        {{"sr@latin", "sr"}, names + "Name[sr@latin]=Datoteke\nName[sr]=Датотеке\n", "Datoteke"},
    };
    for (const auto& c : cases) {
        const auto entry = parseAs(c.text, c.languages);
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(entry->name(), c.expected);
    }
}

TEST(DesktopEntry, FlagsAreTrueOnlyWhenWrittenSo)
{
    const struct {
        std::string value;
        bool expected;
    } cases[] = {{"true", true}, {"1", true}, {"false", false}, {"True", false}, {"yes", false}, {"", false}};
    for (const auto& c : cases) {
        const auto entry = parseAs("[Desktop Entry]\nTerminal=" + c.value + "\nHidden=" + c.value +
                                       "\nNoDisplay=" + c.value + "\n",
                                   {});
        ASSERT_TRUE(entry.has_value());
        EXPECT_EQ(entry->runsInTerminal(), c.expected) << c.value;
        EXPECT_EQ(entry->isHidden(), c.expected) << c.value;
        EXPECT_EQ(entry->isNoDisplay(), c.expected) << c.value;
    }
    const auto plain = parseAs("[Desktop Entry]\nTryExec=/opt/x/bin/x\n", {});
    EXPECT_FALSE(plain->runsInTerminal() || plain->isHidden() || plain->isNoDisplay());
    EXPECT_EQ(plain->tryExec(), "/opt/x/bin/x");
}

TEST(DesktopEntry, TextThatIsNotAnEntryIsRefusedWithAReason)
{
    for (const std::string text : {
             "Exec=rm -rf\n",
             "[Desktop Action x]\nExec=y\n",
             "Name=Before any group\n[Desktop Entry]\nExec=y\n",
             "[Other]\n[Desktop Entry]\nExec=y\n",
             "[Desktop Entry]\nExec=y\nthis line is no key\n",
             "[Desktop Entry]\n=value without key\n",
             "",
         }) {
        std::string problem;
        EXPECT_FALSE(parseAs(text, {}, &problem).has_value()) << text;
        EXPECT_FALSE(problem.empty()) << text;
    }
    std::string readError;
    EXPECT_FALSE(platform::DesktopEntry::read("/nonexistent/a.desktop", readError).has_value());
    EXPECT_NE(readError.find("/nonexistent/a.desktop"), std::string::npos);
}

TEST(DesktopEntry, LinkEntriesCarryTheirAddress)
{
    const auto entry = platform::DesktopEntry::parse("[Desktop Entry]\nType=Link\nURL=https://example.org/\n");
    ASSERT_TRUE(entry.has_value());
    EXPECT_TRUE(entry->isLink());
    EXPECT_EQ(entry->url(), "https://example.org/");
}

} // namespace
