#include "platform/shortcuts/DesktopEntry.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

platform::DesktopEntry entryWithExec(const std::string& exec, const std::string& extra = "")
{
    const auto entry = platform::DesktopEntry::parse("[Desktop Entry]\nType=Application\nName=Editor\n"
                                                     "Icon=accessories-text-editor\n" + extra + "Exec=" + exec + "\n");
    EXPECT_TRUE(entry.has_value());
    return *entry;
}

// The command as one list: program first.
Words commandLine(const platform::DesktopCommand& command)
{
    Words words{command.program};
    words.insert(words.end(), command.arguments.begin(), command.arguments.end());
    return words;
}

TEST(DesktopEntry, ReadsTheMainGroupOnly)
{
    const auto entry = platform::DesktopEntry::parse(
        "# comment\nName=Before any group\n"
        "[Desktop Entry]\n"
        "Name[de]=Schreiber\n"
        "Name = Writer\n"
        "Type=Application\n"
        "Exec=writer %U\n"
        "Path=/srv/My\\sDocs\n"
        "Name=Second Name\n"
        "\n[Desktop Action new]\nExec=writer --new\nIcon=other\n");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->name(), "Writer");
    EXPECT_EQ(entry->exec(), "writer %U");
    EXPECT_EQ(entry->workingFolder(), "/srv/My Docs");
    EXPECT_EQ(entry->icon(), "");
    EXPECT_TRUE(entry->isApplication());
}

TEST(DesktopEntry, TextWithoutTheGroupIsRefused)
{
    EXPECT_FALSE(platform::DesktopEntry::parse("Exec=rm -rf\n").has_value());
    EXPECT_FALSE(platform::DesktopEntry::parse("[Desktop Action x]\nExec=y\n").has_value());
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

struct ExecCase {
    const char* name;
    std::string exec;
    Words files;
    Words expected; // the one command, program first
};

class DesktopExec : public ::testing::TestWithParam<ExecCase> {};

TEST_P(DesktopExec, ExpandsToOneArgumentList)
{
    const ExecCase& c = GetParam();
    const platform::DesktopCommandResult result =
        platform::buildDesktopCommands(entryWithExec(c.exec), c.files, "/apps/editor.desktop");
    ASSERT_TRUE(result.error.empty()) << result.error;
    ASSERT_EQ(result.commands.size(), 1u);
    EXPECT_EQ(commandLine(result.commands.front()), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, DesktopExec,
    ::testing::Values(
        ExecCase{"NoFieldCodes", "editor --new-window", {}, {"editor", "--new-window"}},
        ExecCase{"SingleFileAbsent", "editor %f", {}, {"editor"}},
        ExecCase{"SingleFile", "editor %f", {"/a b/c.txt"}, {"editor", "/a b/c.txt"}},
        ExecCase{"FileList", "editor --x %F --y", {"/1", "/2 x"}, {"editor", "--x", "/1", "/2 x", "--y"}},
        ExecCase{"UrlList", "viewer %U", {"/p", "/q"}, {"viewer", "/p", "/q"}},
        ExecCase{"QuotedProgram", R"("/opt/My App/bin" --go)", {}, {"/opt/My App/bin", "--go"}},
        ExecCase{"EscapesInQuotes", R"(sh -c "echo \"\$HOME\" \`x\`")", {},
                 {"sh", "-c", "echo \"$HOME\" `x`"}},
        ExecCase{"BackslashTwiceEscaped", R"(tool "a\\\\b")", {}, {"tool", "a\\b"}},
        ExecCase{"StringEscapeBeforeSplitting", R"(tool a\sb)", {}, {"tool", "a", "b"}},
        ExecCase{"Percent", "tool 100%%", {}, {"tool", "100%"}},
        ExecCase{"QuotedFieldCodeIsText", R"(tool "%f")", {"/x"}, {"tool", "%f"}},
        ExecCase{"Icon", "editor %i %f", {"/x"}, {"editor", "--icon", "accessories-text-editor", "/x"}},
        ExecCase{"NameAndLocation", "editor --title=%c --from %k", {}, {"editor", "--title=Editor", "--from", "/apps/editor.desktop"}},
        ExecCase{"InlineFile", "editor --file=%f", {"/x"}, {"editor", "--file=/x"}},
        ExecCase{"DeprecatedCodesDropped", "editor %d %D %n %N %v %m %f", {"/x"}, {"editor", "/x"}},
        ExecCase{"ExtraBlanks", "  editor \t  %F  ", {"/x"}, {"editor", "/x"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopExec, SingleFileCodeWithSeveralFilesStartsOncePerFile)
{
    const auto result = platform::buildDesktopCommands(entryWithExec("viewer --one %u"), {"/a", "/b", "/c"}, "");
    ASSERT_EQ(result.commands.size(), 3u);
    EXPECT_EQ(commandLine(result.commands[0]), (Words{"viewer", "--one", "/a"}));
    EXPECT_EQ(commandLine(result.commands[2]), (Words{"viewer", "--one", "/c"}));
}

TEST(DesktopExec, IconCodeWithoutIconAddsNothing)
{
    const auto entry = platform::DesktopEntry::parse("[Desktop Entry]\nType=Application\nExec=app %i -x\n");
    const auto result = platform::buildDesktopCommands(*entry, {}, "");
    ASSERT_EQ(result.commands.size(), 1u);
    EXPECT_EQ(commandLine(result.commands[0]), (Words{"app", "-x"}));
}

TEST(DesktopExec, UnusableLinesAreErrors)
{
    for (const std::string exec : {"", "   ", "app \"unterminated", "app %z", "app %", "%F app"}) {
        const auto result = platform::buildDesktopCommands(entryWithExec(exec), {"/x"}, "");
        EXPECT_FALSE(result.error.empty()) << "Exec=" << exec;
        EXPECT_TRUE(result.commands.empty()) << "Exec=" << exec;
    }
}

} // namespace
