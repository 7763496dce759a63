#include "platform/shortcuts/InternetShortcut.h"
#include "platform/shortcuts/UnicodeText.h"

#include "support/TempFolder.h"
#include "support/Utf16Writer.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct UrlCase {
    const char* name;
    std::string text;
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
        UrlCase{"Empty", "", std::nullopt},
        UrlCase{"Utf8WithMark", "\xEF\xBB\xBF[InternetShortcut]\r\nURL=https://example.org/caf\xC3\xA9\r\n",
                "https://example.org/caf\xC3\xA9"},
        UrlCase{"Utf16LittleEndian",
                testsupport::utf16WithMark(u"[InternetShortcut]\r\nURL=https://example.org/caf\u00e9\U0001F600\r\n",
                                           testsupport::ByteOrder::LittleEndian),
                "https://example.org/caf\xC3\xA9\xF0\x9F\x98\x80"},
        UrlCase{"Utf16BigEndian",
                testsupport::utf16WithMark(u"[DEFAULT]\r\nBASEURL=x\r\n[InternetShortcut]\r\nURL=ftp://files.example/\r\n",
                                           testsupport::ByteOrder::BigEndian),
                "ftp://files.example/"},
        UrlCase{"Utf16WithoutAddress",
                testsupport::utf16WithMark(u"[InternetShortcut]\r\nURL=--help\r\n", testsupport::ByteOrder::LittleEndian),
                std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(InternetShortcut, MissingFileHasNoAddress)
{
    std::string readError;
    EXPECT_EQ(platform::readInternetShortcutUrl("/nonexistent/site.url", readError), std::nullopt);
    EXPECT_NE(readError.find("/nonexistent/site.url"), std::string::npos);
}

TEST(UnicodeText, BrokenUtf16BecomesReplacementCharacters)
{
    // A lone high surrogate, a lone low surrogate, then an odd last byte.
    const std::string bytes = std::string("\xFF\xFE", 2) + std::string("\x3D\xD8" "a\0" "\x00\xDC" "b\0" "c", 9);
    EXPECT_EQ(platform::textAsUtf8(bytes), "\xEF\xBF\xBD" "a" "\xEF\xBF\xBD" "b" "\xEF\xBF\xBD");
    EXPECT_EQ(platform::textAsUtf8("plain \xFF text"), "plain \xFF text");
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
