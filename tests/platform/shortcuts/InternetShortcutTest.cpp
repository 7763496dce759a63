#include "platform/shortcuts/InternetShortcut.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct UrlCase {
    const char* name;
    const char* text;
    std::optional<std::string> url;
};

class InternetShortcutUrl : public ::testing::TestWithParam<UrlCase> {};

TEST_P(InternetShortcutUrl, ReadsOnlyAbsoluteAddresses)
{
    testsupport::TempFolder folder;
    const auto path = folder.write("site.url", GetParam().text);
    std::string readError;
    EXPECT_EQ(platform::readInternetShortcutUrl(path.string(), readError), GetParam().url);
    EXPECT_EQ(readError, "");
}

INSTANTIATE_TEST_SUITE_P(
    Files, InternetShortcutUrl,
    ::testing::Values(
        UrlCase{"Plain", "[InternetShortcut]\r\nURL=https://example.org/a?b=c\r\n", "https://example.org/a?b=c"},
        UrlCase{"KeyCaseAndOtherSections", "[Other]\nURL=http://wrong/\n[internetshortcut]\nurl=ftp://files.example/\n",
                "ftp://files.example/"},
        UrlCase{"Quoted", "[InternetShortcut]\nURL=\"mailto:someone@example.org\"\n", "mailto:someone@example.org"},
        UrlCase{"OptionLookalike", "[InternetShortcut]\nURL=--help\n", std::nullopt},
        UrlCase{"RelativePath", "[InternetShortcut]\nURL=docs/index.html\n", std::nullopt},
        UrlCase{"SchemeOnly", "[InternetShortcut]\nURL=http:\n", std::nullopt},
        UrlCase{"NoUrlKey", "[InternetShortcut]\nIconIndex=0\n", std::nullopt},
        UrlCase{"Empty", "", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InternetShortcut, MissingFileHasNoAddress)
{
    std::string readError;
    EXPECT_EQ(platform::readInternetShortcutUrl("/nonexistent/site.url", readError), std::nullopt);
    EXPECT_NE(readError.find("/nonexistent/site.url"), std::string::npos);
}

TEST(InternetShortcut, SchemeRules)
{
    EXPECT_TRUE(platform::hasUrlScheme("svn+ssh://host/repo"));
    EXPECT_TRUE(platform::hasUrlScheme("file:///tmp/x"));
    EXPECT_FALSE(platform::hasUrlScheme("1http://x"));
    EXPECT_FALSE(platform::hasUrlScheme(":x"));
    EXPECT_FALSE(platform::hasUrlScheme("ht tp://x"));
}

} // namespace
