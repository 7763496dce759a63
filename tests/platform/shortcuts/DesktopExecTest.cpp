#include "platform/shortcuts/DesktopExec.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;
using Commands = std::vector<Words>;

// The [Desktop Entry] of every case: the Exec line is written into the file
// as the case gives it, so the file's string escapes apply first.
std::string entryText(const std::string& exec)
{
    return "[Desktop Entry]\nType=Application\nName=Editor\nName[de]=Schreiber\n"
           "Icon=accessories-text-editor\nExec=" + exec + "\n";
}

struct ExecCase {
    const char* name;
    std::string exec; // as written in the file
    Words files;
    Commands expected; // each start, program first; empty: the line is an error
};

class DesktopExecCorpus : public ::testing::TestWithParam<ExecCase> {};

TEST_P(DesktopExecCorpus, GivesTheArgumentListsTheDesktopWould)
{
    const ExecCase& c = GetParam();
    std::string problem;
    const auto entry = platform::DesktopEntry::parse(entryText(c.exec), {"de"}, problem);
    ASSERT_TRUE(entry.has_value()) << problem;
    const platform::DesktopCommandResult result =
        platform::buildDesktopCommands(*entry, c.files, "/apps/editor.desktop");
    Commands commands;
    for (const platform::DesktopCommand& command : result.commands) {
        Words words{command.program};
        words.insert(words.end(), command.arguments.begin(), command.arguments.end());
        commands.push_back(words);
    }
    EXPECT_EQ(commands, c.expected);
    EXPECT_EQ(result.error.empty(), !c.expected.empty()) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    Entries, DesktopExecCorpus,
    ::testing::Values(
        ExecCase{"NoFieldCodes", "editor --new-window", {}, {{"editor", "--new-window"}}},
        ExecCase{"ShellScriptInSingleQuotes", R"(sh -c 'echo 1 >> "/tmp/out file"' %F)", {"/a", "/b c"},
                 {{"sh", "-c", R"(echo 1 >> "/tmp/out file")", "/a", "/b c"}}},
        ExecCase{"UnquotedSingleQuotes", "tool 'a b' c", {}, {{"tool", "a b", "c"}}},
        ExecCase{"EscapedBlank", R"(tool a\ b)", {}, {{"tool", "a b"}}},
        ExecCase{"EscapedBlankThroughStringEscape", R"(tool a\\ b)", {}, {{"tool", "a b"}}},
        ExecCase{"StringEscapeSplitsWords", R"(tool a\sb)", {}, {{"tool", "a", "b"}}},
        ExecCase{"QuotedProgram", R"("/opt/My App/bin" --go)", {}, {{"/opt/My App/bin", "--go"}}},
        ExecCase{"EscapesInDoubleQuotes", R"(sh -c "echo \\"\\$HOME\\" \\`x\\`")", {},
                 {{"sh", "-c", "echo \"$HOME\" `x`"}}},
        ExecCase{"OtherBackslashInDoubleQuotesStays", R"(tool "a\qb")", {}, {{"tool", R"(a\qb)"}}},
        ExecCase{"LiteralBackslashInDoubleQuotes", R"(tool "a\\\\b")", {}, {{"tool", R"(a\b)"}}},
        ExecCase{"LonePercentAtTheEnd", "tool 50%", {}, {{"tool", "50%"}}},
        ExecCase{"UnknownCodeDropped", "tool %z a%zb", {}, {{"tool", "ab"}}},
        ExecCase{"PercentSign", "tool 100%% %%f", {"/x"}, {{"tool", "100%", "%f", "/x"}}},
        ExecCase{"SingleFileAbsent", "editor %f", {}, {{"editor"}}},
        ExecCase{"SingleFile", "editor %f", {"/a b/it's.txt"}, {{"editor", "/a b/it's.txt"}}},
        ExecCase{"SingleFileOncePerFile", "viewer --one %f", {"/a", "/b"}, {{"viewer", "--one", "/a"}, {"viewer", "--one", "/b"}}},
        ExecCase{"TwoSingleFileCodes", "diff %f %f", {"/a", "/b", "/c"}, {{"diff", "/a", "/b"}, {"diff", "/c"}}},
        ExecCase{"FileList", "editor --x %F --y", {"/1", "/2 x"}, {{"editor", "--x", "/1", "/2 x", "--y"}}},
        ExecCase{"ListTakesEverything", "editor %F %f", {"/1", "/2"}, {{"editor", "/1", "/2"}}},
        ExecCase{"Url", "viewer %u", {"/a b/c#1.png"}, {{"viewer", "file:///a%20b/c%231.png"}}},
        ExecCase{"UrlList", "viewer %U", {"/p", "/q"}, {{"viewer", "file:///p", "file:///q"}}},
        ExecCase{"NoFileCodeTakesFilesOneByOne", "editor --new", {"/a", "/b"}, {{"editor", "--new", "/a"}, {"editor", "--new", "/b"}}},
        ExecCase{"InlineFile", "editor --file=%f", {"/x y"}, {{"editor", "--file=/x y"}}},
        ExecCase{"FieldCodeInDoubleQuotesKeepsItsQuotes", R"(tool "%f")", {"/x"}, {{"tool", "'/x'"}}},
        ExecCase{"Icon", "editor %i %f", {"/x"}, {{"editor", "--icon", "accessories-text-editor", "/x"}}},
        ExecCase{"TranslatedName", "editor --title=%c", {}, {{"editor", "--title=Schreiber"}}},
        ExecCase{"Location", "editor --from %k", {}, {{"editor", "--from", "/apps/editor.desktop"}}},
        ExecCase{"DeprecatedCodesDropped", "editor %d %D %n %N %v %m %f", {"/x"}, {{"editor", "/x"}}},
        ExecCase{"Comment", "editor --a # --b", {}, {{"editor", "--a"}}},
        ExecCase{"ExtraBlanks", "  editor \t  %F  ", {"/x"}, {{"editor", "/x"}}},
        ExecCase{"Empty", "", {}, {}},
        ExecCase{"OnlyABlank", R"(\s)", {}, {}},
        ExecCase{"OnlyAFileCodeWithoutFiles", "%f", {}, {}},
        ExecCase{"UnterminatedDoubleQuote", R"(sh "-c)", {"/x"}, {}},
        ExecCase{"UnterminatedSingleQuote", "sh -c 'echo", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesktopExec, IconAndNameCodesWithoutValuesAddNothing)
{
    const auto entry = platform::DesktopEntry::parse("[Desktop Entry]\nType=Application\nExec=app %i %c -x\n");
    const auto result = platform::buildDesktopCommands(*entry, {}, "");
    ASSERT_EQ(result.commands.size(), 1u);
    EXPECT_EQ(result.commands[0].program, "app");
    EXPECT_EQ(result.commands[0].arguments, Words{"-x"});
}

TEST(DesktopExec, FileUrlsEscapeWhatIsNotAPathCharacter)
{
    EXPECT_EQ(platform::fileUrl("/a/b-c_d.e~f"), "file:///a/b-c_d.e~f");
    EXPECT_EQ(platform::fileUrl("/x y/%?#\"\xc3\xa9"), "file:///x%20y/%25%3F%23%22%C3%A9");
}

} // namespace
