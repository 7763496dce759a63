#include "platform/shortcuts/ShellWords.h"

#include <gtest/gtest.h>

namespace {

using Words = std::vector<std::string>;

struct SplitCase {
    const char* name;
    std::string text;
    Words expected; // empty: the text is an error
};

class ShellWordsSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(ShellWordsSplit, GivesTheWordsAShellWould)
{
    const SplitCase& c = GetParam();
    const platform::ShellWordsResult result = platform::splitShellWords(c.text);
    EXPECT_EQ(result.words, c.expected);
    EXPECT_EQ(result.error.empty(), !c.expected.empty()) << result.error;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ShellWordsSplit,
    ::testing::Values(
        SplitCase{"Blanks", " a\tb \n c ", {"a", "b", "c"}},
        SplitCase{"SingleQuotesKeepBlanks", "sh -c 'echo 1 >> \"x y\"'", {"sh", "-c", "echo 1 >> \"x y\""}},
        SplitCase{"SingleQuotesKeepBackslashes", R"('a\"b\\')", {R"(a\"b\\)"}},
        SplitCase{"EscapedBlank", R"(a\ b c)", {"a b", "c"}},
        SplitCase{"EscapedQuote", R"(it\'s)", {"it's"}},
        SplitCase{"EscapedNewlineJoins", "a\\\nb", {"ab"}},
        SplitCase{"DoubleQuoteEscapes", R"("\$ \` \" \\ \q")", {R"($ ` " \ \q)"}},
        SplitCase{"AdjacentPartsMakeOneWord", R"(a'b c'"d e"f)", {"ab cd ef"}},
        SplitCase{"EmptyQuotesAreAWord", R"(a '' "")", {"a", "", ""}},
        SplitCase{"CommentStartsAWord", "a #b c\nd", {"a", "d"}},
        SplitCase{"HashInsideAWord", "a#b '#c'", {"a#b", "#c"}},
        SplitCase{"NoExpansion", "$HOME * ~ ; |", {"$HOME", "*", "~", ";", "|"}},
        SplitCase{"Empty", "", {}},
        SplitCase{"OnlyBlanks", " \t\n", {}},
        SplitCase{"OnlyComment", "# nothing", {}},
        SplitCase{"UnterminatedSingle", "a 'b", {}},
        SplitCase{"UnterminatedDouble", R"(a "b\")", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ShellQuote, AnyTextComesBackAsOneWord)
{
    for (const std::string text : {"", "plain", "it's", "'", "a b\nc", R"("$x" \ `y`)", "#not a comment", "''\\'"}) {
        const platform::ShellWordsResult result = platform::splitShellWords("cmd " + platform::shellQuote(text));
        EXPECT_EQ(result.words, (Words{"cmd", text})) << text;
    }
}

} // namespace
